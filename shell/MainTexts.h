#pragma once

#include "game/GameHost.h"
#include "shell/KeyMap.h"

#include <QString>

// The texts of the main window and of the game played in it, in the
// language in use.

// The game's own messages.
QString GameMessageText(TGameMessage message);
// What a button of the main window says of itself in its balloon.
QString ButtonHint(TButtonKey button);
// A button's key as assistive technology reads it: "Key: F2", "Taste: Strg+Q".
QString ButtonKeyText(TButtonKey button);
