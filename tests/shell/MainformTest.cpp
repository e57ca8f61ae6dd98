#include "game/SetFinder.h"
#include "tests/shell/ShellFixture.h"

#include <QDir>

namespace {

TEST_F(TShellTest, FirstStartAsksForTheLanguageOnceAndSpeaksIt)
{
  {
    TModalAnswerer answerer([](QWidget* dialog) {
      ASSERT_EQ(dialog->objectName(), "TongueDlg");
      TShellTest::Click(dialog->findChild<TImageButton*>("GermanBtn"));
    });
    Start();
    EXPECT_EQ(answerer.Seen, 1);
  }
  EXPECT_EQ(State().Tongue, 1);
  EXPECT_EQ(Button(bkStart)->toolTip(), "Ich fang neu an.");
  EXPECT_EQ(Score()->text(), "Punkte:");

  State().SoundOn = false;
  State().BackMode = 3;
  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Main().close();
  }
  EXPECT_FALSE(Main().isVisible());
  // Written in order at close; the placement is saved with the window.
  EXPECT_EQ(Stored("tongue"), "1");
  EXPECT_EQ(Stored("sound"), "0");
  EXPECT_EQ(Stored("music"), "1");
  EXPECT_EQ(Stored("hint"), "1");
  EXPECT_EQ(Stored("backmode"), "3");
  Forms.reset();
  EXPECT_TRUE(Stored("MainForm").startsWith("200,"));

  // The next start asks nothing.
  TModalAnswerer watcher([](QWidget*) { ADD_FAILURE() << "unexpected dialog"; });
  Start();
  EXPECT_EQ(watcher.Seen, 0);
  EXPECT_EQ(State().BackMode, 3);
}

TEST_F(TShellTest, AStoredLanguageAsksNothingAndOddValuesSpeakEnglish)
{
  for (const char* stored : { "0", "7" }) {
    Write("tongue", stored);
    TModalAnswerer watcher([](QWidget*) { ADD_FAILURE() << "unexpected dialog"; });
    Start();
    EXPECT_EQ(watcher.Seen, 0) << stored;
    EXPECT_EQ(Button(bkOptions)->toolTip(), " I want to change the options.");
    EXPECT_EQ(Score()->text(), "Score:");
    Forms.reset();
  }
}

TEST_F(TShellTest, NoToTheCloseQuestionKeepsEverything)
{
  Write("tongue", "0");
  Start();
  State().SoundOn = false;
  for (const Qt::Key key : { Qt::Key_N, Qt::Key_Escape }) {
    TModalAnswerer answerer([key](QWidget* dialog) { Press(dialog, key); });
    Main().close();
    EXPECT_EQ(answerer.Seen, 1);
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(Stored("sound"), "-");
  }
}

QStringList Warnings;

TEST_F(TShellTest, QuittingEndsTheProgramWhenTheSettingsCannotBeWritten)
{
  Write("tongue", "0");
  Start();
  const QString lock = Settings.FileName() + ".lock";
  ASSERT_TRUE(QDir().mkpath(lock)); // no write can take its lock
  Warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { Warnings << text; });
  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    EXPECT_TRUE(Main().close());
  }
  qInstallMessageHandler(previous);
  ASSERT_TRUE(QDir(lock).removeRecursively());
  EXPECT_FALSE(Main().isVisible());
  // One report for the settings and the placement together.
  EXPECT_EQ(Warnings.filter("could not be written").size(), 1) << Warnings.join('\n').toStdString();
  EXPECT_EQ(Stored("tongue"), "0");
  EXPECT_EQ(Stored("MainForm"), "-");
}

TEST_F(TShellTest, RightHandButtonsFollowTheWidth)
{
  Write("tongue", "0");
  Start();
  for (const int width : { 640, 800, 1000 }) {
    Main().resize(width, 500);
    QTest::qWait(10);
    EXPECT_EQ(Button(bkOptions)->x(), width - 208) << width;
    EXPECT_EQ(Button(bkInfo)->x(), width - 156) << width;
    EXPECT_EQ(Button(bkRules)->x(), width - 104) << width;
    EXPECT_EQ(Button(bkExit)->x(), width - 52) << width;
    EXPECT_EQ(Button(bkMix)->x(), 4);
    EXPECT_EQ(Button(bkTip)->x(), 212);
    EXPECT_EQ(Session().BoardOf().Width(), width);
  }
}

TEST_F(TShellTest, AWholeGamePlayedWithMouseClicks)
{
  Write("tongue", "0");
  Start(nullptr, 2024); // the same deal every run
  TGame& game = Session().GameOf();
  QStringList messages;
  int entries = 0;
  QStringList reviewed;
  TModalAnswerer answerer([&](QWidget* dialog) {
    if (dialog->objectName() == "HighscoreDlg") {
      ++entries;
      Click(dialog->findChild<TImageButton*>("OkBtn"));
      return;
    }
    if (dialog->objectName() == "ReviewDlg") {
      EXPECT_EQ(entries, 1) << "the review comes after the high-score entry";
      for (const char* name : { "title", "score", "sets" })
        reviewed << dialog->findChild<QLabel*>(name)->text();
      Click(dialog->findChild<TImageButton*>("OkBtn"));
      return;
    }
    if (auto* label = dialog->findChild<QLabel*>())
      messages << label->text();
    Press(dialog, Qt::Key_Y);
  });
  int presses = 0;
  while (game.Record().GameState != gsOver && presses < 400) {
    const auto set = FirstSetOnTable(game.Record());
    if (!set) {
      Click(Button(bkMix));
      ++presses;
      continue;
    }
    for (const TSlot& s : *set) {
      const TBoardLayout& l = Session().BoardOf().Layout();
      const TCellRect cell = CellRect(l, s);
      const QPoint centre(cell.CentreX(), cell.CentreY());
      QTest::mouseClick(Box(), Qt::LeftButton, {}, centre);
      ++presses;
    }
  }
  ASSERT_EQ(game.Record().GameState, gsOver);
  ASSERT_FALSE(messages.isEmpty());
  // The seeded deal ends with nine cards on the table and no SET among them.
  EXPECT_EQ(messages.last(), "No more SET possible.\nYou are at the end.");
  EXPECT_EQ(game.Record().TakenCount, 72);
  // The board shows the last state: an empty slot is black.
  QImage& surface = Box()->Surface();
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row)
      if (game.Record().Table[col][row] == 0) {
        const TBoardLayout& l = Session().BoardOf().Layout();
        const TCellRect cell = CellRect(l, TSlot { col, row });
        EXPECT_EQ(surface.pixel(cell.CentreX(), cell.CentreY()) & 0xFFFFFFU, 0U);
      }
  // A positive score was entered in the list, which outlives the program.
  const int score = game.ComputeScore();
  ASSERT_GT(score, 0);
  EXPECT_EQ(entries, 1);
  EXPECT_EQ(reviewed, QStringList({ "Your game", QStringLiteral("Score: %1").arg(score), "SETs: 24" }));
  EXPECT_EQ(Settings.ReadString("stats", "played", "-"), "1");
  EXPECT_EQ(Settings.ReadString("stats", "sets", "-"), "24");
  // Start begins a new game without a question.
  const int seen = answerer.Seen;
  Click(Button(bkStart));
  EXPECT_EQ(answerer.Seen, seen);
  EXPECT_EQ(game.ComputeScore(), 33);
  Forms.reset();
  Start();
  QString best;
  TModalAnswerer viewer([&](QWidget* dialog) {
    best = dialog->findChild<QLabel*>("sco0")->text();
    Click(dialog->findChild<TImageButton*>("OkBtn"));
  });
  Click(Button(bkHighScore));
  EXPECT_EQ(best, QString::number(score));
}

} // namespace
