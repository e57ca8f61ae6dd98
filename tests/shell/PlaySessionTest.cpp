// A game's life without a window: a seeded play session paints on an image
// and asks its questions of a fake of the window's dialogs.
#include "assets/Artwork.h"
#include "board/Board.h"
#include "board/QtCanvas.h"
#include "game/CardCode.h"
#include "game/DealCode.h"
#include "game/Game.h"
#include "game/SetFinder.h"
#include "scores/StatsStore.h"
#include "shell/PlayQuestions.h"
#include "shell/PlaySession.h"
#include "shell/ShellState.h"
#include "tests/game/GameFixture.h"
#include "tests/shell/SpokenLanguage.h"
#include "tests/sound/FakeAudio.h"
#include "toolkit/BitmapList.h"
#include "toolkit/IniCtrl.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace {

// Notes every question in the order asked; answers Yes unless told.
class TFakeQuestions final : public TPlayQuestions {
public:
  QStringList Asked;
  std::deque<int> Answers;

  int ShowCode(int code) override
  {
    Asked << QStringLiteral("code %1").arg(code);
    return Answer();
  }
  int ShowText(int code, const QString& text) override
  {
    Asked << QStringLiteral("text %1 %2").arg(code).arg(text);
    return Answer();
  }
  void EnterHighScore(int score) override { Asked << QStringLiteral("high score %1").arg(score); }
  void ShowReview(const TGameReview& game) override
  {
    Asked << QStringLiteral("review %1 SETs, %2 points").arg(game.Sets.size()).arg(game.Score);
  }

private:
  int Answer()
  {
    if (Answers.empty())
      return mrYes;
    const int answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
};

class TPlaySessionTest : public ::testing::Test {
protected:
  TIniCtrl Ini { QStringLiteral("Mollberg"), QStringLiteral("Trivolo/V2") };
  TShellState State;
  TFakeAudio Audio;
  TStatsStore Stats { Ini };
  TFakeQuestions Questions;
  TBitmapList Bmps = LoadBmps();
  QImage Surface { 701, 401, QImage::Format_RGB32 };
  TQtCanvas Canvas { Surface, Bmps };
  std::unique_ptr<TPlaySession> Session;

  static constexpr std::uint64_t Seed = 2024;

  void SetUp() override
  {
    QFile::remove(Ini.FileName());
    State.Tongue = 0;
    Session = NewSession(Seed);
  }

  std::unique_ptr<TPlaySession> NewSession(std::uint64_t seed)
  {
    auto session = std::make_unique<TPlaySession>(Canvas, State, Audio, Stats, Questions, seed);
    session->Resize(Surface.width(), Surface.height());
    session->NewGame();
    session->RepaintBoard();
    return session;
  }

  const TGameRecord& Record() const { return Session->Record(); }
  QRgb Centre(TSlot slot) const
  {
    const QRect cell = Session->CellRect(slot);
    return Surface.pixel(cell.center()) & 0xFFFFFFU;
  }
  // Takes the first SET on the table, or mixes when there is none.
  void TakeASet()
  {
    if (const auto set = FirstSetOnTable(Record())) {
      for (const TSlot& slot : *set)
        Session->PressSlot(slot);
    } else {
      Session->MixBtnClick();
    }
  }
  void Tick(int seconds)
  {
    for (int i = 0; i < seconds; ++i)
      Session->Timer1Timer();
  }
};

TEST_F(TPlaySessionTest, AWholeGameEndsWithItsMessageThenTheHighScoreThenTheReview)
{
  EXPECT_EQ(Session->Deal(), TPcgRandom(Seed).Position()) << "the first game is dealt from the freshly seeded generator";
  int sets = 0;
  while (Record().GameState != gsOver) {
    ASSERT_LT(sets, 40) << "the game should have ended";
    Tick(2);
    TakeASet();
    ++sets;
  }
  const std::int32_t score = ComputeScore(Record());
  ASSERT_GT(score, 0);
  const QString ending = Record().TakenCount == CardCount ? QStringLiteral("code 1")
                                                          : QStringLiteral("text 10 No more SET possible.\rYou are at the end.");
  EXPECT_EQ(Questions.Asked, QStringList({ ending, QStringLiteral("high score %1").arg(score),
                               QStringLiteral("review %1 SETs, %2 points").arg(Record().TakenCount / 3).arg(score) }));
  EXPECT_EQ(Audio.Calls.last(), Record().TakenCount == CardCount ? "effect 0" : "effect 3");
  const TLifetimeStats lifetime = Stats.Lifetime();
  EXPECT_EQ(lifetime.Played, 1);
  EXPECT_EQ(lifetime.Sets, Record().TakenCount / 3);
  EXPECT_EQ(lifetime.Abandoned, 0);

  // With the review switched off the next game ends without it; and the
  // next deal starts where this game's draws left the generator.
  Stats.SetShowReview(false);
  const std::uint64_t first = Session->Deal();
  Session->StartBtnClick();
  EXPECT_NE(Session->Deal(), first);
  Questions.Asked.clear();
  while (Record().GameState != gsOver)
    TakeASet();
  EXPECT_EQ(Questions.Asked.filter(QStringLiteral("review")), QStringList());
  EXPECT_EQ(Stats.Lifetime().Played, 2);
}

TEST_F(TPlaySessionTest, TheSameSeedAndStepsDealTheSameGames)
{
  const auto play = [this](TPlaySession& session) {
    session.PressSlot(TSlot { 0, 0 });
    session.MixBtnClick();
    session.TipBtnMouseDown();
    session.TipBtnMouseUp();
    session.StartBtnClick();
    return std::make_pair(session.Deal(), session.Record().Deck);
  };
  const auto first = play(*Session);
  auto again = NewSession(Seed);
  EXPECT_EQ(play(*again), first);
}

TEST_F(TPlaySessionTest, AGameIsAbandonedByStartOrByQuittingOnlyOnceBegun)
{
  // Start asks before it gives up a running game.
  Questions.Answers = { mrNo };
  const std::uint64_t deal = Session->Deal();
  Session->PressSlot(TSlot { 0, 0 });
  Tick(1);
  Session->StartBtnClick();
  EXPECT_EQ(Questions.Asked, QStringList({ "code 4" }));
  EXPECT_EQ(Session->Deal(), deal) << "the game is kept";
  EXPECT_EQ(Stats.Lifetime().Abandoned, 0);

  Session->StartBtnClick(); // Yes
  EXPECT_NE(Session->Deal(), deal);
  EXPECT_EQ(Stats.Lifetime().Abandoned, 1);
  EXPECT_EQ(Stats.Lifetime().Played, 0);

  Session->Abandon(); // the new game was never begun
  EXPECT_EQ(Stats.Lifetime().Abandoned, 1);
  Session->PressSlot(TSlot { 1, 1 });
  Tick(1);
  Session->Abandon();
  EXPECT_EQ(Stats.Lifetime().Abandoned, 2);
  Session->Abandon();
  EXPECT_EQ(Stats.Lifetime().Abandoned, 2) << "counted once";
}

TEST_F(TPlaySessionTest, MixPauseAndHint)
{
  Session->PressSlot(TSlot { 0, 0 }); // starts the clock
  const std::int32_t ticks = Record().TimeTicks;
  const auto table = Record().Table;
  Session->MixBtnClick();
  EXPECT_EQ(Record().TimeTicks, ticks + 100);
  EXPECT_NE(Record().Table, table);
  EXPECT_EQ(Session->Account().Mixes, 1);

  // The hint shows three picked cards while held, painted yellow.
  Session->TipBtnMouseDown();
  EXPECT_EQ(Record().PickCount, 0) << "hint marks are not picks";
  const auto set = FirstSetOnTable(Record());
  int shown = 0;
  TSlot marked;
  for (int col = 0; col < GridSize; ++col)
    for (int row = 0; row < GridSize; ++row)
      if (Record().Picked[col][row]) {
        ++shown;
        marked = TSlot { col, row };
      }
  ASSERT_EQ(shown, 3);
  ASSERT_TRUE(set);
  const QRgb yellow = Centre(marked);
  Session->TipBtnMouseUp();
  EXPECT_NE(Centre(marked), yellow);
  EXPECT_EQ(Session->Account().Hints, 1);

  // A pause hides the cards and the keyboard's frame, and a press goes on.
  QRect frame;
  QObject::connect(Session.get(), &TPlaySession::KeyFrameDrawn, [&](const QRect& cell) { frame = cell; });
  Session->CardKey(TSlot { 2, 1 });
  EXPECT_EQ(frame, Session->CellRect(TSlot { 2, 1 }));
  Session->PauseBtnClick();
  EXPECT_EQ(Record().GameState, gsPaused);
  EXPECT_TRUE(frame.isEmpty());
  Tick(3);
  EXPECT_EQ(Record().TimeTicks, ticks + 100);
  Session->PressSlot(TSlot { 0, 0 });
  EXPECT_EQ(Record().GameState, gsRunning);
  EXPECT_EQ(frame, Session->CellRect(TSlot { 2, 1 }));
  EXPECT_EQ(Session->Account().Pauses, 1);
  EXPECT_TRUE(Questions.Asked.isEmpty());
}

// The game names its messages; the session words them in the language.
TEST_F(TPlaySessionTest, TheGamesMessagesInBothLanguages)
{
  const std::array<int, 16> setFree = SetFreeCards();
  for (const TLanguage language : { lgEnglish, lgGerman }) {
    const TSpokenLanguage spoken(language);
    TGameRecord& record = Session->GameOf().Record();
    for (int p = 0; p < SlotCount; ++p)
      record.Table[SlotOfPosition(p).Col][SlotOfPosition(p).Row] = setFree[static_cast<std::size_t>(p)];
    Questions.Answers = { mrNo };
    Session->TipBtnMouseDown();
    Session->TipBtnMouseUp();
  }
  EXPECT_EQ(Questions.Asked, QStringList({ "text 11 No SET in the deck. Shall I mix up the deck?",
                               QString::fromUtf8("text 11 Kein SET in der Auslage. Neu mischen?") }));

  // The German end: one SET left, taken from a table that then holds none.
  const TSpokenLanguage german(lgGerman);
  Questions.Asked.clear();
  TGameRecord& record = Session->GameOf().Record();
  record.DeckCount = 0;
  record.Table[0][0] = ThirdCard(record.Table[1][0], record.Table[2][0]);
  for (int col = 0; col < 3; ++col)
    Session->PressSlot(TSlot { col, 0 });
  ASSERT_EQ(record.GameState, gsOver);
  EXPECT_EQ(Questions.Asked.value(0), QString::fromUtf8("text 10 Kein weiteres SET möglich.\rDu bist am Ende."));
}

} // namespace

namespace {

TEST_F(TPlaySessionTest, APracticeGameIsPlayedToItsEndAndCountsNowhere)
{
  // A normal game begun and left for practice counts as abandoned, after
  // the same question.
  Session->PressSlot(TSlot { 0, 0 });
  Tick(1);
  Session->PracticeBtnClick();
  EXPECT_TRUE(Session->Practising());
  EXPECT_EQ(Questions.Asked, QStringList({ "code 4" }));
  EXPECT_EQ(Stats.Lifetime().Abandoned, 1);

  // The clock counts the seconds played; a Mix and a hint cost nothing and
  // are counted nowhere.
  Questions.Asked.clear();
  Session->PressSlot(TSlot { 0, 0 });
  Tick(3);
  Session->MixBtnClick();
  Session->TipBtnMouseDown();
  Session->TipBtnMouseUp();
  Tick(2);
  int sets = 0;
  while (Record().GameState != gsOver) {
    ASSERT_LT(sets, 60) << "the game should have ended";
    TakeASet();
    ++sets;
  }
  const int left = CardCount - Record().TakenCount;
  const QString ending = left == 0 ? QStringLiteral("text 10 Practice over: all cards taken in 0:05.")
                                   : QStringLiteral("text 10 Practice over: no SET left, %1 cards still in play.\rTime: 0:05.").arg(left);
  EXPECT_EQ(Questions.Asked, QStringList({ ending })) << "no list, no review";
  EXPECT_EQ(Stats.Lifetime().Played, 0);
  EXPECT_EQ(Stats.Lifetime().Sets, 0);

  // Start deals a normal game again; quitting a practice game begun counts
  // nothing either.
  Session->PracticeBtnClick();
  Session->PressSlot(TSlot { 0, 0 });
  Tick(1);
  Session->Abandon();
  Session->StartBtnClick();
  EXPECT_FALSE(Session->Practising());
  EXPECT_EQ(Stats.Lifetime().Abandoned, 1);
  EXPECT_EQ(Stats.Lifetime().Played, 0);
}

TEST_F(TPlaySessionTest, APracticeGameExplainsEveryWrongPickAndCountsTheSetsOnTheTable)
{
  State.DetectorOn = false;
  Session->PracticeBtnClick();
  QStringList said;
  QObject::connect(Session.get(), &TPlaySession::WrongPickSaid, [&said](const QString& text) { said << text; });
  TGameRecord& record = Session->GameOf().Record();
  const std::array<int, 16> setFree = SetFreeCards();
  for (int p = 0; p < SlotCount; ++p)
    record.Table[SlotOfPosition(p).Col][SlotOfPosition(p).Row] = setFree[static_cast<std::size_t>(p)];
  EXPECT_EQ(Session->SetsOnTable(), 0);
  for (const int p : { 0, 1, 2 })
    Session->PressSlot(SlotOfPosition(p));
  ASSERT_FALSE(said.isEmpty()) << "explained with the detector off";
  EXPECT_TRUE(said.first().startsWith("Not a SET: "));

  // Three cards of a SET, and one more that makes a second with two of them.
  record.Table = {};
  const auto put = [&record](int p, int card) { record.Table[SlotOfPosition(p).Col][SlotOfPosition(p).Row] = card; };
  put(0, 1);
  put(1, 2);
  put(2, ThirdCard(1, 2));
  EXPECT_EQ(Session->SetsOnTable(), 1);
  put(3, ThirdCard(1, ThirdCard(1, 2) == 3 ? 4 : 3));
  put(4, ThirdCard(1, 2) == 3 ? 4 : 3);
  EXPECT_EQ(Session->SetsOnTable(), 2);
}

} // namespace

namespace {

TEST_F(TPlaySessionTest, ADealPlayedAgainIsTheSameGameCountsOnlyAsTheLastAndLeavesTheOneGeneratorAlone)
{
  // What the one generator deals second when nothing comes between.
  const std::unique_ptr<TPlaySession> plain = NewSession(Seed);
  const std::vector<int> first = TableOf(plain->Record());
  plain->StartBtnClick();
  const std::vector<int> second = TableOf(plain->Record());
  Questions.Asked.clear();

  // The first game begun, then dealt again after Start's question: the
  // same table and deck, the same Mix.
  const TGameRecord deck = Record();
  Session->PressSlot(TSlot { 0, 0 });
  Tick(1);
  Session->PlayDealAgain();
  EXPECT_EQ(Questions.Asked, QStringList({ "code 4" }));
  ASSERT_TRUE(Session->Replaying());
  EXPECT_EQ(TableOf(Record()), first);
  EXPECT_EQ(Record().Deck, deck.Deck);
  EXPECT_EQ(Session->Deal(), TPcgRandom(Seed).Position());
  EXPECT_EQ(Stats.Lifetime().Abandoned, 1) << "the game left counts as before";

  // Played to its end: no list, no lifetime figure, but the last game.
  Questions.Asked.clear();
  while (Record().GameState != gsOver) {
    Tick(1);
    TakeASet();
  }
  EXPECT_TRUE(Questions.Asked.filter("high score").isEmpty()) << Questions.Asked.join('|').toStdString();
  EXPECT_EQ(Questions.Asked.filter("review").size(), 1);
  EXPECT_EQ(Stats.Lifetime().Played, 0);
  EXPECT_EQ(Stats.Lifetime().BestScore, 0);
  ASSERT_TRUE(Stats.LastGame().has_value());
  EXPECT_TRUE(Stats.LastGame()->Replayed);
  EXPECT_EQ(Stats.LastGame()->Deal, TPcgRandom(Seed).Position());
  EXPECT_EQ(Ini.ReadString("stats", "lastdeal", "-"), "63YVM-6W1AZ-T7TF again");

  // Start deals what the one generator would have dealt without the replay.
  Session->StartBtnClick();
  EXPECT_FALSE(Session->Replaying());
  EXPECT_EQ(TableOf(Record()), second);

  // A deal by its code; a No to the question keeps the game and the source.
  Session->PressSlot(TSlot { 0, 0 });
  Tick(1);
  Questions.Answers = { mrNo };
  Session->PlayDeal(*ParseDealCode("63YVM-6W1AZ-T7TF"));
  EXPECT_EQ(TableOf(Record()), second);
  EXPECT_FALSE(Session->Replaying());
  Session->PlayDeal(*ParseDealCode("63YVM-6W1AZ-T7TF"));
  EXPECT_EQ(TableOf(Record()), first) << "the code of the seed's first deal";
  EXPECT_EQ(Stats.Lifetime().Abandoned, 2) << "the second game, begun and left";
  Session->PressSlot(TSlot { 0, 0 });
  Tick(1);
  Session->Abandon();
  EXPECT_EQ(Stats.Lifetime().Abandoned, 2) << "a deal played again counts nowhere when left";
}

} // namespace
