#include "game/Random.h"

#include <chrono>

namespace {
constexpr std::uint64_t Multiplier = 6364136223846793005ULL;
constexpr std::uint64_t Increment = 1442695040888963407ULL;
}

TPcgRandom::TPcgRandom(std::uint64_t seed)
{
  Next();
  State += seed;
  Next();
}

std::uint32_t TPcgRandom::Next()
{
  const std::uint64_t old = State;
  State = old * Multiplier + Increment;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
  const auto rot = static_cast<std::uint32_t>(old >> 59U);
  return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

int TPcgRandom::Below(int n)
{
  // Lemire's multiply-and-shift; the rare retry removes the bias.
  const auto bound = static_cast<std::uint32_t>(n);
  std::uint64_t m = static_cast<std::uint64_t>(Next()) * bound;
  auto low = static_cast<std::uint32_t>(m);
  if (low < bound) {
    const std::uint32_t threshold = (0U - bound) % bound;
    while (low < threshold) {
      m = static_cast<std::uint64_t>(Next()) * bound;
      low = static_cast<std::uint32_t>(m);
    }
  }
  return static_cast<int>(m >> 32U);
}

TPcgRandom TPcgRandom::AtPosition(std::uint64_t position)
{
  TPcgRandom random(0);
  random.State = position;
  return random;
}

std::uint64_t TPcgRandom::ClockSeed()
{
  return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
