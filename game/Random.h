#pragma once

#include <cstdint>

// The game's one source of randomness; tests hand in a seeded or scripted one.
class TRandom {
public:
  virtual ~TRandom() = default;
  // A uniform integer in 0..n-1, n >= 1.
  virtual int Below(int n) = 0;
};

// PCG32 (XSH-RR) with an unbiased bounded draw.
class TPcgRandom final : public TRandom {
public:
  explicit TPcgRandom(std::uint64_t seed);
  int Below(int n) override;
  std::uint32_t Next();
  // Where the generator stands: its whole state, which a generator seeded
  // with nothing else would go on from.
  std::uint64_t Position() const { return State; }

  static std::uint64_t ClockSeed();
  // A generator that stands exactly where another stood (its Position):
  // it draws what that one drew from there.
  static TPcgRandom AtPosition(std::uint64_t position);

private:
  std::uint64_t State = 0;
};
