#include "tests/game/GameFixture.h"

namespace {

// The set-free table with position 2 replaced so that positions 0, 1, 2 hold
// codes 1, 2, 3: a SET that differs in colour only, and the only one.
std::array<int, 16> TableWithOneSet()
{
  auto cards = SetFreeCards();
  // Swap out the set-free card at position 2 for the completing card.
  cards[2] = ThirdCard(cards[0], cards[1]);
  return cards;
}

TEST_F(TGameTest, PressesOutsideTheGridOrOnEmptySlotsOnlyStartTheClock)
{
  auto cards = SetFreeCards();
  cards[5] = 0;
  LayTable(cards);
  const int score = Game.ComputeScore();
  Game.MouseDown(std::nullopt);
  EXPECT_TRUE(Rec.ClockRunning);
  Press(5);
  EXPECT_TRUE(Host.Take().empty());
  EXPECT_EQ(Rec.PickCount, 0);

  Game.Timer1Timer();
  EXPECT_EQ(Host.Take(), (TCalls { "DrawScore" }));
  EXPECT_EQ(Game.ComputeScore(), score - 3);
}

TEST_F(TGameTest, TheClockWaitsForTheFirstPressAndStandsStillWhilePaused)
{
  Game.NewGame();
  Game.Timer1Timer();
  EXPECT_EQ(Rec.TimeTicks, -11);
  Game.MouseDown(std::nullopt);
  Game.Timer1Timer();
  EXPECT_EQ(Rec.TimeTicks, -10);
  Game.PauseBtnClick();
  Game.Timer1Timer();
  EXPECT_EQ(Rec.TimeTicks, -10);
  // A press ends the pause without picking, and the clock goes on.
  Game.MouseDown(Slot(0));
  EXPECT_EQ(Rec.GameState, gsRunning);
  EXPECT_EQ(Rec.PickCount, 0);
  Game.Timer1Timer();
  EXPECT_EQ(Rec.TimeTicks, -9);
}

TEST_F(TGameTest, PickingUnpickingAndTheRefusedFourthPick)
{
  LayTable(SetFreeCards());
  Press(0);
  EXPECT_EQ(Host.Take(), (TCalls { "ClearDetector", "PlayEffect 5", "RedrawSlot 0 0" }));
  Press(1);
  Press(4);
  EXPECT_EQ(Host.Take(), (TCalls { "ClearDetector", "PlayEffect 5", "RedrawSlot 1 0", //
                           "ClearDetector", "PlayEffect 5", "RedrawSlot 0 1", "PlayEffect 2" }));
  const TGameRecord before = Rec;
  Press(9);
  EXPECT_EQ(Host.Take(), TCalls { "ClearDetector" });
  EXPECT_FALSE(Rec.Picked[1][2]);
  EXPECT_EQ(Rec.PickCount, 3);
  EXPECT_EQ(Rec.Table, before.Table);

  Press(1);
  EXPECT_EQ(Host.Take(), (TCalls { "ClearDetector", "PlayEffect 6", "RedrawSlot 1 0" }));
  EXPECT_EQ(Rec.PickCount, 2);
}

TEST_F(TGameTest, TakingASetRefillsItsSlotsAndScoresTheBonus)
{
  struct TCase {
    bool Detector;
    int Gain;
  };
  // Codes 1, 2, 3 differ only in colour: bonus 2+1+1+1 = 5.
  for (const TCase c : { TCase { true, 27 + 13 * 5 }, TCase { false, 27 + 13 * 10 } }) {
    Host.Detector = c.Detector;
    auto cards = TableWithOneSet();
    // A second SET elsewhere keeps the game going after the first is taken.
    cards[15] = ThirdCard(cards[13], cards[14]);
    LayTable(cards);
    const int top = Rec.Deck[Rec.DeckCount];
    const int score = Game.ComputeScore();
    Press(0);
    Press(1);
    Host.Take();
    Press(2);
    EXPECT_EQ(Host.Take(), (TCalls { "ClearDetector", "PlayEffect 5", "RedrawSlot 2 0", //
                             "DrawScore", "RedrawSlot 0 0", "DrawScore", "RedrawSlot 1 0", "DrawScore", "RedrawSlot 2 0",
                             "DrawScore", "PlayEffect 3" }));
    EXPECT_EQ(Rec.Table[0][0], top);
    EXPECT_EQ(Rec.DeckCount, 62);
    EXPECT_EQ(Rec.TakenCount, 3);
    EXPECT_EQ(Rec.PickCount, 0);
    EXPECT_EQ(Game.ComputeScore() - score, c.Gain);
    EXPECT_EQ(Rec.AttrMatch, (std::array<std::int32_t, 4> { 2, 1, 1, 1 }));
  }
}

TEST_F(TGameTest, NoSetLeftEndsTheGameBeforeTheMessageEvenWithCardsInTheDeck)
{
  LayTable(TableWithOneSet(), 3);
  // One card left in the deck: the set-free card that the SET displaced, so
  // that the table holds no SET after the refill.
  Rec.Deck[1] = SetFreeCards()[2];
  Rec.DeckCount = 1;
  Rec.TakenCount = 81 - 1 - 16;
  Rec.BonusSum = 10;
  TGameState stateAtMessage = gsRunning;
  Host.OnMessage = [&] { stateAtMessage = Rec.GameState; };
  Press(0);
  Press(1);
  Press(2);
  const TCalls calls = Host.Take();
  const TCalls tail(calls.end() - 3, calls.end());
  EXPECT_EQ(tail, (TCalls { "PlayEffect 4", "ShowText 10 no more SET",
                     "EnterHighScore " + std::to_string(Game.ComputeScore()) }));
  EXPECT_EQ(stateAtMessage, gsOver);
  EXPECT_EQ(Rec.GameState, gsOver);
  EXPECT_EQ(Rec.Table[2][0], 0); // the deck ran dry while refilling

  // Nothing but Start works on a finished game; Start asks no question.
  const TGameRecord over = Rec;
  Game.MixBtnClick();
  Game.TipBtnMouseDown();
  Game.PauseBtnClick();
  Press(4);
  Game.Timer1Timer();
  EXPECT_EQ(Rec.TimeTicks, over.TimeTicks);
  EXPECT_EQ(Rec.Table, over.Table);
  EXPECT_TRUE(Host.Take().empty());
  Game.StartBtnClick();
  EXPECT_EQ(Rec.GameState, gsRunning);
  EXPECT_EQ(Host.Take().back(), "RepaintBoard");
}

TEST_F(TGameTest, NoHighScoreForAScoreOfZeroOrLess)
{
  LayTable(TableWithOneSet(), 0);
  Rec.TimeTicks = 1000;
  Press(0);
  Press(1);
  Press(2);
  const TCalls calls = Host.Take();
  EXPECT_EQ(calls.back(), "ShowText 10 no more SET");
  EXPECT_LE(Game.ComputeScore(), 0);
}

TEST_F(TGameTest, TakingTheLastOfTheEightyOneCardsWinsTheGame)
{
  std::array<int, 16> cards {};
  cards[0] = 1;
  cards[1] = 2;
  cards[2] = 3;
  LayTable(cards, 0);
  ASSERT_EQ(Rec.TakenCount, 78);
  Press(0);
  Press(1);
  Press(2);
  const TCalls calls = Host.Take();
  const TCalls tail(calls.end() - 4, calls.end());
  EXPECT_EQ(tail, (TCalls { "DrawScore", "PlayEffect 1", "ShowCode 1", "EnterHighScore " + std::to_string(Game.ComputeScore()) }));
  EXPECT_EQ(Rec.GameState, gsOver);
}

TEST_F(TGameTest, MixNeedsMoreThanSixteenCardsInTheDeck)
{
  LayTable(SetFreeCards(), 16);
  Game.MixBtnClick();
  EXPECT_TRUE(Host.Take().empty());

  LayTable(SetFreeCards(), 17);
  Press(0);
  Rec.HoverCol = 1;
  Rec.HoverRow = 1;
  const int ticks = Rec.TimeTicks;
  Host.Take();
  Random.Draws = 0;
  Game.MixBtnClick();
  EXPECT_EQ(Rec.DeckCount, 17);
  EXPECT_EQ(Rec.PickCount, 0);
  EXPECT_FALSE(Rec.Picked[0][0]);
  EXPECT_EQ(Rec.TimeTicks, ticks + 100);
  EXPECT_EQ(Rec.HoverCol, -1);
  EXPECT_EQ(Random.Draws, 2 * TGame::ShuffleSwaps);
  const TCalls calls = Host.Take();
  // 16 slots emptied, 16 dealt (score redraw + slot), then the score, the
  // detector panel.
  ASSERT_EQ(calls.size(), 16U + 32 + 2);
  EXPECT_EQ(calls[0], "RedrawSlot 0 0");
  EXPECT_EQ(calls[16], "DrawScore");
  EXPECT_EQ(calls[17], "RedrawSlot 0 0");
  EXPECT_EQ(TCalls(calls.end() - 2, calls.end()), (TCalls { "DrawScore", "ClearDetector" }));
}

TEST_F(TGameTest, StartAndPauseFollowTheGameState)
{
  Game.NewGame();
  Game.MouseDown(std::nullopt);
  Host.Take();

  Host.Answers = { mrNo };
  Game.StartBtnClick();
  EXPECT_EQ(Host.Take(), TCalls { "ShowCode 4" });
  EXPECT_TRUE(Rec.ClockRunning);

  Game.PauseBtnClick();
  EXPECT_EQ(Rec.GameState, gsPaused);
  Game.StartBtnClick();
  Game.MixBtnClick();
  Game.TipBtnMouseDown();
  EXPECT_EQ(Host.Take(), (TCalls { "RepaintBoard" }));
  Game.PauseBtnClick();
  EXPECT_EQ(Rec.GameState, gsRunning);

  Host.Answers = { mrYes };
  Host.Take();
  Game.StartBtnClick();
  const TCalls calls = Host.Take();
  EXPECT_EQ(calls.front(), "ShowCode 4");
  EXPECT_EQ(calls.back(), "RepaintBoard");
  EXPECT_FALSE(Rec.ClockRunning);
  EXPECT_EQ(Game.ComputeScore(), 33);
}

} // namespace
