#pragma once

#include "game/GameRecord.h"

#include <array>
#include <optional>

// The first SET on the table, walking the slots column by column. Used by the
// tests' players and the benchmarks; the game itself has its own searches.
std::optional<std::array<TSlot, 3>> FirstSetOnTable(const TGameRecord& rec);
// How many SETs lie on the table (a practice game shows it).
int SetsOnTable(const TGameRecord& rec);
