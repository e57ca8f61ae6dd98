#pragma once

#include "scores/GameReview.h"
#include "scores/LifetimeStats.h"

#include <optional>

class TIniCtrl;
class TIniText;

// The figures of the games played, kept in the settings. A game's account
// is added when the game ends, to the figures as stored at that moment and
// under the settings lock, so that two copies of the program running at
// once each add their own games.
class TStatsStore {
public:
  explicit TStatsStore(TIniCtrl& ini);

  // Adds an ended game; one played to its end becomes the last game.
  void Add(const TGameReview& game);
  // A game that counts in no lifetime figure (its deal was played before):
  // played to its end, it becomes the last game.
  void KeepLast(const TGameReview& game);
  TLifetimeStats Lifetime() const;
  // The last game played to its end, if its account reads.
  std::optional<TGameReview> LastGame() const;
  void Reset();

  // Whether the review shows after every game.
  bool ShowReview() const;
  void SetShowReview(bool show);

private:
  static void SetLastGame(TIniText& text, const TGameReview& game);

  TIniCtrl& Ini;
};
