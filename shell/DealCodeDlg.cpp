#include "shell/DealCodeDlg.h"

#include "assets/DlgRes.h"
#include "game/DealCode.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int Width = 400;
constexpr int Height = 224;
// A code's 16 characters with room for blanks around pasted text.
constexpr int EditLimit = 40;
} // namespace

TDealCodeDlg::TDealCodeDlg(QWidget* mainform, const TDlgResources& resources)
  : TFramedDialog(mainform, resources.DialogArt(), Width, Height)
{
  setObjectName(QStringLiteral("DealCodeDlg"));
  Title = TitlePanel(11, 12, Width - 22);
  TBackPanel* panel = InnerPanel(11, 48, Width - 22, 112);
  Prompt = TextLabel(panel, 10, 8, Width - 42, 19, 15, false);
  CodeEdit = new QLineEdit(panel);
  CodeEdit->setObjectName(QStringLiteral("CodeEdit"));
  CodeEdit->setFrame(false);
  CodeEdit->setMaxLength(EditLimit);
  QFont editFont(QStringLiteral("Arial"));
  editFont.setPixelSize(15);
  editFont.setBold(true);
  CodeEdit->setFont(editFont);
  CodeEdit->setStyleSheet(QStringLiteral("background: black; color: yellow; border: none; padding: 0 4px;"));
  CodeEdit->setGeometry(10, 32, Width - 42, 22);
  Problem = TextLabel(panel, 10, 60, Width - 42, 48, 13, false);
  Problem->setWordWrap(true);
  CancelBtn = FaceButton(Back, "CancelBtn", Width - 116, 166);
  OkBtn = FaceButton(Back, "OkBtn", Width - 60, 166);
  connect(CancelBtn, &TImageButton::OnClick, this, [this] { done(0); });
  connect(OkBtn, &TImageButton::OnClick, this, &TDealCodeDlg::OkBtnClick);
  connect(CodeEdit, &QLineEdit::returnPressed, this, &TDealCodeDlg::OkBtnClick);
  SetKeyAnswers(std::nullopt, 0);
  SetTabOrder({ CodeEdit, OkBtn, CancelBtn });
}

std::optional<std::uint64_t> TDealCodeDlg::Ask()
{
  Chosen.reset();
  CodeEdit->clear();
  Problem->clear();
  Reword();
  exec();
  return Chosen;
}

void TDealCodeDlg::Reword()
{
  Title->setText(tr("Play a deal by its code"));
  Prompt->setText(tr("The deal's code:"));
  CodeEdit->setAccessibleName(Prompt->text());
  OkBtn->SetHint(tr("Deal it"));
  CancelBtn->SetHint(tr("Back to game"));
  if (!Problem->text().isEmpty())
    Problem->setText(tr("That is no deal code. A code has 14 letters and digits, like %1.").arg(QStringLiteral("63YVM-6W1AZ-T7TF")));
  SetSpoken(Title->text(), Prompt->text());
}

void TDealCodeDlg::OkBtnClick()
{
  Chosen = ParseDealCode(CodeEdit->text().toStdString());
  if (Chosen) {
    done(1);
    return;
  }
  Problem->setText(tr("That is no deal code. A code has 14 letters and digits, like %1.").arg(QStringLiteral("63YVM-6W1AZ-T7TF")));
  Problem->setAccessibleName(Problem->text());
  CodeEdit->setFocus();
  CodeEdit->selectAll();
}
