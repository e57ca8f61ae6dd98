#include "scores/GameReview.h"

#include "game/CardCode.h"
#include "game/GameRecord.h"

#include <algorithm>
#include <charconv>
#include <sstream>

bool TGameReview::Begun() const
{
  return Seconds > 0 || !Sets.empty() || Hints > 0 || Mixes > 0;
}

std::vector<int> TGameReview::SetSeconds() const
{
  std::vector<int> seconds;
  int before = 0;
  for (const TSetTaken& set : Sets) {
    seconds.push_back(std::max(0, set.Second - before));
    before = set.Second;
  }
  return seconds;
}

double TGameReview::AverageSeconds() const
{
  return Sets.empty() ? 0.0 : static_cast<double>(Seconds) / static_cast<double>(Sets.size());
}

std::optional<int> TGameReview::SplitAt(int sets) const
{
  if (sets < 1 || static_cast<std::size_t>(sets) > Sets.size())
    return std::nullopt;
  return Sets[static_cast<std::size_t>(sets) - 1].Second;
}

std::optional<std::size_t> TGameReview::Slowest() const
{
  const std::vector<int> seconds = SetSeconds();
  if (seconds.empty())
    return std::nullopt;
  return static_cast<std::size_t>(std::max_element(seconds.begin(), seconds.end()) - seconds.begin());
}

int TGameReview::BreakEvenSeconds() const
{
  // Without a SET: the middle of what a SET pays with the detector on.
  if (Sets.empty())
    return (SetPoints({ 1, 2, 3 }, true) + SetPoints({ 1, 41, 81 }, true)) / 2 / PointsPerSecond();
  std::int64_t points = 0;
  for (const TSetTaken& set : Sets)
    points += SetPoints(set.Cards, set.DetectorOn);
  return static_cast<int>(points / static_cast<std::int64_t>(Sets.size()) / PointsPerSecond());
}

std::int32_t SetPoints(const std::array<int, 3>& cards, bool detectorOn)
{
  std::array<std::int32_t, 4> match {};
  ComputeMatch(cards[0], cards[1], cards[2], match);
  int bonus = 0;
  for (const std::int32_t m : match)
    bonus += m;
  TGameRecord record;
  record.TimeTicks = 0;
  record.TakenCount = 3;
  record.BonusSum = detectorOn ? bonus : 2 * bonus;
  return ComputeScore(record);
}

std::int32_t PointsPerSecond()
{
  TGameRecord record;
  record.TimeTicks = 0;
  const std::int32_t none = ComputeScore(record);
  record.TimeTicks = 1;
  return none - ComputeScore(record);
}

// The text: "1 seconds hints mixes pauses score cardsleft ending" and then
// "second:card:card:card:detector" for every SET, separated by blanks.
std::string TGameReview::Encode() const
{
  std::ostringstream out;
  out << 1 << ' ' << Seconds << ' ' << Hints << ' ' << Mixes << ' ' << Pauses << ' ' << Score << ' ' << CardsLeft << ' '
      << static_cast<int>(Ending);
  for (const TSetTaken& set : Sets)
    out << ' ' << set.Second << ':' << set.Cards[0] << ':' << set.Cards[1] << ':' << set.Cards[2] << ':' << (set.DetectorOn ? 1 : 0);
  return out.str();
}

namespace {

// Reads the integers of one field, separated by the given character; none
// when any is missing, not a number or outside [low, high].
std::optional<std::vector<std::int64_t>> Numbers(const std::string& field, char separator, std::size_t count, std::int64_t low, std::int64_t high)
{
  std::vector<std::int64_t> numbers;
  const char* at = field.data();
  const char* end = at + field.size();
  while (numbers.size() < count) {
    std::int64_t value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc() || value < low || value > high)
      return std::nullopt;
    numbers.push_back(value);
    at = next;
    if (numbers.size() < count) {
      if (at == end || *at != separator)
        return std::nullopt;
      ++at;
    }
  }
  if (at != end)
    return std::nullopt;
  return numbers;
}

} // namespace

std::optional<TGameReview> TGameReview::Decode(const std::string& text)
{
  constexpr std::int64_t MaxSeconds = 1'000'000'000;
  std::istringstream in(text);
  std::vector<std::string> fields;
  for (std::string field; in >> field;)
    fields.push_back(field);
  constexpr std::size_t HeadFields = 8;
  if (fields.size() < HeadFields || fields.size() > HeadFields + CardCount / 3 || fields[0] != "1")
    return std::nullopt;
  TGameReview review;
  int* const counts[] = { &review.Seconds, &review.Hints, &review.Mixes, &review.Pauses };
  for (std::size_t i = 0; i < 4; ++i) {
    const auto value = Numbers(fields[1 + i], ' ', 1, 0, MaxSeconds);
    if (!value)
      return std::nullopt;
    *counts[i] = static_cast<int>((*value)[0]);
  }
  const auto score = Numbers(fields[5], ' ', 1, INT32_MIN, INT32_MAX);
  const auto left = Numbers(fields[6], ' ', 1, 0, CardCount);
  const auto ending = Numbers(fields[7], ' ', 1, geRunning, geAbandoned);
  if (!score || !left || !ending)
    return std::nullopt;
  review.Score = static_cast<std::int32_t>((*score)[0]);
  review.CardsLeft = static_cast<int>((*left)[0]);
  review.Ending = static_cast<TGameEnding>((*ending)[0]);
  for (std::size_t i = HeadFields; i < fields.size(); ++i) {
    const auto set = Numbers(fields[i], ':', 5, 0, MaxSeconds);
    if (!set || (*set)[4] > 1)
      return std::nullopt;
    TSetTaken taken { static_cast<int>((*set)[0]), {}, (*set)[4] == 1 };
    for (std::size_t c = 0; c < 3; ++c) {
      if ((*set)[1 + c] < 1 || (*set)[1 + c] > CardCount)
        return std::nullopt;
      taken.Cards[c] = static_cast<int>((*set)[1 + c]);
    }
    review.Sets.push_back(taken);
  }
  return review;
}
