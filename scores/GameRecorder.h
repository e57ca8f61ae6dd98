#pragma once

#include "game/GameRecord.h"
#include "scores/GameReview.h"

#include <optional>

// Keeps the account of the game being played by looking at its record after
// every step the window hands the game (a pick, a button, a tick) and noting
// what changed: a second on the clock, a SET taken and its cards, a hint, a
// Mix, a pause, the end. It changes nothing of the game.
class TGameRecorder {
public:
  void Observe(const TGameRecord& record, bool detectorOn);

  // The game so far.
  const TGameReview& Current() const { return Game; }
  // A game that has ended (to its end, or abandoned by a new game) since
  // the last call; each one once.
  std::optional<TGameReview> TakeEnded();
  // The running game, ended as abandoned if it was begun; at the program's
  // end. Afterwards it counts no more.
  std::optional<TGameReview> Abandon();

private:
  void NoteSet(const TGameRecord& record, bool detectorOn);
  void NoteEnd(const TGameRecord& record);

  std::optional<TGameRecord> Last;
  TGameReview Game;
  std::optional<TGameReview> Ended;
};
