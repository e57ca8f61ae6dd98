#include "game/Game.h"

#include "game/CardCode.h"
#include "game/Random.h"

#include <algorithm>

namespace {
constexpr int StartTicks = -11;
constexpr int MixPenaltyTicks = 100;
constexpr int MixNeedsMoreThan = 16;
} // namespace

TGame::TGame(TGameHost& host, TRandom& random)
  : Host(host)
  , Random(random)
{
}

void TGame::Shuffle(int count)
{
  for (int swap = 0; swap < ShuffleSwaps; ++swap) {
    const int i = 1 + Random.Below(count);
    const int j = 1 + Random.Below(count);
    std::swap(Rec.Deck[i], Rec.Deck[j]);
  }
}

void TGame::NewGame()
{
  for (int i = 1; i <= CardCount; ++i)
    Rec.Deck[i] = i;
  Shuffle(CardCount);
  Rec.TimeTicks = StartTicks;
  Rec.DeckCount = CardCount;
  Rec.TakenCount = 0;
  Rec.BonusSum = 0;
  Rec.TipCount = 0;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      DealSlot(col, row);
  // Hint marks do not count in PickCount; start clean whatever was shown.
  Rec.PickCount = 0;
  Rec.GameState = gsRunning;
  Rec.ClockRunning = false;
  Rec.HoverCol = -1;
  Rec.HoverRow = -1;
}

void TGame::DealSlot(int col, int row)
{
  Rec.Table[col][row] = 0;
  if (Rec.Picked[col][row]) {
    Rec.Picked[col][row] = false;
    --Rec.PickCount;
  }
  if (Rec.DeckCount > 0) {
    Rec.Table[col][row] = Rec.Deck[Rec.DeckCount];
    --Rec.DeckCount;
    Host.DrawScore();
  }
}

bool TGame::PickedFormSet()
{
  if (Rec.PickCount < 3)
    return false;
  Rec.AttrMatch = {};
  const std::array<TSlot, 3> slots = PickedSlots().Slots;
  const auto card = [&](std::size_t i) { return Rec.Table[slots[i].Col][slots[i].Row]; };
  return ComputeMatch(card(0), card(1), card(2), Rec.AttrMatch);
}

bool TGame::TableHasSet() const
{
  // Only the answer matters, so look for the completing third card of each
  // pair instead of walking all ordered triples.
  std::array<bool, CardCount + 1> onTable {};
  std::array<int, SlotCount> cards {};
  int count = 0;
  for (int p = 0; p < SlotCount; ++p) {
    const TSlot s = SlotOfPosition(p);
    const int card = Rec.Table[s.Col][s.Row];
    if (card != 0) {
      onTable[card] = true;
      cards[count++] = card;
    }
  }
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j)
      if (onTable[ThirdCard(cards[i], cards[j])])
        return true;
  return false;
}

std::int32_t TGame::ComputeScore() const
{
  return ::ComputeScore(Rec);
}

TGame::TPicked TGame::PickedSlots() const
{
  TPicked picked;
  for (int col = 0; col < GridSize && picked.Count < 3; ++col)
    for (int row = 0; row < GridSize && picked.Count < 3; ++row)
      if (Rec.Picked[col][row])
        picked.Slots[static_cast<std::size_t>(picked.Count++)] = TSlot { col, row };
  return picked;
}

void TGame::DropPicks()
{
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      if (Rec.Picked[col][row]) {
        Rec.Picked[col][row] = false;
        Host.RedrawSlot(col, row);
      }
  Rec.PickCount = 0;
}

void TGame::ResetHover()
{
  Rec.HoverCol = -1;
  Rec.HoverRow = -1;
}

void TGame::MouseDown(std::optional<TSlot> slot)
{
  if (Rec.GameState == gsPaused) {
    Rec.GameState = gsRunning;
    Host.RepaintBoard();
    return;
  }
  if (Rec.GameState == gsOver)
    return;
  Rec.ClockRunning = true;
  if (!slot || Rec.Table[slot->Col][slot->Row] == 0)
    return;

  const int col = slot->Col;
  const int row = slot->Row;
  ResetHover();
  Host.ClearDetector();
  if (Rec.Picked[col][row])
    --Rec.PickCount;
  else if (Rec.PickCount == 3)
    return;
  else
    ++Rec.PickCount;

  Rec.Picked[col][row] = !Rec.Picked[col][row];
  Host.PlayEffect(Rec.Picked[col][row] ? efPick : efUnpick);
  Host.RedrawSlot(col, row);

  if (Rec.PickCount == 3) {
    if (PickedFormSet())
      TakeSet();
    else
      Host.PlayEffect(efNotASet);
  }
}

void TGame::TakeSet()
{
  const std::array<TSlot, 3> slots = PickedSlots().Slots;
  for (const TSlot& s : slots) {
    DealSlot(s.Col, s.Row);
    Host.RedrawSlot(s.Col, s.Row);
  }
  Rec.TakenCount += 3;
  int bonus = 0;
  for (const std::int32_t match : Rec.AttrMatch)
    bonus += match;
  Rec.BonusSum += Host.DetectorOn() ? bonus : 2 * bonus;
  Host.DrawScore();

  if (Rec.TakenCount == CardCount) {
    Rec.GameState = gsOver;
    Host.PlayEffect(efGameWon);
    Host.ShowCode(mcGameWon);
    EndOfGame();
  } else if (TableHasSet()) {
    Host.PlayEffect(efSetTaken);
  } else {
    Rec.GameState = gsOver;
    Host.PlayEffect(efGameOver);
    Host.ShowText(mcOwnText, gmNoMoreSet);
    EndOfGame();
  }
}

void TGame::EndOfGame()
{
  const std::int32_t score = ComputeScore();
  if (score > 0)
    Host.EnterHighScore(score);
}

void TGame::Timer1Timer()
{
  if (Rec.GameState == gsRunning && Rec.ClockRunning) {
    ++Rec.TimeTicks;
    Host.DrawScore();
  }
}

void TGame::MixBtnClick()
{
  if (Rec.GameState != gsRunning || Rec.DeckCount <= MixNeedsMoreThan)
    return;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      if (Rec.Table[col][row] != 0) {
        ++Rec.DeckCount;
        Rec.Deck[Rec.DeckCount] = Rec.Table[col][row];
        Rec.Table[col][row] = 0;
        Rec.Picked[col][row] = false;
        Host.RedrawSlot(col, row);
      }
  Rec.PickCount = 0;
  Shuffle(Rec.DeckCount);
  Rec.TimeTicks += MixPenaltyTicks;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row) {
      DealSlot(col, row);
      Host.RedrawSlot(col, row);
    }
  Host.DrawScore();
  Host.ClearDetector();
  ResetHover();
}

void TGame::PauseBtnClick()
{
  if (Rec.GameState == gsOver)
    return;
  Rec.GameState = Rec.GameState == gsRunning ? gsPaused : gsRunning;
  Host.RepaintBoard();
}

void TGame::StartBtnClick()
{
  if (Rec.GameState == gsPaused)
    return;
  if (Rec.GameState == gsRunning && Host.ShowCode(mcGiveUpGame) == mrNo)
    return;
  NewGame();
  Host.RepaintBoard();
}
