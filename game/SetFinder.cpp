#include "game/SetFinder.h"

#include "game/CardCode.h"

namespace {

// Calls found(i, j, k) for every SET on the table, in the order of the
// slots column by column, until it returns true.
template <typename TFound> void ForEachSet(const TGameRecord& rec, TFound found)
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
        if (card(slots[k]) == third && found(slots[i], slots[j], slots[k]))
          return;
    }
}

} // namespace

std::optional<std::array<TSlot, 3>> FirstSetOnTable(const TGameRecord& rec)
{
  std::optional<std::array<TSlot, 3>> first;
  ForEachSet(rec, [&first](TSlot a, TSlot b, TSlot c) {
    first = std::array<TSlot, 3> { a, b, c };
    return true;
  });
  return first;
}

int SetsOnTable(const TGameRecord& rec)
{
  int sets = 0;
  ForEachSet(rec, [&sets](TSlot, TSlot, TSlot) {
    ++sets;
    return false;
  });
  return sets;
}
