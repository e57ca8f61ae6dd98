// The review after a game, the statistics window and the figures they keep.
#include "game/SetFinder.h"
#include "scores/GameReview.h"
#include "shell/ReviewChart.h"
#include "tests/shell/ShellFixture.h"

#include <QCheckBox>

namespace {

TEST(ReviewChart, BarsAndTheLineLieOnTheScale)
{
  struct TCase {
    std::vector<int> Seconds;
    int BreakEven;
    int TopSeconds;
    std::vector<QRect> Bars;
    int LineY;
  };
  // A 300 x 150 chart: the plot is 260 x 126 from (34, 8); the scale ends
  // past the highest figure in tens.
  const TCase cases[] = {
    { { 10, 20, 40 }, 30, 50, { QRect(47, 109, 60, 25), QRect(134, 84, 60, 50), QRect(220, 33, 60, 101) }, 58 },
    { {}, 37, 50, {}, 41 },
    { { 0, 300 }, 37, 340, { QRect(53, 134, 91, 0), QRect(183, 23, 91, 111) }, 120 },
  };
  for (const TCase& c : cases) {
    const TReviewChart::TGeometry geometry = TReviewChart::Geometry(c.Seconds, c.BreakEven, QSize(300, 150));
    EXPECT_EQ(geometry.Plot, QRect(34, 8, 260, 126));
    EXPECT_EQ(geometry.TopSeconds, c.TopSeconds);
    EXPECT_EQ(geometry.Bars, c.Bars);
    EXPECT_EQ(geometry.BreakEvenY, c.LineY);
    for (const QRect& bar : geometry.Bars)
      EXPECT_TRUE(bar.isEmpty() || geometry.Plot.contains(bar)) << bar.x();
  }
  EXPECT_EQ(TReviewChart::Described({ 12, 50 }, 37), "SET 1: 12 s, 2: 50 s; break-even 37 s");
  const TSpokenLanguage german(lgGerman);
  EXPECT_EQ(TReviewChart::Described({}, 37), "Kein SET. Gewinnschwelle 37 s");
}

class TStatsTest : public TShellTest {
protected:
  // The figures and the last game of an earlier session.
  void StoreFigures()
  {
    const std::pair<const char*, const char*> figures[] = { { "played", "3" }, { "abandoned", "1" }, { "sets", "70" },
      { "seconds", "500" }, { "bestscore", "2500" }, { "fastest", "150" }, { "bestpace", "72" }, { "hints", "2" }, { "mixes", "1" } };
    for (const auto& [key, value] : figures)
      Settings.WriteString("stats", key, value);
    TGameReview last;
    last.Sets = { { 20, { 1, 2, 3 }, true }, { 70, { 1, 41, 81 }, true } };
    last.Seconds = 80;
    last.Score = 120;
    last.CardsLeft = 75;
    last.Ending = geNoMoreSet;
    Settings.WriteString("stats", "last", QString::fromStdString(last.Encode()));
  }

  static QStringList Texts(QWidget* dialog, const QStringList& names)
  {
    QStringList texts;
    for (const QString& name : names)
      texts << dialog->findChild<QLabel*>(name)->text();
    return texts;
  }

  // Plays the seeded game to its end by mouse clicks, the dialogs answered
  // by the handler.
  void PlayToTheEnd()
  {
    TGame& game = Session().GameOf();
    for (int clicks = 0; game.Record().GameState != gsOver && clicks < 400; ++clicks) {
      const auto set = FirstSetOnTable(game.Record());
      if (!set) {
        Click(Button(bkMix));
        continue;
      }
      for (const TSlot& s : *set) {
        const TCellRect cell = CellRect(Session().BoardOf().Layout(), s);
        QTest::mouseClick(Box(), Qt::LeftButton, {}, QPoint(cell.CentreX(), cell.CentreY()));
      }
    }
    ASSERT_EQ(game.Record().GameState, gsOver);
  }

  QString Stat(const char* key) { return Settings.ReadString("stats", key, "-"); }
};

TEST_F(TStatsTest, TheStatisticsOpenOnTAndFromTheInformationWindowInEitherLanguage)
{
  StoreFigures();
  Write("tongue", "1");
  Start();
  const QStringList names = { "title", "played", "abandoned", "sets", "seconds", "bestscore", "fastest", "bestpace", "hints", "mixes",
    "lasttitle", "score", "time", "average", "slowest" };
  QStringList seen;
  QString described;
  TModalAnswerer answerer([&](QWidget* dialog) {
    // The statistics open over the information window, which stays.
    if (dialog->objectName() == "InfoDlg") {
      auto* button = dialog->findChild<TImageButton*>(seen.isEmpty() ? "StatsBtn" : "OKBtn");
      QTimer::singleShot(0, button, [button] { Click(button); });
      return;
    }
    ASSERT_EQ(dialog->objectName(), "StatsDlg");
    seen = Texts(dialog, names);
    described = dialog->findChild<QWidget*>("ReviewChart")->accessibleDescription();
    Press(dialog, Qt::Key_Escape);
  });
  QTest::keyClick(&Main(), Qt::Key_T);
  EXPECT_EQ(seen, QStringList({ "Statistik", "Zu Ende gespielt: 3", "Abgebrochen: 1", "SETs: 70", "Spielzeit: 8:20", "Beste Punktzahl: 2500",
                    "Schnellstes Spiel: 2:30", "Bester Schnitt: 7,2 s je SET", "Tipps: 2", "Gemischt: 1", "Letztes Spiel", "Punkte: 120",
                    "Zeit: 1:20", "Schnitt: 40,0 s je SET", "Langsamstes SET: 50 s" }));
  EXPECT_EQ(described, "SET 1: 20 s, 2: 50 s; Gewinnschwelle 37 s");

  seen.clear();
  Speak(lgEnglish);
  Click(Button(bkInfo));
  EXPECT_EQ(seen, QStringList({ "Statistics", "Played to the end: 3", "Abandoned: 1", "SETs: 70", "Time played: 8:20", "Best score: 2500",
                    "Fastest game: 2:30", "Best average: 7.2 s per SET", "Hints: 2", "Mixes: 1", "Last game", "Score: 120", "Time: 1:20",
                    "Average: 40.0 s per SET", "Slowest SET: 50 s" }));
}

TEST_F(TStatsTest, AResetAsksFirstAndKeepsTheReviewsSwitch)
{
  StoreFigures();
  Settings.WriteString("stats", "review", "0");
  Write("tongue", "0");
  Start();
  const QString last = Stat("last");
  for (const bool yes : { false, true }) {
    QString question;
    TModalAnswerer answerer([&](QWidget* dialog) {
      if (dialog->objectName() == "YesNoDlg") {
        question = dialog->accessibleDescription();
        Press(dialog, yes ? Qt::Key_Y : Qt::Key_N);
        return;
      }
      dialog->findChild<QCheckBox*>()->setChecked(true);
      // The question comes from the click: the answerer must be free for it.
      auto* ok = dialog->findChild<TImageButton*>("OkBtn");
      QTimer::singleShot(0, ok, [ok] { Click(ok); });
    });
    QTest::keyClick(&Main(), Qt::Key_T);
    EXPECT_EQ(question, "Delete all statistics?");
    EXPECT_EQ(Stat("played"), yes ? "-" : "3");
    EXPECT_EQ(Stat("last"), yes ? QString("-") : last);
  }
  EXPECT_EQ(Stat("review"), "0");

  // Nothing stored: dashes, and no last game.
  QStringList seen;
  TModalAnswerer answerer([&](QWidget* dialog) {
    seen = Texts(dialog, { "played", "bestscore", "fastest", "bestpace", "lasttitle" });
    EXPECT_FALSE(dialog->findChild<QWidget*>("ReviewPanel")->isVisible());
    Press(dialog, Qt::Key_Return);
  });
  QTest::keyClick(&Main(), Qt::Key_T);
  EXPECT_EQ(seen, QStringList({ "Played to the end: 0", "Best score: –", "Fastest game: –", "Best average: – s per SET",
                    "Last game: none played to its end yet" }));
}

TEST_F(TStatsTest, EveryGameCountsAndTheReviewCanBeTurnedOff)
{
  Write("tongue", "0");
  Start();
  int reviews = 0;
  TModalAnswerer answerer([&](QWidget* dialog) {
    if (dialog->objectName() == "ReviewDlg") {
      ++reviews;
      dialog->findChild<QCheckBox*>()->setChecked(false);
      Press(dialog, Qt::Key_Escape);
    } else if (dialog->objectName() == "HighscoreDlg") {
      Click(dialog->findChild<TImageButton*>("OkBtn"));
    } else {
      Press(dialog, Qt::Key_Y);
    }
  });
  // A hint, then a new game: the first game was begun, so it was abandoned.
  QTest::keyClick(&Main(), Qt::Key_H);
  Click(Button(bkStart));
  EXPECT_EQ(Stat("abandoned"), "1");
  EXPECT_EQ(Stat("hints"), "1");
  EXPECT_EQ(Stat("played"), "0");
  QTest::qWait(20); // the answerer sees the question gone before the message box comes again

  PlayToTheEnd();
  EXPECT_EQ(reviews, 1);
  EXPECT_EQ(Stat("review"), "0");
  EXPECT_EQ(Stat("played"), "1");
  const int sets = Stat("sets").toInt();
  EXPECT_GE(sets, 20);
  const std::optional<TGameReview> last = TGameReview::Decode(Stat("last").toStdString());
  ASSERT_TRUE(last);
  EXPECT_EQ(static_cast<int>(last->Sets.size()), sets);
  EXPECT_EQ(last->Score, Session().GameOf().ComputeScore());

  // The next game: counted, not reviewed; an untouched game at the end is
  // not abandoned, a begun one is.
  Click(Button(bkStart));
  QTest::qWait(20);
  PlayToTheEnd();
  EXPECT_EQ(reviews, 1);
  EXPECT_EQ(Stat("played"), "2");
  Click(Button(bkStart));
  QTest::keyClick(&Main(), Qt::Key_H);
  EXPECT_TRUE(Main().close());
  EXPECT_EQ(Stat("abandoned"), "2");
  EXPECT_EQ(Stat("hints"), "2");
}

} // namespace
