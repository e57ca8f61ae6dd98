#include "scores/highscor.h"

#include "assets/DlgRes.h"
#include "scores/TextScrambler.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"
#include "toolkit/IniCtrl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

const QString THighscoreDlg::DefaultName = QStringLiteral("Mr. Brain");

namespace {

constexpr int Rows = 15;
const QString Common = QStringLiteral("common");

// A row or heading label, found again by its name.
QLabel* Named(QLabel* label, const QString& name)
{
  label->setObjectName(name);
  return label;
}

} // namespace

THighscoreDlg::THighscoreDlg(QWidget* mainform, const TDlgResources& resources, TIniCtrl& ini, const TTextScrambler& scrambler,
  const int& tongue)
  : TFramedDialog(mainform, resources, 320, 476)
  , Ini(ini)
  , Scrambler(scrambler)
  , Tongue(tongue)
{
  setObjectName(QStringLiteral("HighscoreDlg"));
  QFont titleFont(QStringLiteral("Arial"));
  titleFont.setPixelSize(19);
  titleFont.setBold(true);
  title = Named(WhiteLabel(InnerPanel(11, 12, 298, 33), QRect(12, 4, 273, 25), titleFont, Qt::AlignHCenter | Qt::AlignVCenter), QStringLiteral("title"));
  EditBack = InnerPanel(11, 48, 298, 329);
  auto* p6 = InnerPanel(11, 380, 298, 29);
  ClearBox = new QCheckBox(QStringLiteral(" "), p6);
  ClearBox->setGeometry(16, 7, 17, 17);
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(13);
  delcheck = Named(WhiteLabel(p6, QRect(40, 8, 245, 17), small, Qt::AlignLeft | Qt::AlignVCenter), QStringLiteral("delcheck"));
  CancelBtn = FaceButton(Back, "CancelBtn", 204, 416);
  OkBtn = FaceButton(Back, "OkBtn", 260, 416);
  connect(CancelBtn, &TImageButton::OnClick, this, &THighscoreDlg::CancelBtnClick);
  connect(OkBtn, &TImageButton::OnClick, this, &THighscoreDlg::OkBtnClick);

  Edit1 = new QLineEdit(EditBack);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFrame(false);
  Edit1->setMaxLength(25);
  QFont editFont(QStringLiteral("Arial"));
  editFont.setPixelSize(13);
  editFont.setBold(true);
  Edit1->setFont(editFont);
  Edit1->setStyleSheet(QStringLiteral("background: black; color: yellow; border: none; padding: 0;"));
  Edit1->resize(140, 17);
  Edit1->hide();

  FINIString = QStringLiteral("hs");
  FDirection = 0;
  FEditRow = -1;
  FPlayerName = Ini.ReadString(Common, QStringLiteral("player"), QStringLiteral("Mr.Brain"));
  Edit1->setText(FPlayerName);

  QFont rowFont(QStringLiteral("Arial"));
  rowFont.setPointSize(10);
  for (int i = 0; i < Rows; ++i)
    Named(WhiteLabel(EditBack, QRect(10, 10 + 21 * i, 40, 21), rowFont, Qt::AlignRight | Qt::AlignVCenter), QStringLiteral("num%1").arg(i))
      ->setText(QStringLiteral("%1.   ").arg(i + 1));
  for (int i = 0; i < Rows; ++i)
    Named(WhiteLabel(EditBack, QRect(50, 10 + 21 * i, 140, 21), rowFont, Qt::AlignLeft | Qt::AlignVCenter), QStringLiteral("pla%1").arg(i));
  for (int i = 0; i < Rows; ++i)
    Named(WhiteLabel(EditBack, QRect(190, 10 + 21 * i, 90, 21), rowFont, Qt::AlignRight | Qt::AlignVCenter), QStringLiteral("sco%1").arg(i));
  Edit1->raise();
}

std::pair<std::int32_t, QString> THighscoreDlg::ParseRow(const QString& decoded)
{
  const qsizetype comma = decoded.indexOf(QLatin1Char(','));
  if (comma < 0)
    return { 0, DefaultName };
  bool ok = false;
  const std::int32_t score = decoded.left(comma).toInt(&ok);
  if (!ok)
    return { 0, DefaultName };
  return { score, decoded.mid(comma + 1) };
}

void THighscoreDlg::LoadTable()
{
  for (int i = 0; i < Rows; ++i) {
    const QString decoded = Scrambler.Decode(Ini.ReadString(Common, FINIString + QString::number(i), QString()));
    const auto [score, name] = decoded.isEmpty() ? std::pair<std::int32_t, QString> { 0, DefaultName } : ParseRow(decoded);
    FScores[static_cast<std::size_t>(i)] = score;
    FNames[static_cast<std::size_t>(i)] = name;
  }
}

void THighscoreDlg::FillRows()
{
  for (int i = 0; i < Rows; ++i) {
    EditBack->findChild<QLabel*>(QStringLiteral("pla%1").arg(i))->setText(FNames[static_cast<std::size_t>(i)]);
    EditBack->findChild<QLabel*>(QStringLiteral("sco%1").arg(i))->setText(QString::number(FScores[static_cast<std::size_t>(i)]));
  }
}

void THighscoreDlg::Place()
{
  if (!Mainform)
    return;
  const QRect outer = Mainform->frameGeometry();
  move(outer.x() + (outer.width() - width()) / 2, outer.y() + (outer.height() - height()) / 2 - 2);
}

void THighscoreDlg::FormActivate()
{
  const bool german = Tongue == 1;
  title->setText(german ? QStringLiteral("Trivolo - Bestenliste") : QStringLiteral("Trivolo - Highscore"));
  delcheck->setText(german ? QStringLiteral("alle Einträge löschen") : QStringLiteral("remove all entries"));
  CancelBtn->SetHint(german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"), false);
  OkBtn->SetHint(german ? QStringLiteral("In Liste aufnehmen") : QStringLiteral("put in list"), false);
}

void THighscoreDlg::ShowModal(std::int32_t AScore, bool AViewOnly)
{
  FViewOnly = AViewOnly;
  CancelBtn->setVisible(!AViewOnly);
  ClearBox->setChecked(false);
  LoadTable();
  if (AViewOnly) {
    FEditRow = -1;
    Edit1->hide();
  } else {
    FEditRow = -1;
    for (int i = 0; i < Rows && FEditRow < 0; ++i) {
      const std::int32_t stored = FScores[static_cast<std::size_t>(i)];
      if (FDirection == 0 ? stored < AScore : (stored == 0 || stored > AScore))
        FEditRow = i;
    }
    if (FEditRow < 0)
      return;
    for (int i = Rows - 2; i >= FEditRow; --i) {
      FScores[static_cast<std::size_t>(i + 1)] = FScores[static_cast<std::size_t>(i)];
      FNames[static_cast<std::size_t>(i + 1)] = FNames[static_cast<std::size_t>(i)];
    }
    FScores[static_cast<std::size_t>(FEditRow)] = AScore;
    FNames[static_cast<std::size_t>(FEditRow)] = FPlayerName;
  }
  FillRows();
  if (FEditRow >= 0) {
    Edit1->setGeometry(50, FEditRow * 21 + 10, 140, 17);
    Edit1->setText(FPlayerName);
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
  }
  FormActivate();
  exec();
}

void THighscoreDlg::OkBtnClick()
{
  if (ClearBox->isChecked()) {
    for (int i = 0; i < Rows; ++i) {
      FNames[static_cast<std::size_t>(i)] = DefaultName;
      FScores[static_cast<std::size_t>(i)] = 0;
    }
    FillRows();
    FPlayerName = DefaultName;
    Edit1->setText(FPlayerName);
    FEditRow = -1;
  }
  if (FEditRow >= 0) {
    FPlayerName = Edit1->text();
    FNames[static_cast<std::size_t>(FEditRow)] = FPlayerName;
    EditBack->findChild<QLabel*>(QStringLiteral("pla%1").arg(FEditRow))->setText(FPlayerName);
  }
  Edit1->hide();
  // All fifteen rows and the name replace the stored ones in one step.
  Ini.BeginUpdate();
  Ini.WriteString(Common, QStringLiteral("player"), FPlayerName);
  for (int i = 0; i < Rows; ++i)
    Ini.WriteString(Common, FINIString + QString::number(i),
      Scrambler.Encode(QString::number(FScores[static_cast<std::size_t>(i)]) + QLatin1Char(',') + FNames[static_cast<std::size_t>(i)]));
  Ini.EndUpdate();
  accept();
}

void THighscoreDlg::CancelBtnClick()
{
  reject();
}
