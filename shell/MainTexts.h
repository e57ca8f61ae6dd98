#pragma once

#include "game/GameHost.h"
#include "shell/KeyMap.h"

#include <QString>

struct TShellState;

// The texts of the main window and of the game played in it, in the
// player's language.

// The game's own messages.
QString GameMessageText(TGameMessage message, const TShellState& state);
// What a button of the main window says of itself in its balloon.
QString ButtonHint(TButtonKey button, const TShellState& state);
// A button's key as assistive technology reads it: "Key: F2", "Taste: Strg+Q".
QString ButtonKeyText(TButtonKey button, const TShellState& state);
