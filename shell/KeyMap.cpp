#include "shell/KeyMap.h"

#include <Qt>

namespace {

// The first scan code of each row and the keys of the block on a US layout.
constexpr unsigned RowScanCodes[GridSize] = { 10, 24, 38, 52 };
constexpr int RowKeys[GridSize][GridSize] = {
  { Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4 },
  { Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R },
  { Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F },
  { Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V },
};

} // namespace

std::optional<TSlot> CardKeySlot(int key, unsigned scanCode)
{
  for (int row = 0; row < GridSize; ++row) {
    if (scanCode != 0) {
      if (scanCode >= RowScanCodes[row] && scanCode < RowScanCodes[row] + GridSize)
        return TSlot { static_cast<int>(scanCode - RowScanCodes[row]), row };
      continue;
    }
    for (int col = 0; col < GridSize; ++col)
      if (RowKeys[row][col] == key)
        return TSlot { col, row };
  }
  return std::nullopt;
}

namespace {

// Each button's keys, the first of them named for assistive technology.
// A key with Ctrl is written as the modifier's bit or'ed with the key.
constexpr int Ctrl = Qt::ControlModifier;
const struct {
  TButtonKey Button;
  const char* Name;
  int Keys[2];
} ButtonKeys[] = {
  { bkMix, "M", { Qt::Key_M } },
  { bkStart, "F2", { Qt::Key_F2, Ctrl | Qt::Key_N } },
  { bkPause, "P", { Qt::Key_P, Qt::Key_Pause } },
  { bkHighScore, "B", { Qt::Key_B } },
  { bkTip, "H", { Qt::Key_H } },
  { bkOptions, "O", { Qt::Key_O } },
  { bkInfo, "I", { Qt::Key_I } },
  { bkRules, "F1", { Qt::Key_F1 } },
  { bkExit, "Ctrl+Q", { Ctrl | Qt::Key_Q } },
  { bkPractice, "F3", { Qt::Key_F3 } },
  // The deals' button opens its menu; F4 and F5 take its entries at once.
  { bkDeals, "F4, F5", { 0 } },
};

} // namespace

TButtonKey ButtonKey(int key, int modifiers)
{
  // Shift makes no difference; Alt and Meta belong to the desktop.
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
    return bkNone;
  const int combined = key | (modifiers & Ctrl);
  for (const auto& button : ButtonKeys)
    for (const int k : button.Keys)
      if (k != 0 && k == combined)
        return button.Button;
  return bkNone;
}

const char* ButtonKeyName(TButtonKey button)
{
  for (const auto& entry : ButtonKeys)
    if (entry.Button == button)
      return entry.Name;
  return "";
}

bool IsPickKey(int key)
{
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

std::optional<TFrameStep> FrameStep(int key)
{
  switch (key) {
  case Qt::Key_Left:
    return TFrameStep { -1, 0 };
  case Qt::Key_Right:
    return TFrameStep { 1, 0 };
  case Qt::Key_Up:
    return TFrameStep { 0, -1 };
  case Qt::Key_Down:
    return TFrameStep { 0, 1 };
  default:
    return std::nullopt;
  }
}
