// The two aids of the game: the hint shown while the Tip button is held, and
// the SET detector that follows the pointer while two cards are picked.
#include "CardCode.h"
#include "Game.h"
#include "Random.h"

namespace {
constexpr int Positions = 16;
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
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row)
      if (Rec.Picked[col][row]) {
        Rec.Picked[col][row] = false;
        Host.RedrawSlot(col, row);
      }
  Rec.PickCount = 0;

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
  if (Host.ShowText(mcOwnQuestion, Text("Kein SET in der Auslage. Neu mischen?", "No SET in the deck. Shall I mix up the deck?")) == mrYes)
    MixBtnClick();
}

void TGame::TipBtnMouseUp()
{
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row)
      if (Rec.Picked[col][row]) {
        Rec.Picked[col][row] = false;
        Host.RedrawSlot(col, row);
      }
  Rec.PickCount = 0;
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

  std::array<int, 2> picked {};
  int found = 0;
  for (int c = 0; c < 4 && found < 2; ++c)
    for (int r = 0; r < 4 && found < 2; ++r)
      if (Rec.Picked[c][r])
        picked[found++] = Rec.Table[c][r];
  Rec.AttrMatch = {};
  if (ComputeMatch(picked[0], picked[1], Rec.Table[col][row], Rec.AttrMatch) && Host.DetectorOn())
    Host.PlayEffect(efDetectorSet);
  Host.ClearDetector();
  Host.ShowDetector();
  Rec.HoverCol = col;
  Rec.HoverRow = row;
}
