#pragma once

#include "toolkit/BitmapList.h"

// The main window's bitmap list: digits, background sheet, fill patterns
// and the faces of the game buttons.
constexpr int BmpsCount = 19;

TBitmapList LoadBmps();
