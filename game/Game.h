#pragma once

#include "game/GameHost.h"
#include "game/GameRecord.h"

#include <cstdint>
#include <optional>

class TRandom;

// One game of Trivolo: the record and every rule that changes it. What the
// player sees and hears goes out through TGameHost.
class TGame {
public:
  TGame(TGameHost& host, TRandom& random);

  const TGameRecord& Record() const { return Rec; }
  TGameRecord& Record() { return Rec; }

  void NewGame();
  void DealSlot(int col, int row);
  bool PickedFormSet();
  bool TableHasSet() const;
  std::int32_t ComputeScore() const;

  // Board events; the slot is empty when the pointer is outside the grid.
  void MouseDown(std::optional<TSlot> slot);
  void MouseMove(std::optional<TSlot> slot);

  void StartBtnClick();
  void MixBtnClick();
  void PauseBtnClick();
  void TipBtnMouseDown();
  void TipBtnMouseUp();
  void Timer1Timer();

  static constexpr int ShuffleSwaps = 10000;

private:
  // The picked slots, up to three, column by column.
  struct TPicked {
    std::array<TSlot, 3> Slots {};
    int Count = 0;
  };
  TPicked PickedSlots() const;
  // Drops every pick and redraws the slots that were picked.
  void DropPicks();
  void Shuffle(int count);
  void TakeSet();
  void EndOfGame();
  void ResetHover();
  std::optional<std::array<int, 3>> SearchHint(int a, int b, int c) const;

  TGameHost& Host;
  TRandom& Random;
  TGameRecord Rec;
};
