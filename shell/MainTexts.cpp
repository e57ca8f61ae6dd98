#include "shell/MainTexts.h"

#include "shell/ShellState.h"

QString GameMessageText(TGameMessage message, const TShellState& state)
{
  switch (message) {
  case gmNoMoreSet:
    return Say(state, "Kein weiteres SET möglich.\rDu bist am Ende.", "No more SET possible.\rYou are at the end.");
  case gmNoSetOnTable:
    return Say(state, "Kein SET in der Auslage. Neu mischen?", "No SET in the deck. Shall I mix up the deck?");
  }
  return QString();
}

QString ButtonHint(TButtonKey button, const TShellState& state)
{
  switch (button) {
  case bkMix:
    return Say(state, "Ich möchte die restlichen Karten durchmischen.", "I want to mix up the remaining cards.");
  case bkStart:
    return Say(state, "Ich fang neu an.", "I start again.");
  case bkPause:
    return Say(state, "Ich brauch eine kurze Pause.", "I need a break.");
  case bkHighScore:
    return Say(state, "Wer sind die Besten?", "Who are the best?");
  case bkTip:
    return Say(state, "Bitte zeig mir ein SET.", "Please show me a SET.");
  case bkOptions:
    return Say(state, "Ich möchte die Einstellungen ändern.", " I want to change the options.");
  case bkInfo:
    return Say(state, "Wer hat diese Spiele nur verbrochen?", "Who did these MOLLBERG GAME?");
  case bkRules:
    return Say(state, "Worum geht's da eigentlich?", "What's to do here?");
  case bkExit:
    return Say(state, "Ich hab genug!", "I have enough!");
  case bkNone:
    break;
  }
  return QString();
}

QString ButtonKeyText(TButtonKey button, const TShellState& state)
{
  QString name = QString::fromLatin1(ButtonKeyName(button));
  if (state.German())
    name.replace(QLatin1String("Ctrl+"), QLatin1String("Strg+"));
  return Say(state, "Taste: ", "Key: ") + name;
}
