#include "game/SetFinder.h"

#include "game/CardCode.h"

std::optional<std::array<TSlot, 3>> FirstSetOnTable(const TGameRecord& rec)
{
  std::array<TSlot, SlotCount> slots {};
  int count = 0;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      if (rec.Table[col][row] != 0)
        slots[count++] = TSlot { col, row };
  const auto card = [&rec](TSlot s) { return rec.Table[s.Col][s.Row]; };
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j) {
      const int third = ThirdCard(card(slots[i]), card(slots[j]));
      for (int k = j + 1; k < count; ++k)
        if (card(slots[k]) == third)
          return std::array<TSlot, 3> { slots[i], slots[j], slots[k] };
    }
  return std::nullopt;
}
