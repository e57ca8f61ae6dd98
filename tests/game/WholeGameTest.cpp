#include "game/SetFinder.h"
#include "tests/game/GameFixture.h"

namespace {

void ExpectConsistent(const TGameRecord& rec)
{
  int onTable = 0;
  int picked = 0;
  std::array<int, CardCount + 1> seen {};
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      if (rec.Table[col][row] != 0) {
        ++onTable;
        ++seen[rec.Table[col][row]];
      }
      picked += rec.Picked[col][row];
      ASSERT_TRUE(!rec.Picked[col][row] || rec.Table[col][row] != 0);
    }
  for (int i = 1; i <= rec.DeckCount; ++i)
    ++seen[rec.Deck[i]];
  ASSERT_EQ(rec.DeckCount + onTable + rec.TakenCount, CardCount);
  ASSERT_EQ(picked, rec.PickCount);
  for (int code = 1; code <= CardCount; ++code)
    ASSERT_LE(seen[code], 1);
}

// A player who clicks the first SET it sees, wastes a click now and then,
// asks for hints and lets the clock run, over many seeded games.
TEST_F(TGameTest, ScriptedGamesRunToEitherEnd)
{
  int won = 0;
  int stuck = 0;
  for (int round = 0; round < 300; ++round) {
    TPcgRandom player(static_cast<std::uint64_t>(round));
    Game.NewGame();
    int expectedScore = 33;
    while (Rec.GameState != gsOver) {
      ASSERT_LT(Rec.TakenCount + Rec.TimeTicks, 100000);
      const auto set = FirstSetOnTable(Rec);
      if (!set) {
        Host.Answers = { mrYes };
        Game.TipBtnMouseDown();
        Game.TipBtnMouseUp();
        continue;
      }
      if (player.Below(5) == 0) {
        Game.TipBtnMouseDown();
        Game.TipBtnMouseUp();
        expectedScore -= 167;
      }
      if (player.Below(3) == 0) {
        Game.MouseDown(set->front()); // pick and unpick again
        Game.MouseDown(set->front());
      }
      Game.Timer1Timer();
      expectedScore -= Rec.ClockRunning ? 3 : 0;
      Host.Take();
      const int before = Game.ComputeScore();
      for (const TSlot& s : *set)
        Game.MouseDown(s);
      const TCalls calls = Host.Take();
      ASSERT_NO_FATAL_FAILURE(ExpectConsistent(Rec));
      ASSERT_GE(Game.ComputeScore() - before, 27 + 13 * 5);
      ASSERT_LE(Game.ComputeScore() - before, 27 + 13 * 8);
      expectedScore += Game.ComputeScore() - before;
      if (Rec.GameState == gsOver) {
        const bool all = Rec.TakenCount == CardCount;
        won += all;
        stuck += !all;
        const auto end = std::find(calls.begin(), calls.end(), all ? "PlayEffect 1" : "PlayEffect 4");
        ASSERT_NE(end, calls.end());
        EXPECT_EQ(Game.ComputeScore() > 0, calls.back().rfind("EnterHighScore", 0) == 0);
      }
    }
    // Mixes cost 300 each; only hints that showed a SET are counted above.
    EXPECT_EQ((expectedScore - Game.ComputeScore()) % 300, 0);
  }
  EXPECT_GT(won, 0);
  EXPECT_GT(stuck, 0);
}

} // namespace
