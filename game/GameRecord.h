#pragma once

#include <array>
#include <cstdint>

enum TGameState : std::uint8_t { gsRunning = 0, gsPaused = 1, gsOver = 2 };

// The table is a square of GridSize columns and rows.
constexpr int GridSize = 4;
constexpr int SlotCount = GridSize * GridSize;

// The whole state of one game. Table and Picked are indexed [column][row];
// Deck uses positions 1..81 and its top card sits at position DeckCount.
struct TGameRecord {
  std::array<std::int32_t, 82> Deck {};
  std::int32_t DeckCount = 0;
  std::array<std::array<std::int32_t, GridSize>, GridSize> Table {};
  std::array<std::array<bool, GridSize>, GridSize> Picked {};
  std::int32_t PickCount = 0;
  std::int32_t TakenCount = 0;
  std::int32_t BonusSum = 0;
  std::int32_t TipCount = 0;
  std::int32_t TimeTicks = -11;
  TGameState GameState = gsRunning;
  bool ClockRunning = false;
  std::int32_t HoverCol = -1;
  std::int32_t HoverRow = -1;
  // Colour, shape, number, fill: 0 neither, 1 all alike, 2 all different.
  std::array<std::int32_t, 4> AttrMatch {};
};

struct TSlot {
  int Col = 0;
  int Row = 0;
  friend bool operator==(const TSlot&, const TSlot&) = default;
};

// Slot positions 0..15 of the SET searches run along the rows.
constexpr TSlot SlotOfPosition(int p) { return TSlot { p % GridSize, p / GridSize }; }

// The score: 9 per card taken and 13 per bonus point, less 167 per hint and
// 3 per second; saturated at the 32-bit limits.
std::int32_t ComputeScore(const TGameRecord& record);
