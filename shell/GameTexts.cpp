#include "shell/GameTexts.h"

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
