#pragma once

#include "game/GameHost.h"
#include "shell/KeyMap.h"

#include <QString>

#include <cstdint>

class QLabel;

// The texts of the main window and of the game played in it, in the
// language in use.

// The game's own messages.
QString GameMessageText(TGameMessage message);
// A practice game's end: all cards taken, or no SET left with cards still
// in play; and the time it took.
QString PracticeOverText(bool allTaken, int cardsLeft, int seconds);
// A game's deal code as the windows show it: "Deal 63YVM-6W1AZ-T7TF".
QString DealLine(std::uint64_t deal);
// Makes a label show its text as plain text that can be selected and
// copied, with the mouse or the keys.
void MakeCopyable(QLabel* label);
// What a button of the main window says of itself in its balloon.
QString ButtonHint(TButtonKey button);
// A button's key as the keyboard names it: "F2", "Strg+Q".
QString ButtonKeyLabel(TButtonKey button);
// A button's key as assistive technology reads it: "Key: F2", "Taste: Strg+Q".
QString ButtonKeyText(TButtonKey button);
