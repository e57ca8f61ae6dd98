#pragma once

#include "game/GameHost.h"
#include "shell/KeyMap.h"

#include <QString>

// The texts of the main window and of the game played in it, in the
// language in use.

// The game's own messages.
QString GameMessageText(TGameMessage message);
// A practice game's end: all cards taken, or no SET left with cards still
// in play; and the time it took.
QString PracticeOverText(bool allTaken, int cardsLeft, int seconds);
// What a button of the main window says of itself in its balloon.
QString ButtonHint(TButtonKey button);
// A button's key as the keyboard names it: "F2", "Strg+Q".
QString ButtonKeyLabel(TButtonKey button);
// A button's key as assistive technology reads it: "Key: F2", "Taste: Strg+Q".
QString ButtonKeyText(TButtonKey button);
