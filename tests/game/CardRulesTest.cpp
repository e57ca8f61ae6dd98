#include "tests/game/GameFixture.h"

#include <set>

namespace {

struct TTripleCase {
  int Cards[3];
  bool Set;
  std::array<std::int32_t, 4> Match; // colour, shape, number, fill
};

TEST(CardRules, MatchValuesOfKnownTriples)
{
  const TTripleCase cases[] = {
    { { 1, 2, 3 }, true, { 2, 1, 1, 1 } },   // only the colour differs
    { { 1, 5, 9 }, true, { 2, 2, 1, 1 } },   // colour and shape differ
    { { 1, 2, 4 }, false, { 0, 0, 1, 1 } },  // colours 0, 1, 0 and shapes 0, 0, 1
    { { 1, 41, 81 }, true, { 2, 2, 2, 2 } }, // all four differ
    // Each attribute alone all different (the code steps colour, shape,
    // fill and number by 1, 3, 9 and 27), and each two alike and one
    // different beside another all different: no two attributes can be
    // taken for each other.
    { { 1, 4, 7 }, true, { 1, 2, 1, 1 } },     // shape
    { { 1, 28, 55 }, true, { 1, 1, 2, 1 } },   // number
    { { 1, 10, 19 }, true, { 1, 1, 1, 2 } },   // fill
    { { 1, 4, 8 }, false, { 0, 2, 1, 1 } },    // colour two alike, shape all different
    { { 1, 28, 58 }, false, { 1, 0, 2, 1 } },  // shape two alike, number all different
    { { 1, 10, 46 }, false, { 1, 1, 0, 2 } },  // number two alike, fill all different
    { { 1, 2, 12 }, false, { 2, 1, 1, 0 } },   // fill two alike, colour all different
  };
  for (const auto& c : cases) {
    std::array<std::int32_t, 4> match {};
    EXPECT_EQ(ComputeMatch(c.Cards[0], c.Cards[1], c.Cards[2], match), c.Set) << c.Cards[0] << "," << c.Cards[1] << "," << c.Cards[2];
    EXPECT_EQ(match, c.Match) << c.Cards[0] << "," << c.Cards[1] << "," << c.Cards[2];
  }
}

TEST(CardRules, ThirdCardAgreesWithTheRuleForEveryPair)
{
  for (int a = 1; a <= CardCount; ++a)
    for (int b = 1; b <= CardCount; ++b)
      for (int c = 1; c <= CardCount; ++c) {
        if (a == b || b == c || a == c)
          continue;
        std::array<std::int32_t, 4> match {};
        ASSERT_EQ(IsSet(a, b, c), ComputeMatch(a, b, c, match)) << a << "," << b << "," << c;
      }
}

TEST_F(TGameTest, NewGameDealsSixteenFromTheTopOfAShuffledDeck)
{
  Game.NewGame();
  EXPECT_EQ(Random.Draws, 2 * TGame::ShuffleSwaps);
  EXPECT_EQ(Rec.DeckCount, 65);
  EXPECT_EQ(Rec.TimeTicks, -11);
  EXPECT_EQ(Rec.TakenCount + Rec.BonusSum + Rec.TipCount + Rec.PickCount, 0);
  EXPECT_EQ(Game.ComputeScore(), 33);
  EXPECT_EQ(Rec.GameState, gsRunning);
  EXPECT_FALSE(Rec.ClockRunning);
  std::multiset<int> all(Rec.Deck.begin() + 1, Rec.Deck.begin() + 66);
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      all.insert(Rec.Table[col][row]);
      EXPECT_FALSE(Rec.Picked[col][row]);
    }
  std::multiset<int> expected;
  for (int code = 1; code <= CardCount; ++code)
    expected.insert(code);
  EXPECT_EQ(all, expected);
  // One score redraw per card dealt, nothing else.
  EXPECT_EQ(Host.Take(), TCalls(16, "DrawScore"));
}

TEST_F(TGameTest, DealingTakesDeckPositionsFromTheTopColumnByColumn)
{
  // Draws of 0 swap position 1 with itself, leaving the deck in order.
  Random.Script.assign(2 * TGame::ShuffleSwaps, 0);
  Game.NewGame();
  EXPECT_EQ(Rec.Table[0][0], 81);
  EXPECT_EQ(Rec.Table[0][1], 80);
  EXPECT_EQ(Rec.Table[1][0], 77);
  EXPECT_EQ(Rec.Table[3][3], 66);
}

TEST_F(TGameTest, DealSlotOnAnEmptyDeckLeavesTheSlotEmptyAndUnpicked)
{
  Game.NewGame();
  Rec.DeckCount = 0;
  Rec.Picked[2][1] = true;
  Rec.PickCount = 1;
  Host.Take();
  Game.DealSlot(2, 1);
  EXPECT_EQ(Rec.Table[2][1], 0);
  EXPECT_FALSE(Rec.Picked[2][1]);
  EXPECT_EQ(Rec.PickCount, 0);
  EXPECT_TRUE(Host.Take().empty()); // nothing dealt, so no score redraw
}

TEST_F(TGameTest, PickedFormSetNeedsThreePicksAndKeepsTheOldMatchOtherwise)
{
  Game.NewGame();
  Rec.AttrMatch = { 2, 1, 2, 1 };
  Rec.Picked[0][0] = Rec.Picked[1][0] = true;
  Rec.PickCount = 2;
  EXPECT_FALSE(Game.PickedFormSet());
  EXPECT_EQ(Rec.AttrMatch, (std::array<std::int32_t, 4> { 2, 1, 2, 1 }));
}

TEST_F(TGameTest, TableHasSetMatchesAnExhaustiveSearch)
{
  const auto exhaustive = [this] {
    for (int p1 = 0; p1 < 16; ++p1)
      for (int p2 = 0; p2 < 16; ++p2)
        for (int p3 = 0; p3 < 16; ++p3) {
          const int a = Rec.Table[p1 % 4][p1 / 4], b = Rec.Table[p2 % 4][p2 / 4], c = Rec.Table[p3 % 4][p3 / 4];
          std::array<std::int32_t, 4> match {};
          if (p1 != p2 && p1 != p3 && p2 != p3 && a && b && c && ComputeMatch(a, b, c, match))
            return true;
        }
    return false;
  };
  LayTable(SetFreeCards());
  EXPECT_FALSE(Game.TableHasSet());

  TPcgRandom random(7);
  int withSet = 0;
  for (int round = 0; round < 2000; ++round) {
    Game.NewGame();
    // Empty a random number of slots so that sparse tables are covered too.
    for (int empty = random.Below(16); empty > 0; --empty)
      Rec.Table[random.Below(4)][random.Below(4)] = 0;
    const bool expected = exhaustive();
    withSet += expected;
    ASSERT_EQ(Game.TableHasSet(), expected) << "round " << round;
  }
  EXPECT_GT(withSet, 100);
  EXPECT_LT(withSet, 1900);
}

} // namespace
