#pragma once

#include <cstdint>
#include <optional>

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

// What the game draws from: the one generator, or, for a deal played
// again, a generator of its own that stands where that deal began; the one
// generator does not move meanwhile, so the games after it are dealt as if
// the replay had never been.
class TDealSource final : public TRandom {
public:
  explicit TDealSource(TPcgRandom& main)
    : Main(main)
  {
  }
  int Below(int n) override { return Replay ? Replay->Below(n) : Main.Below(n); }
  std::uint64_t Position() const { return Replay ? Replay->Position() : Main.Position(); }

  // The replay's generator, or none for the one generator.
  std::optional<TPcgRandom> Replay;

private:
  TPcgRandom& Main;
};
