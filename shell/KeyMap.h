#pragma once

#include "game/GameRecord.h"

#include <optional>

// The keys of the main window. Cards are taken by the position of a key on
// the keyboard, so that every layout has the same block: the row of 1 2 3 4,
// then Q W E R, A S D F and Z X C V as they lie on a US keyboard, each row
// one row of the table. The buttons take letters and function keys.

// The slot of a card key: by the key's scan code where the platform gives
// one (X11 and Wayland: the evdev code + 8), else by the key on a US layout.
std::optional<TSlot> CardKeySlot(int key, unsigned scanCode);

enum TButtonKey { bkNone, bkMix, bkStart, bkPause, bkHighScore, bkTip, bkOptions, bkInfo, bkRules, bkExit, bkPractice, bkDeals };

// The button a key press stands for; modifiers as Qt gives them.
TButtonKey ButtonKey(int key, int modifiers);

// The arrows move the keyboard's frame by a column or a row.
struct TFrameStep {
  int Columns = 0;
  int Rows = 0;
};
std::optional<TFrameStep> FrameStep(int key);

// The keys that pick or drop the card in the keyboard's frame.
bool IsPickKey(int key);

// The key named in a button's accessible description: "F2", "Ctrl+Q" ...
const char* ButtonKeyName(TButtonKey button);
