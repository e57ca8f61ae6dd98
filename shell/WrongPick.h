#pragma once

#include "game/GameRecord.h"

#include <QString>

#include <array>
#include <optional>

// Why three picked cards are no SET: remembered when the game refuses them
// with the SET detector on, and valid while exactly those three stay picked
// in a running game. The shell draws it in the detector's strip and tells
// screen readers; the game itself knows nothing of it.
class TWrongPick {
public:
  // The game has just refused the three picked cards.
  void Noticed(const TGameRecord& record);
  // Whether the remembered three are exactly the ones picked now.
  bool Holds(const TGameRecord& record) const;
  bool Remembered() const { return Slots.has_value(); }
  void Forget() { Slots.reset(); }
  // Colour, shape, number, fill: 0 two alike and one different, 1 all
  // alike, 2 all different.
  const std::array<std::int32_t, 4>& Match() const { return Verdict; }

  // What a screen reader says of it: the attributes that are neither all
  // alike nor all different.
  static QString Said(const std::array<std::int32_t, 4>& match);

private:
  std::optional<std::array<TSlot, 3>> Slots;
  std::array<std::int32_t, 4> Verdict {};
};
