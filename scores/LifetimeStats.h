#pragma once

#include "scores/GameReview.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class TIniText;

// The figures of every game a player has played, kept in section "stats"
// of the settings. Counts stop at the largest 32-bit value instead of
// overflowing; a missing or damaged value reads as 0.
struct TLifetimeStats {
  std::int32_t Played = 0; // games played to their end
  std::int32_t Abandoned = 0; // games left by a new game or the program's end
  std::int32_t Sets = 0; // SETs taken in all games
  std::int32_t Seconds = 0; // the clock of the games played to their end
  std::int32_t Hints = 0;
  std::int32_t Mixes = 0;
  std::int32_t BestScore = 0; // of a game played to its end
  std::int32_t Fastest = 0; // seconds of the fastest game played to its end; 0 none
  std::int32_t BestPace = 0; // tenths of a second per SET, best game; 0 none
  friend bool operator==(const TLifetimeStats&, const TLifetimeStats&) = default;

  void Add(const TGameReview& game);

  // Reads the figures by their keys; a value the lookup does not find is 0.
  static TLifetimeStats Read(const std::function<std::optional<QString>(const QString& key)>& value);
  static TLifetimeStats Read(const TIniText& text);
  void Write(TIniText& text) const;
  // Removes the figures and the last game; the review's check box stays.
  static void Reset(TIniText& text);

  // The keys of the figures and of the last game's account, in the
  // section StoredKey::Stats.
  static QStringList Keys();
};
