#include "game/CardCode.h"
#include "game/DealCode.h"
#include "game/Game.h"
#include "game/Random.h"
#include "game/SetFinder.h"
#include "game/SilentHost.h"
#include "scores/GameRecorder.h"
#include "scores/LifetimeStats.h"
#include "scores/StatsStore.h"
#include "scores/StoredKeys.h"
#include "toolkit/IniCtrl.h"
#include "toolkit/IniText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <limits>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class TRecorderTest : public ::testing::Test {
protected:
  TSilentHost Host;
  TPcgRandom Random { 7 };
  TGame Game { Host, Random };
  TGameRecorder Recorder;

  void SetUp() override
  {
    Game.NewGame();
    Look();
  }
  void Look() { Recorder.Observe(Game.Record(), Host.Detector); }
  void Tick(int seconds)
  {
    for (int i = 0; i < seconds; ++i) {
      Game.Timer1Timer();
      Look();
    }
  }
  void Pick(TSlot slot)
  {
    Game.MouseDown(slot);
    Look();
  }
};

// A seeded game played by a script: every figure of the account is what the
// script did.
TEST_F(TRecorderTest, AScriptedGameIsAccountedExactly)
{
  Pick(TSlot { 0, 0 }); // starts the clock
  Pick(TSlot { 0, 0 }); // and back
  std::vector<TSetTaken> taken;
  int clock = 0;
  int mixes = 0;
  int n = 0;
  while (Game.Record().GameState != gsOver) {
    const int wait = 3 + n * 7 % 11;
    Tick(wait);
    clock += wait;
    if (n == 2) {
      Game.TipBtnMouseDown();
      Game.TipBtnMouseUp();
      Look();
      Game.PauseBtnClick();
      Look();
      Game.PauseBtnClick();
      Look();
    }
    if (n == 4 || n == 9) {
      Game.MixBtnClick();
      Look();
      ++mixes;
    }
    Host.Detector = n % 3 != 0;
    const auto set = FirstSetOnTable(Game.Record());
    ASSERT_TRUE(set);
    TSetTaken expected { clock, {}, Host.Detector };
    for (int i = 0; i < 3; ++i)
      expected.Cards[static_cast<std::size_t>(i)] = Game.Record().Table[(*set)[static_cast<std::size_t>(i)].Col][(*set)[static_cast<std::size_t>(i)].Row];
    std::sort(expected.Cards.begin(), expected.Cards.end());
    taken.push_back(expected);
    for (const TSlot slot : *set)
      Pick(slot);
    ++n;
  }

  std::optional<TGameReview> review = Recorder.TakeEnded();
  ASSERT_TRUE(review);
  EXPECT_FALSE(Recorder.TakeEnded()) << "told once";
  for (TSetTaken& set : review->Sets)
    std::sort(set.Cards.begin(), set.Cards.end());
  EXPECT_EQ(review->Sets, taken);
  EXPECT_EQ(review->Seconds, clock);
  EXPECT_EQ(review->Hints, 1);
  EXPECT_EQ(review->Mixes, mixes);
  EXPECT_EQ(review->Pauses, 1);
  EXPECT_EQ(review->Score, Game.ComputeScore());
  EXPECT_EQ(review->CardsLeft, CardCount - Game.Record().TakenCount);
  EXPECT_EQ(review->Ending, Game.Record().TakenCount == CardCount ? geWon : geNoMoreSet);
  // The seed's game, as it always ends.
  EXPECT_EQ(taken.size(), 24U);
  EXPECT_EQ(clock, 189);

  // The next game starts a new account; the finished one is not abandoned.
  Game.StartBtnClick();
  Look();
  EXPECT_FALSE(Recorder.TakeEnded());
  EXPECT_EQ(Recorder.Current(), TGameReview());
}

TEST_F(TRecorderTest, OnlyABegunGameIsAbandoned)
{
  // Untouched: neither a new game nor the end abandons it.
  Game.StartBtnClick();
  Look();
  EXPECT_FALSE(Recorder.TakeEnded());
  EXPECT_FALSE(Recorder.Abandon());

  Pick(TSlot { 1, 1 });
  Tick(5);
  Game.StartBtnClick(); // the host answers Yes to giving up
  Look();
  const auto abandoned = Recorder.TakeEnded();
  ASSERT_TRUE(abandoned);
  EXPECT_EQ(abandoned->Ending, geAbandoned);
  EXPECT_EQ(abandoned->Seconds, 5);

  Pick(TSlot { 1, 1 });
  Tick(2);
  const auto atQuit = Recorder.Abandon();
  ASSERT_TRUE(atQuit);
  EXPECT_EQ(atQuit->Seconds, 2);
  EXPECT_FALSE(Recorder.Abandon()) << "counted once";
}

TGameReview FixedReview()
{
  TGameReview review;
  // Every attribute different: the largest bonus; then only the shapes
  // different: the smallest.
  const std::array<int, 3> richest { 1, 41, 81 };
  const std::array<int, 3> plain { 1, 4, 7 };
  int second = 0;
  for (int i = 0; i < 21; ++i) {
    second += i == 6 ? 50 : 10 + i % 3;
    review.Sets.push_back({ second, i % 2 ? richest : plain, true });
  }
  review.Seconds = second + 4;
  review.Ending = geNoMoreSet;
  return review;
}

TEST(GameReview, FiguresOfAFixedGame)
{
  EXPECT_EQ(PointsPerSecond(), 3);
  EXPECT_EQ(SetPoints({ 1, 41, 81 }, true), 27 + 13 * 8);
  EXPECT_EQ(SetPoints({ 1, 41, 81 }, false), 27 + 26 * 8);
  EXPECT_EQ(SetPoints({ 1, 4, 7 }, true), 27 + 13 * 5);

  const TGameReview review = FixedReview();
  const std::vector<int> seconds = review.SetSeconds();
  ASSERT_EQ(seconds.size(), 21U);
  EXPECT_EQ(seconds[0], 10);
  EXPECT_EQ(seconds[6], 50);
  EXPECT_EQ(review.Slowest(), 6U);
  EXPECT_EQ(review.SplitAt(10), review.Sets[9].Second);
  EXPECT_EQ(review.SplitAt(20), review.Sets[19].Second);
  EXPECT_FALSE(review.SplitAt(22));
  EXPECT_DOUBLE_EQ(review.AverageSeconds(), review.Seconds / 21.0);
  // 10 SETs of 131 points, 11 of 92: 2322 points over 21 SETs, 3 a second.
  EXPECT_EQ(review.BreakEvenSeconds(), 36);
  EXPECT_EQ(TGameReview().BreakEvenSeconds(), 37) << "the typical SET without any taken";
  EXPECT_FALSE(TGameReview().Slowest());
  EXPECT_EQ(TGameReview().AverageSeconds(), 0.0);
}

TEST(GameReview, ItsTextRoundTripsAndDamagedTextReadsAsNothing)
{
  const TGameReview review = FixedReview();
  EXPECT_EQ(TGameReview::Decode(review.Encode()), review);
  EXPECT_EQ(TGameReview::Decode(TGameReview().Encode()), TGameReview());
  for (const char* damaged : { "", "1", "2 0 0 0 0 0 81 0", "1 0 0 0 0 0 82 0", "1 0 0 0 0 0 81 4", "1 -5 0 0 0 0 81 0",
         "1 0 0 0 0 0 81 0 5:1:2", "1 0 0 0 0 0 81 0 5:1:2:0:1", "1 0 0 0 0 0 81 0 5:1:2:3:2", "1 x 0 0 0 0 81 0",
         "1 99999999999999999999 0 0 0 0 81 0", "1 0 0 0 0 0 81 0 5:1:2:3:1:7" })
    EXPECT_FALSE(TGameReview::Decode(damaged)) << damaged;
}

TEST(LifetimeStats, AddsGamesAndKeepsTheBest)
{
  TLifetimeStats stats;
  TGameReview first = FixedReview();
  first.Score = 900;
  first.Hints = 2;
  first.Mixes = 1;
  stats.Add(first);
  TGameReview quick = first;
  quick.Sets.resize(5);
  quick.Seconds = 40;
  quick.Score = -50;
  stats.Add(quick);
  TGameReview left;
  left.Sets.resize(3);
  left.Seconds = 30;
  left.Ending = geAbandoned;
  stats.Add(left);

  TLifetimeStats expected;
  expected.Played = 2;
  expected.Abandoned = 1;
  expected.Sets = 21 + 5 + 3;
  expected.Seconds = first.Seconds + 40;
  expected.Hints = 4;
  expected.Mixes = 2;
  expected.BestScore = 900;
  expected.Fastest = 40;
  expected.BestPace = 80; // 40 s over 5 SETs
  EXPECT_EQ(stats, expected);

  // A first game's negative score is still its best.
  TLifetimeStats negative;
  negative.Add(quick);
  EXPECT_EQ(negative.BestScore, -50);
}

TEST(LifetimeStats, DamagedValuesReadAsZeroAndCountsSaturate)
{
  TIniText text(QByteArrayLiteral("[stats]\nplayed=12\nsets=abc\nhints=-4\nmixes=99999999999999\nbestscore=-70\nseconds=\n"
                                  "fastest=2147483648\n[common]\nplayed=5\n"));
  const TLifetimeStats read = TLifetimeStats::Read(text);
  EXPECT_EQ(read.Played, 12);
  EXPECT_EQ(read.Sets, 0);
  EXPECT_EQ(read.Hints, 0);
  EXPECT_EQ(read.Mixes, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(read.BestScore, -70);
  EXPECT_EQ(read.Seconds, 0);
  EXPECT_EQ(read.Fastest, std::numeric_limits<std::int32_t>::max());

  TLifetimeStats full;
  full.Played = full.Sets = full.Seconds = std::numeric_limits<std::int32_t>::max();
  full.Add(FixedReview());
  EXPECT_EQ(full.Played, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(full.Sets, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(full.Seconds, std::numeric_limits<std::int32_t>::max());

  full.Write(text);
  EXPECT_EQ(TLifetimeStats::Read(text), full);
  text.SetValue(StoredKey::Stats, StoredKey::ShowReview, QStringLiteral("0"));
  TLifetimeStats::Reset(text);
  EXPECT_EQ(TLifetimeStats::Read(text), TLifetimeStats());
  EXPECT_EQ(text.Value(StoredKey::Stats, StoredKey::ShowReview), QStringLiteral("0"));
  EXPECT_EQ(text.Value(QStringLiteral("common"), QStringLiteral("played")), QStringLiteral("5"));
}

// Two copies of the program add their games to the stored figures at the
// same moments: every game of both is counted.
TEST(LifetimeStats, TwoCopiesAddingAtOnceLoseNoGame)
{
  const QString name = QUuid::createUuid().toString(QUuid::Id128);
  const auto addGames = [name](int count) {
    TIniCtrl ini(QStringLiteral("TrivoloTest"), name);
    TStatsStore store(ini);
    for (int i = 0; i < count; ++i)
      store.Add(FixedReview());
  };
  const pid_t other = fork();
  if (other == 0) {
    addGames(40);
    _exit(0);
  }
  addGames(40);
  int status = -1;
  waitpid(other, &status, 0);
  EXPECT_EQ(status, 0);
  TIniCtrl ini(QStringLiteral("TrivoloTest"), name);
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("stats"), QStringLiteral("played"), 0), 80);
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("stats"), QStringLiteral("sets"), 0), 80 * 21);
  EXPECT_EQ(TStatsStore(ini).LastGame(), FixedReview());
  QFile::remove(ini.FileName());
}

} // namespace

namespace {

// The last game's deal code is kept beside its account; a damaged code is
// no code, and the account stands without it.
TEST(StatsStore, TheLastGamesDealIsKeptAndADamagedOneReadsAsNone)
{
  TIniCtrl ini(QStringLiteral("TrivoloTest"), QUuid::createUuid().toString(QUuid::Id128));
  TStatsStore store(ini);
  TGameReview game = FixedReview();
  game.Deal = 12345;
  store.Add(game);
  EXPECT_EQ(store.LastGame()->Deal, 12345u);
  EXPECT_FALSE(store.LastGame()->Replayed);
  game.Replayed = true;
  store.KeepLast(game);
  EXPECT_EQ(store.LastGame()->Deal, 12345u);
  EXPECT_TRUE(store.LastGame()->Replayed);
  EXPECT_EQ(store.Lifetime().Played, 1) << "kept, not counted";

  for (const char* damaged : { "", "again", " again", "63YVM-6W1AZ-T7TG", "63YVM-6W1AZ-T7TF again again", "<b>63YVM</b>" }) {
    ini.WriteString(StoredKey::Stats, StoredKey::LastDeal, QString::fromUtf8(damaged));
    const std::optional<TGameReview> last = store.LastGame();
    ASSERT_TRUE(last.has_value()) << damaged;
    EXPECT_FALSE(last->Deal.has_value()) << damaged;
    EXPECT_FALSE(last->Replayed) << damaged;
  }
  QFile::remove(ini.FileName());
}

} // namespace

namespace {

// A file edited by hand (byte-order mark, CR line ends) gives its last
// game's deal; another copy adding a game keeps what the file held.
TEST(StatsStore, AHandEditedFileGivesItsDealAndAnotherCopyLosesNothing)
{
  const QString name = QUuid::createUuid().toString(QUuid::Id128);
  TIniCtrl first(QStringLiteral("TrivoloTest"), name);
  QFile file(first.FileName());
  ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xEF\xBB\xBF[common]\r\ntongue=1\r\n[stats]\r\nlast=" + QByteArray::fromStdString(FixedReview().Encode())
    + "\r\nlastdeal=63yvm-6w1az-t7tf again\r\n");
  file.close();
  const std::optional<TGameReview> last = TStatsStore(first).LastGame();
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Deal, ParseDealCode("63YVM-6W1AZ-T7TF"));
  EXPECT_TRUE(last->Replayed);

  TIniCtrl second(QStringLiteral("TrivoloTest"), name);
  TGameReview game = FixedReview();
  game.Deal = 7;
  TStatsStore(second).Add(game);
  EXPECT_EQ(TStatsStore(first).LastGame()->Deal, 7u);
  EXPECT_FALSE(TStatsStore(first).LastGame()->Replayed);
  EXPECT_EQ(first.ReadString(StoredKey::Common, StoredKey::Tongue, "-"), "1");
  QFile::remove(first.FileName());
}

} // namespace
