#pragma once

#include "game/GameHost.h"

#include <QString>

struct TShellState;

// The game's own messages in the player's language.
QString GameMessageText(TGameMessage message, const TShellState& state);
