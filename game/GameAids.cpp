// The two aids of the game: the hint shown while the Tip button is held, and
// the SET detector that follows the pointer while two cards are picked.
#include "game/CardCode.h"
#include "game/Game.h"
#include "game/Random.h"

namespace {
constexpr int Positions = SlotCount;
}

std::optional<std::array<int, 3>> TGame::SearchHint(int a, int b, int c) const
{
  const auto card = [this](int p) {
    const TSlot s = SlotOfPosition(p);
    return Rec.Table[s.Col][s.Row];
  };
  for (int i = 0; i < Positions; ++i) {
    const int p1 = (a + i) % Positions;
    if (card(p1) == 0)
      continue;
    for (int j = 0; j < Positions; ++j) {
      const int p2 = (b + j) % Positions;
      if (card(p2) == 0)
        continue;
      for (int k = 0; k < Positions; ++k) {
        const int p3 = (c + k) % Positions;
        if (card(p3) == 0 || p1 == p2 || p1 == p3 || p2 == p3)
          continue;
        if (IsSet(card(p1), card(p2), card(p3)))
          return std::array<int, 3> { p1, p2, p3 };
      }
    }
  }
  return std::nullopt;
}

void TGame::TipBtnMouseDown()
{
  if (Rec.GameState != gsRunning)
    return;
  Rec.ClockRunning = true;
  DropPicks();

  const int a = Random.Below(Positions);
  const int b = Random.Below(Positions);
  const int c = Random.Below(Positions);
  if (const auto found = SearchHint(a, b, c)) {
    for (const int p : *found) {
      const TSlot s = SlotOfPosition(p);
      Rec.Picked[s.Col][s.Row] = true;
      Host.RedrawSlot(s.Col, s.Row);
    }
    ++Rec.TipCount;
    Host.DrawScore();
    return;
  }
  if (Host.ShowText(mcOwnQuestion, gmNoSetOnTable) == mrYes)
    MixBtnClick();
}

void TGame::TipBtnMouseUp()
{
  DropPicks();
}

void TGame::MouseMove(std::optional<TSlot> slot)
{
  if (Rec.PickCount != 2 || Rec.GameState != gsRunning)
    return;
  if (!slot) {
    if (Rec.HoverCol != -1 || Rec.HoverRow != -1) {
      Host.ClearDetector();
      ResetHover();
    }
    return;
  }
  const int col = slot->Col;
  const int row = slot->Row;
  if (col == Rec.HoverCol && row == Rec.HoverRow)
    return;
  if (Rec.Table[col][row] == 0)
    return;
  if (Rec.Picked[col][row]) {
    Host.ClearDetector();
    ResetHover();
    return;
  }

  const std::array<TSlot, 3> picked = PickedSlots().Slots;
  Rec.AttrMatch = {};
  if (ComputeMatch(Rec.Table[picked[0].Col][picked[0].Row], Rec.Table[picked[1].Col][picked[1].Row], Rec.Table[col][row],
        Rec.AttrMatch)
    && Host.DetectorOn())
    Host.PlayEffect(efDetectorSet);
  Host.ClearDetector();
  Host.ShowDetector();
  Rec.HoverCol = col;
  Rec.HoverRow = row;
}
