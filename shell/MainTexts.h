#pragma once

#include "shell/KeyMap.h"

#include <QString>

struct TShellState;

// What a button of the main window says of itself in its balloon.
QString ButtonHint(TButtonKey button, const TShellState& state);
// A button's key as assistive technology reads it: "Key: F2", "Taste: Strg+Q".
QString ButtonKeyText(TButtonKey button, const TShellState& state);
