#include "shell/YesNo.h"

#include "assets/DlgRes.h"
#include "game/GameHost.h"
#include "shell/ShellState.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QLabel>

namespace {

struct TMessage {
  int Code;
  int Mode; // 0: leaves the mode as it was
  const char* English;
};

const TMessage Catalogue[] = {
  { 1, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "Hurrah, you did it!") },
  { 2, 2, QT_TRANSLATE_NOOP("TYesNoDlg", "Do you really want to give up the level?") },
  { 3, 2, QT_TRANSLATE_NOOP("TYesNoDlg", "Do you really want to go?") },
  { 4, 2, QT_TRANSLATE_NOOP("TYesNoDlg", "Do you really want to give up the game?") },
  { 5, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "Sorry, you weren't quick enough!") },
  { 6, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "Congratulation, you solved all levels.") },
  { 7, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "Sorry, game over!") },
  { 8, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "The next level is waiting!") },
  { 9, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "Sorry, that was it!") },
  { 12, 1, QT_TRANSLATE_NOOP("TYesNoDlg", "Game paused.\rContinue?") },
  { 13, 2, QT_TRANSLATE_NOOP("TYesNoDlg", "That was it!\rRepeat level?") },
  { 14, 2, QT_TRANSLATE_NOOP("TYesNoDlg", "Hurrah, you made it!\rContinue with next level?") },
};

const TMessage* Find(int code)
{
  for (const TMessage& message : Catalogue)
    if (message.Code == code)
      return &message;
  return nullptr;
}

// "\r" starts a new line in the dialog.
QString Lines(QString text)
{
  return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

TYesNoDlg::TYesNoDlg(QWidget* mainform, const TDlgResources& resources, const TShellState& state)
  : TFramedDialog(mainform, resources.DialogArt(), 319, 158)
  , State(state)
{
  setObjectName(QStringLiteral("YesNoDlg"));
  TBackPanel* pan = InnerPanel(11, 12, 298, 77);
  txt = TextLabel(pan, 5, 5, 288, 67, 16, true);
  txt->setAlignment(Qt::AlignCenter);
  txt->setWordWrap(true);
  NoBtn = FaceButton(Back, "NoBtn", 204, 100);
  YesBtn = FaceButton(Back, "YesBtn", 260, 100);
  connect(YesBtn, &TImageButton::OnClick, this, [this] { done(mrYes); });
  connect(NoBtn, &TImageButton::OnClick, this, [this] { done(mrNo); });
  SetKeyAnswers(mrYes, mrNo);
  SetTabOrder({ YesBtn, NoBtn });
}

std::optional<QString> TYesNoDlg::CatalogueText(int code)
{
  const TMessage* message = Find(code);
  if (!message)
    return std::nullopt;
  return tr(message->English);
}

int TYesNoDlg::ShowCode(int code)
{
  MessageCode = code;
  if (const TMessage* message = Find(code); message && message->Mode != 0)
    ButtonMode = message->Mode;
  return ShowModal();
}

int TYesNoDlg::ShowText(int code, const QString& text)
{
  MessageCode = code;
  if (code == 10)
    ButtonMode = 1;
  else if (code == 11)
    ButtonMode = 2;
  CustomText = text;
  return ShowModal();
}

int TYesNoDlg::ShowModal()
{
  FormActivate();
  return exec();
}

void TYesNoDlg::FormActivate()
{
  ApplyPlacementRule();
  Reword();
}

void TYesNoDlg::Reword()
{
  // Named for assistive technology; they show no hint.
  YesBtn->setAccessibleName(tr("Yes"));
  NoBtn->setAccessibleName(tr("No"));
  NoBtn->setVisible(ButtonMode == 2);
  if (MessageCode == 10 || MessageCode == 11)
    txt->setText(Lines(CustomText));
  else if (const auto text = CatalogueText(MessageCode))
    txt->setText(Lines(*text));
  SetSpoken(QStringLiteral("Trivolo"), txt->text());
}

