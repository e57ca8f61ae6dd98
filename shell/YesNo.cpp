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
  const char* German;
  const char* English;
};

const TMessage Catalogue[] = {
  { 1, 1, "Hurra, geschafft!", "Hurrah, you did it!" },
  { 2, 2, "Willst Du die Stufe wirklich aufgeben?", "Do you really want to give up the level?" },
  { 3, 2, "Willst Du wirklich schon aufhören?", "Do you really want to go?" },
  { 4, 2, "Willst Du die Partie wirklich aufgeben?", "Do you really want to give up the game?" },
  { 5, 1, "Du warst leider zu langsam!", "Sorry, you weren't quick enough!" },
  { 6, 1, "Gratulation, Du hast alle Stufen gelöst.", "Congratulation, you solved all levels." },
  { 7, 1, "Das Spiel ist leider aus.", "Sorry, game over!" },
  { 8, 1, "Auf zur nächsten Stufe!", "The next level is waiting!" },
  { 9, 1, "Du hast leider verloren!", "Sorry, that was it!" },
  { 12, 1, "Spiel angehalten.\rWeitermachen?", "Game paused.\rContinue?" },
  { 13, 2, "Leider nein!\rStufe wiederholen?", "That was it!\rRepeat level?" },
  { 14, 2, "Hurra, geschafft!\rMit der nächste Stufe weitermachen?", "Hurrah, you made it!\rContinue with next level?" },
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

std::optional<QString> TYesNoDlg::CatalogueText(int code, bool german)
{
  const TMessage* message = Find(code);
  if (!message)
    return std::nullopt;
  return QString::fromUtf8(german ? message->German : message->English);
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
  // Named for assistive technology; they show no hint.
  YesBtn->setAccessibleName(Say(State, "Ja", "Yes"));
  NoBtn->setAccessibleName(Say(State, "Nein", "No"));
  NoBtn->setVisible(ButtonMode == 2);
  if (MessageCode == 10 || MessageCode == 11)
    txt->setText(Lines(CustomText));
  else if (const auto text = CatalogueText(MessageCode, State.German()))
    txt->setText(Lines(*text));
  SetSpoken(QStringLiteral("Trivolo"), txt->text());
}

