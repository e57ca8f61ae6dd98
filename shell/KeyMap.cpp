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

TButtonKey ButtonKey(int key, int modifiers)
{
  const bool control = (modifiers & Qt::ControlModifier) != 0;
  if (control)
    return key == Qt::Key_N ? bkStart : key == Qt::Key_Q ? bkExit : bkNone;
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
    return bkNone;
  switch (key) {
  case Qt::Key_M:
    return bkMix;
  case Qt::Key_F2:
    return bkStart;
  case Qt::Key_P:
  case Qt::Key_Pause:
    return bkPause;
  case Qt::Key_B:
    return bkHighScore;
  case Qt::Key_H:
    return bkTip;
  case Qt::Key_O:
    return bkOptions;
  case Qt::Key_I:
    return bkInfo;
  case Qt::Key_F1:
    return bkRules;
  default:
    return bkNone;
  }
}

const char* ButtonKeyName(TButtonKey button)
{
  switch (button) {
  case bkMix:
    return "M";
  case bkStart:
    return "F2";
  case bkPause:
    return "P";
  case bkHighScore:
    return "B";
  case bkTip:
    return "H";
  case bkOptions:
    return "O";
  case bkInfo:
    return "I";
  case bkRules:
    return "F1";
  case bkExit:
    return "Ctrl+Q";
  case bkNone:
    break;
  }
  return "";
}
