#include "scores/GameRecorder.h"

#include "game/CardCode.h"

#include <vector>

void TGameRecorder::Observe(const TGameRecord& record, bool detectorOn)
{
  if (!Last) {
    Last = record;
    return;
  }
  const TGameRecord& last = *Last;
  // A new game starts the record over: the clock, the cards taken and the
  // hints go back, or a finished game runs again.
  const bool newGame = record.TimeTicks < last.TimeTicks || record.TakenCount < last.TakenCount || record.TipCount < last.TipCount
    || (last.GameState == gsOver && record.GameState != gsOver);
  if (newGame) {
    if (Game.Ending == geRunning && Game.Begun()) {
      Game.Ending = geAbandoned;
      Ended = Game;
    }
    Game = TGameReview();
    Last = record;
    return;
  }

  const int ticks = record.TimeTicks - last.TimeTicks;
  if (ticks == 1)
    ++Game.Seconds;
  else if (ticks > 1)
    ++Game.Mixes; // a Mix costs its penalty on the clock at once
  Game.Hints += record.TipCount - last.TipCount;
  if (last.GameState == gsRunning && record.GameState == gsPaused)
    ++Game.Pauses;
  const bool setTaken = record.TakenCount == last.TakenCount + 3;
  if (setTaken)
    NoteSet(record, detectorOn);
  Game.Score = ComputeScore(record);
  Game.CardsLeft = CardCount - record.TakenCount;
  // A game ends with the SET that empties the deck or leaves none.
  if (setTaken && last.GameState != gsOver && record.GameState == gsOver)
    NoteEnd(record);
  Last = record;
}

void TGameRecorder::NoteSet(const TGameRecord& record, bool detectorOn)
{
  // The SET's three slots are the ones dealt again: the cards they held.
  std::vector<int> taken;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      if (Last->Table[col][row] != record.Table[col][row] && Last->Table[col][row] != 0)
        taken.push_back(Last->Table[col][row]);
  TSetTaken set { Game.Seconds, {}, detectorOn };
  if (taken.size() == 3)
    set.Cards = { taken[0], taken[1], taken[2] };
  else // not seen alone (a step missed): the cards stay unknown as the first three
    set.Cards = { 1, 2, 3 };
  Game.Sets.push_back(set);
}

void TGameRecorder::NoteEnd(const TGameRecord& record)
{
  Game.Ending = record.TakenCount == CardCount ? geWon : geNoMoreSet;
  Ended = Game;
}

std::optional<TGameReview> TGameRecorder::TakeEnded()
{
  std::optional<TGameReview> ended = std::move(Ended);
  Ended.reset();
  return ended;
}

std::optional<TGameReview> TGameRecorder::Abandon()
{
  if (Game.Ending != geRunning || !Game.Begun())
    return std::nullopt;
  Game.Ending = geAbandoned;
  return Game;
}
