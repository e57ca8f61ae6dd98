#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How a game ended: still running, all 81 cards taken, no SET left on the
// table, or left by a new game or the program's end before that.
enum TGameEnding : int { geRunning = 0, geWon = 1, geNoMoreSet = 2, geAbandoned = 3 };

// One SET taken: when (seconds on the game's clock, the Mix penalty left
// out), its three cards, and whether the detector was on.
struct TSetTaken {
  int Second = 0;
  std::array<int, 3> Cards {};
  bool DetectorOn = false;
  friend bool operator==(const TSetTaken&, const TSetTaken&) = default;
};

// The account of one game, and the figures the review shows of it.
struct TGameReview {
  std::vector<TSetTaken> Sets;
  int Seconds = 0; // the clock's seconds of play
  int Hints = 0;
  int Mixes = 0;
  int Pauses = 0;
  std::int32_t Score = 0;
  int CardsLeft = 81; // in the deck and on the table
  TGameEnding Ending = geRunning;
  // Where the random generator stood when the game was dealt, when known,
  // and whether that deal had been played before. Kept beside the account
  // in the settings, not in its line.
  std::optional<std::uint64_t> Deal;
  bool Replayed = false;
  friend bool operator==(const TGameReview&, const TGameReview&) = default;

  // Whether the player did anything that counts: a second, a SET, a hint,
  // a Mix. A game left untouched is no game abandoned.
  bool Begun() const;
  bool Finished() const { return Ending == geWon || Ending == geNoMoreSet; }

  // The seconds each SET took since the one before (the first since the
  // clock started).
  std::vector<int> SetSeconds() const;
  // Seconds per SET over the whole game; 0 without a SET.
  double AverageSeconds() const;
  // The clock when the n-th SET was taken, if it was.
  std::optional<int> SplitAt(int sets) const;
  // The SET that took longest (the first of equals).
  std::optional<std::size_t> Slowest() const;
  // The seconds after which searching for a SET costs more points than the
  // SET pays, over this game's SETs (or the typical SET, without any).
  int BreakEvenSeconds() const;

  // A line of text for the settings file, and back; a damaged text reads
  // as nothing.
  std::string Encode() const;
  static std::optional<TGameReview> Decode(const std::string& text);
};

// The points a SET of these cards pays, and the points a second costs, by
// the game's own score.
std::int32_t SetPoints(const std::array<int, 3>& cards, bool detectorOn);
std::int32_t PointsPerSecond();
