#include "scores/highscor.h"

#include "assets/DlgRes.h"
#include "scores/StoredKeys.h"
#include "scores/TextScrambler.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"
#include "toolkit/IniCtrl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

constexpr int Rows = THighscoreTable::Rows;

// A row or heading label, found again by its name.
QLabel* Named(QLabel* label, const QString& name)
{
  label->setObjectName(name);
  return label;
}

// Keeps the name box to NameLimit characters, cutting what is typed or
// pasted beyond them, never inside a character.
class TNameValidator final : public QValidator {
public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override
  {
    const QString limited = LimitedName(input);
    if (limited.size() != input.size()) {
      input = limited;
      pos = std::min(pos, static_cast<int>(input.size()));
    }
    return Acceptable;
  }
};

} // namespace

THighscoreDlg::THighscoreDlg(QWidget* mainform, const TDlgResources& resources, TIniCtrl& ini, const TTextScrambler& scrambler)
  : TFramedDialog(mainform, resources.DialogArt(), 320, 476)
  , Ini(ini)
  , Scrambler(scrambler)
{
  setObjectName(QStringLiteral("HighscoreDlg"));
  title = TitlePanel(11, 12, 298);
  EditBack = InnerPanel(11, 48, 298, 329);
  ClearBox = CheckRow(11, 380, 298, QStringLiteral("delcheck"), delcheck);
  CancelBtn = FaceButton(Back, "CancelBtn", 204, 416);
  OkBtn = FaceButton(Back, "OkBtn", 260, 416);
  connect(CancelBtn, &TImageButton::OnClick, this, &THighscoreDlg::CancelBtnClick);
  connect(OkBtn, &TImageButton::OnClick, this, &THighscoreDlg::OkBtnClick);

  Edit1 = new QLineEdit(EditBack);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFrame(false);
  // Limited to NameLimit code points by the validator; the box's own limit
  // counts UTF-16 units and would cut a character outside the basic plane.
  Edit1->setMaxLength(2 * NameLimit);
  Edit1->setValidator(new TNameValidator(Edit1));
  QFont editFont(QStringLiteral("Arial"));
  editFont.setPixelSize(13);
  editFont.setBold(true);
  Edit1->setFont(editFont);
  Edit1->setStyleSheet(QStringLiteral("background: black; color: yellow; border: none; padding: 0;"));
  Edit1->resize(140, 17);
  Edit1->hide();

  FINIString = StoredKey::HighscoreRows;
  FDirection = 0;
  FEditRow = -1;
  FPlayerName = LimitedName(Ini.ReadString(StoredKey::Common, StoredKey::Player, QStringLiteral("Mr.Brain")));
  Edit1->setText(FPlayerName);

  QFont rowFont(QStringLiteral("Arial"));
  rowFont.setPointSize(10);
  // Row by row, so that assistive technology reads rank, name and score
  // together.
  for (int i = 0; i < Rows; ++i) {
    const int top = 10 + 21 * i;
    Named(WhiteLabel(EditBack, QRect(10, top, 40, 21), rowFont, Qt::AlignRight | Qt::AlignVCenter), QStringLiteral("num%1").arg(i))
      ->setText(QStringLiteral("%1.   ").arg(i + 1));
    Named(WhiteLabel(EditBack, QRect(50, top, 140, 21), rowFont, Qt::AlignLeft | Qt::AlignVCenter), QStringLiteral("pla%1").arg(i));
    Named(WhiteLabel(EditBack, QRect(190, top, 90, 21), rowFont, Qt::AlignRight | Qt::AlignVCenter), QStringLiteral("sco%1").arg(i));
  }
  Edit1->raise();
  // Tab visits the name, OK, Cancel and the check box; the name box or OK
  // has the focus first.
  SetTabOrder({ Edit1, OkBtn, CancelBtn, ClearBox });
}

void THighscoreDlg::LoadTable()
{
  FTable = THighscoreTable::Decode(
    [this](const QString& key) { return Ini.ReadString(StoredKey::Common, key, QString()); }, FINIString, Scrambler);
}

void THighscoreDlg::FillRows()
{
  for (int i = 0; i < Rows; ++i) {
    EditBack->findChild<QLabel*>(QStringLiteral("pla%1").arg(i))->setText(FTable.Row(i).Name);
    EditBack->findChild<QLabel*>(QStringLiteral("sco%1").arg(i))->setText(QString::number(FTable.Row(i).Score));
  }
}

void THighscoreDlg::Place()
{
  if (!Mainform)
    return;
  const QRect outer = Mainform->frameGeometry();
  move(outer.x() + (outer.width() - width()) / 2, outer.y() + (outer.height() - height()) / 2 - 2);
}

void THighscoreDlg::Reword()
{
  title->setText(tr("Trivolo - Highscore"));
  delcheck->setText(tr("remove all entries"));
  CancelBtn->SetHint(tr("Cancel"), false);
  OkBtn->SetHint(tr("put in list"), false);
  // Named for assistive technology by what they do.
  if (FViewOnly)
    OkBtn->setAccessibleName(tr("Close the list"));
  ClearBox->setAccessibleName(delcheck->text());
  Edit1->setAccessibleName(tr("Your name"));
  SetSpoken(title->text(), QString());
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
    FScore = AScore;
    FEditRow = FTable.Insert(AScore, FPlayerName, FDirection);
    if (FEditRow < 0)
      return;
  }
  FillRows();
  if (FEditRow >= 0) {
    Edit1->setGeometry(50, FEditRow * 21 + 10, 140, 17);
    Edit1->setText(FPlayerName);
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
  }
  Reword();
  exec();
}

void THighscoreDlg::OkBtnClick()
{
  const bool clear = ClearBox->isChecked();
  if (clear) {
    FTable.Clear();
    FillRows();
    FPlayerName = THighscoreTable::DefaultName;
    Edit1->setText(FPlayerName);
    FEditRow = -1;
  }
  const bool entered = FEditRow >= 0;
  if (entered) {
    FPlayerName = LimitedName(Edit1->text());
    FTable.SetName(FEditRow, FPlayerName);
    EditBack->findChild<QLabel*>(QStringLiteral("pla%1").arg(FEditRow))->setText(FPlayerName);
  }
  Edit1->hide();
  if (clear || entered) {
    // The table as stored now, with this dialog's change, replaces the
    // stored one in one step: a result that another copy of the program
    // stored since the dialog opened stays.
    StoreHighscores(Ini, FINIString, Scrambler, { clear, FScore, FPlayerName, FDirection });
  }
  accept();
}

void THighscoreDlg::CancelBtnClick()
{
  reject();
}
