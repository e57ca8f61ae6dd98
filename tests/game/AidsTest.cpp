#include "tests/game/GameFixture.h"

namespace {

// Set-free table with two SETs put in: positions 0, 1, 2 and 14, 3, 5.
std::array<int, 16> TableWithTwoSets()
{
  auto cards = SetFreeCards();
  cards[2] = ThirdCard(cards[0], cards[1]);
  cards[5] = ThirdCard(cards[14], cards[3]);
  return cards;
}

TEST_F(TGameTest, HintSearchCyclesFromItsThreeRandomOffsets)
{
  struct TCase {
    std::deque<int> Offsets;
    TCalls Shown;
  };
  const TCase cases[] = {
    // (14, 3, 3) is skipped, (14, 3, 4) is no SET, (14, 3, 5) is.
    { { 14, 3, 3 }, { "RedrawSlot 2 3", "RedrawSlot 3 0", "RedrawSlot 1 1" } },
    { { 3, 14, 3 }, { "RedrawSlot 3 0", "RedrawSlot 2 3", "RedrawSlot 1 1" } },
    { { 0, 0, 0 }, { "RedrawSlot 0 0", "RedrawSlot 1 0", "RedrawSlot 2 0" } },
    // The inner loop wraps from 15 to 0 before it reaches 5.
    { { 14, 3, 6 }, { "RedrawSlot 2 3", "RedrawSlot 3 0", "RedrawSlot 1 1" } },
  };
  for (const TCase& c : cases) {
    LayTable(TableWithTwoSets());
    const int score = Game.ComputeScore();
    Random.Script = c.Offsets;
    Game.TipBtnMouseDown();
    TCalls expected = c.Shown;
    expected.push_back("DrawScore");
    EXPECT_EQ(Host.Take(), expected);
    EXPECT_EQ(Game.ComputeScore(), score - 167);
    EXPECT_EQ(Rec.TipCount, 1);
    EXPECT_EQ(Rec.PickCount, 0);
    EXPECT_TRUE(Rec.ClockRunning);

    Game.TipBtnMouseUp();
    EXPECT_EQ(Host.Take().size(), 3U);
    EXPECT_EQ(Rec.PickCount, 0);
    for (const auto& column : Rec.Picked)
      for (const bool picked : column)
        EXPECT_FALSE(picked);
  }
}

TEST_F(TGameTest, HintDropsThePlayersOwnPicksFirst)
{
  LayTable(TableWithTwoSets());
  Press(4);
  Press(7);
  Host.Take();
  Random.Script = { 0, 0, 0 };
  Game.TipBtnMouseDown();
  const TCalls calls = Host.Take();
  ASSERT_GE(calls.size(), 2U);
  EXPECT_EQ(TCalls(calls.begin(), calls.begin() + 2), (TCalls { "RedrawSlot 0 1", "RedrawSlot 3 1" }));
  EXPECT_FALSE(Rec.Picked[0][1]);
  EXPECT_TRUE(Rec.Picked[0][0]);
}

TEST_F(TGameTest, HintWithoutASetOffersToMix)
{
  struct TCase {
    int Answer;
    int DeckCount;
    bool Mixed;
  };
  for (const TCase c : { TCase { mrNo, 40, false }, TCase { mrYes, 16, false }, TCase { mrYes, 17, true } }) {
    LayTable(SetFreeCards(), c.DeckCount);
    Host.Answers = { c.Answer };
    const int ticks = Rec.TimeTicks;
    Game.TipBtnMouseDown();
    const TCalls calls = Host.Take();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "ShowText 11 no SET on the table");
    EXPECT_EQ(Rec.TipCount, 0);
    EXPECT_TRUE(Rec.ClockRunning);
    EXPECT_EQ(Rec.TimeTicks, c.Mixed ? ticks + 100 : ticks);
  }
}

TEST_F(TGameTest, HintIsIgnoredWhilePausedButTheReleaseDropsPicks)
{
  LayTable(TableWithTwoSets());
  Press(4);
  Game.PauseBtnClick();
  Host.Take();
  Game.TipBtnMouseDown();
  EXPECT_TRUE(Host.Take().empty());
  Game.TipBtnMouseUp();
  EXPECT_EQ(Host.Take(), TCalls { "RedrawSlot 0 1" });
  EXPECT_EQ(Rec.PickCount, 0);
}

TEST_F(TGameTest, DetectorFollowsThePointerWhileTwoCardsArePicked)
{
  auto cards = TableWithTwoSets();
  cards[6] = 0;
  LayTable(cards);
  Game.MouseMove(Slot(2));
  Press(0);
  Game.MouseMove(Slot(2));
  EXPECT_EQ(Host.Take(), (TCalls { "ClearDetector", "PlayEffect 5", "RedrawSlot 0 0" })); // one pick: silent
  Press(1);
  Host.Take();

  struct TStep {
    std::optional<TSlot> Pointer;
    TCalls Calls;
    int HoverCol;
  };
  const TStep steps[] = {
    { Slot(2), { "PlayEffect 7", "ClearDetector", "ShowDetector" }, 2 },
    { Slot(2), {}, 2 },                                   // same card: no second sound
    { Slot(6), {}, 2 },                                   // empty slot: panel stays
    { Slot(4), { "ClearDetector", "ShowDetector" }, 0 },  // no SET: no sound
    { Slot(0), { "ClearDetector" }, -1 },                 // a picked card clears
    { std::nullopt, {}, -1 },                             // off the grid, nothing shown
    { Slot(2), { "PlayEffect 7", "ClearDetector", "ShowDetector" }, 2 },
    { std::nullopt, { "ClearDetector" }, -1 },
  };
  for (const TStep& step : steps) {
    Game.MouseMove(step.Pointer);
    EXPECT_EQ(Host.Take(), step.Calls);
    EXPECT_EQ(Rec.HoverCol, step.HoverCol);
  }
  Game.MouseMove(Slot(2));
  EXPECT_EQ(Rec.AttrMatch, (std::array<std::int32_t, 4> { 2, 1, 1, 1 }));
  Game.MouseMove(Slot(4));
  EXPECT_EQ(Rec.AttrMatch, (std::array<std::int32_t, 4> { 0, 1, 1, 0 })); // colours 0, 1, 0; fills 0, 0, 1

  Host.Detector = false;
  Host.Take();
  Game.MouseMove(Slot(2));
  EXPECT_EQ(Host.Take(), (TCalls { "ClearDetector", "ShowDetector" }));

  // Pressing a card resets the hover, so the same card sounds again.
  Host.Detector = true;
  Press(4);
  Press(4);
  Host.Take();
  Game.MouseMove(Slot(2));
  EXPECT_EQ(Host.Take().front(), "PlayEffect 7");
}

} // namespace
