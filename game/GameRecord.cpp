#include "game/GameRecord.h"

#include <algorithm>
#include <limits>

namespace {
constexpr int PointsPerCard = 9;
constexpr int PointsPerBonus = 13;
constexpr int PointsPerTip = 167;
constexpr int PointsPerTick = 3;
} // namespace

std::int32_t ComputeScore(const TGameRecord& rec)
{
  const std::int64_t score = std::int64_t { PointsPerCard } * rec.TakenCount
    + std::int64_t { PointsPerBonus } * rec.BonusSum - std::int64_t { PointsPerTip } * rec.TipCount
    - std::int64_t { PointsPerTick } * rec.TimeTicks;
  // Saturate instead of wrapping on absurdly long games.
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
    score, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
