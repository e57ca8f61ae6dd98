#include "shell/DataFolder.h"
#include "shell/ErrorTexts.h"
#include "tests/sound/FakeAudio.h"
#include "tests/shell/ShellFixture.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

// A data folder of the player's own for one test ($XDG_DATA_HOME), with a
// piece of music in it when asked; the earlier folder comes back after.
class TOwnDataFolder {
public:
  explicit TOwnDataFolder(bool withPiece)
    : Before(qgetenv("XDG_DATA_HOME"))
  {
    qputenv("XDG_DATA_HOME", Data.path().toLocal8Bit());
    if (!withPiece)
      return;
    QDir().mkpath(Data.filePath("trivolo/music"));
    QFile piece(Data.filePath("trivolo/music/a.mid"));
    if (piece.open(QIODevice::WriteOnly))
      piece.write("MThd");
  }
  ~TOwnDataFolder() { qputenv("XDG_DATA_HOME", Before); }
  TOwnDataFolder(const TOwnDataFolder&) = delete;
  TOwnDataFolder& operator=(const TOwnDataFolder&) = delete;

  QString FilePath(const QString& name) const { return Data.filePath(name); }

private:
  QTemporaryDir Data;
  QByteArray Before;
};

TEST(DataFolder, IsNextToTheProgramOrWhereThePackageInstalledIt)
{
  QTemporaryDir root;
  const QString games = root.filePath("usr/games");
  const QString shared = root.filePath("usr/share/games/trivolo");
  ASSERT_TRUE(QDir().mkpath(games) && QDir().mkpath(shared));
  EXPECT_EQ(DataFolder(games), games + "/") << "found nowhere: the program's own folder";
  QFile(shared + "/trivolo.html").open(QIODevice::WriteOnly);
  EXPECT_EQ(DataFolder(games), shared + "/");
  QFile(games + "/trivolo.html").open(QIODevice::WriteOnly);
  EXPECT_EQ(DataFolder(games), games + "/") << "a copy next to the program comes first";
}

TEST(HelpSystem, ShowsTheTopicOfAContextInOneViewer)
{
  THelpSystem help(TRIVOLO_HELP_FILE, false, QString());
  QStringList errors;
  help.OnError = [&errors](const QString& text) { errors << text; };
  help.ShowContext(1);
  QPointer<QTextBrowser> viewer = help.Viewer();
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_TRUE(viewer->toPlainText().contains("Spielregeln"));
  EXPECT_FALSE(viewer->toPlainText().contains("The cards"));
  help.ShowContext(2);
  EXPECT_EQ(help.Viewer(), viewer.data()); // raised again, not a second one
  EXPECT_TRUE(viewer->toPlainText().contains("The cards"));
  // Every language has its rules, titled as they are headed.
  const char* const headings[] = { "Trivolo – Spielregeln", "Trivolo – Rules", "Trivolo – Règles du jeu", "Trivolo – Reglas del juego",
    "Trivolo – Regole del gioco", "Trivolo – Spelregels", "Trivolo – Zasady gry", "Trivolo – Regras do jogo", "Trivolo – Spelregler",
    "Trivolo – Правила игры" };
  for (int language = 0; language < LanguageCount; ++language) {
    help.ShowContext(HelpContext(TLanguage(language)));
    EXPECT_EQ(viewer->windowTitle(), QString::fromUtf8(headings[language]));
    EXPECT_TRUE(viewer->toPlainText().contains("SET")) << language;
  }
  help.ShowContext(11);
  EXPECT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.value(0).contains("no topic 11"));
  help.CloseAll();
  EXPECT_FALSE(viewer && viewer->isVisible());
  EXPECT_TRUE(errors.size() == 1);

  THelpSystem missing("/nonexistent/trivolo.html", false, QString());
  missing.OnError = help.OnError;
  missing.ShowContext(2);
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors[1].contains("is missing"));
  EXPECT_EQ(missing.Viewer(), nullptr);
}

TEST(HelpSystem, KeepsADiagnosticLogWhenAsked)
{
  QTemporaryDir dir;
  {
    THelpSystem help("/nonexistent/trivolo.html", true, dir.path());
    help.ShowContext(2);
  }
  QFile log(dir.filePath("HHDebug.txt"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(log.readAll());
  EXPECT_TRUE(text.contains("context 2"));
  EXPECT_TRUE(text.contains("is missing"));
}

TEST_F(TShellTest, TheLogGoesToThePlayersDataFolderNeverBesideTheProgram)
{
  // Switched on by a file beside the program (as an argument would).
  const TOwnDataFolder data(false);
  const QString beside = QCoreApplication::applicationDirPath();
  QFile switchOn(beside + "/debug.debug");
  ASSERT_TRUE(switchOn.open(QIODevice::WriteOnly));
  switchOn.close();
  Write("tongue", "0");
  Start();
  Help()->ShowContext(2);
  Forms.reset();
  switchOn.remove();
  EXPECT_TRUE(QFile::exists(data.FilePath("trivolo/HHDebug.txt")));
  EXPECT_FALSE(QFile::exists(beside + "/HHDebug.txt"));
}

TEST_F(TShellTest, AMachineWithoutSoundIsToldOnceInTheGamesLanguageAfterTheLanguageQuestion)
{
  // A piece of the player's own, so that there is music to open.
  const TOwnDataFolder data(true);
  for (const bool german : { true, false }) {
    QFile::remove(Settings.FileName());
    TFakeAudio silent;
    silent.NoDevice = true;
    QStringList seen;
    TModalAnswerer answerer([&](QWidget* dialog) {
      if (dialog == &Forms->TongueDlg) {
        seen << "the language question";
        Click(german ? Forms->TongueDlg.GermanBtn : Forms->TongueDlg.EnglishBtn);
      } else if (dialog == &Forms->YesNoDlg) {
        seen << Forms->YesNoDlg.txt->text();
        Press(dialog, Qt::Key_Return);
      }
    });
    Start(&silent);
    QTest::qWait(300); // the music is looked for after the first picture
    // Music switched on again: the same trouble is not told twice.
    Music().Switch();
    Music().Switch();
    QTest::qWait(50);
    const QString said = german ? QStringLiteral("Es gibt kein Audiogerät, auf dem Musik spielen könnte.")
                                : QStringLiteral("There is no audio device to play music on.");
    EXPECT_EQ(seen, QStringList({ "the language question", said })) << german;
    Forms.reset();
  }
}

TEST_F(TShellTest, TheMusicIsKeptAliveBeforeTheGameCountsOrMixes)
{
  const TOwnDataFolder data(true);
  Write("tongue", "0");
  TFakeAudio audio;
  Start(&audio, 2024);
  ASSERT_TRUE(QTest::qWaitFor([&] { return audio.Calls.contains("open a.mid"); }, 2000));
  TGameRecord& record = Session().GameOf().Record();

  // Mix: a piece that has ended plays again before the cards are mixed.
  const auto table = record.Table;
  std::optional<decltype(record.Table)> tableAtPlay;
  audio.WhenPlayed = [&] { tableAtPlay = record.Table; };
  audio.Playing = false;
  Click(Button(bkMix));
  ASSERT_TRUE(tableAtPlay);
  EXPECT_EQ(*tableAtPlay, table);
  EXPECT_NE(record.Table, table);

  // The tick: before the game counts the second.
  record.ClockRunning = true;
  std::optional<int> ticksAtPlay;
  const int ticks = record.TimeTicks;
  audio.WhenPlayed = [&] { ticksAtPlay = record.TimeTicks; };
  audio.Playing = false;
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticksAtPlay.has_value(); }, 2500));
  EXPECT_EQ(*ticksAtPlay, ticks);
  EXPECT_GT(record.TimeTicks, ticks);
  audio.WhenPlayed = nullptr;
  Forms.reset();
}

TEST(ErrorTexts, SpeakTheGamesLanguage)
{
  struct TCase {
    const char* English;
    const char* German;
  };
  const TCase cases[] = {
    { "The help file \"/x/trivolo.html\" holds no topic 3.", "Die Hilfedatei \"/x/trivolo.html\" enthält kein Thema 3." },
    { "The settings file \"/c/V2.ini\" could not be written, because the disk is full. It keeps what it held before; not saved: sound, %2.",
      "Die Einstellungsdatei \"/c/V2.ini\" ließ sich nicht schreiben, weil der Datenträger voll ist. Sie behält, was sie vorher "
      "enthielt; nicht gespeichert: sound, %2." },
    { "The settings file \"/c/V2.ini\" could not be read, because another program holds its lock \"/c/V2.ini.lock\" (or it cannot be "
      "read). The game starts with its defaults.",
      "Die Einstellungsdatei \"/c/V2.ini\" ließ sich nicht lesen, weil ein anderes Programm ihre Sperre \"/c/V2.ini.lock\" hält (oder "
      "sie nicht lesbar ist). Das Spiel beginnt mit seinen Voreinstellungen." },
    { "\"/m/ü.mid\" is not a MIDI file.", "\"/m/ü.mid\" ist keine MIDI-Datei." },
    // A system's own message, and a text of the Part's own, stay as they are.
    { "libfoo.so: cannot open shared object file", "libfoo.so: cannot open shared object file" },
    { "Kein MCI-Gerät geöffnet", "Kein MCI-Gerät geöffnet" },
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SayError(QString::fromUtf8(c.English)), QString::fromUtf8(c.English));
    const TSpokenLanguage german(lgGerman);
    EXPECT_EQ(SayError(QString::fromUtf8(c.English)), QString::fromUtf8(c.German));
  }
}

TEST_F(TShellTest, RulesFollowTheLanguageKeepTheirPlaceAndCloseWithTheProgram)
{
  Write("tongue", "1");
  Start();
  Click(Button(bkRules));
  QTextBrowser* viewer = Help()->Viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->toPlainText().contains("Spielregeln"));
  // A window of its own, not the main window's: a compositor keeps a
  // window's own windows above it, and a click on the main window would not
  // bring it back.
  EXPECT_EQ(viewer->window(), viewer);
  EXPECT_EQ(viewer->parentWidget(), nullptr);
  EXPECT_EQ(viewer->windowHandle()->transientParent(), nullptr);
  QScrollBar* scroll = viewer->verticalScrollBar();
  ASSERT_GT(scroll->maximum(), 0);
  scroll->setValue(scroll->maximum() / 2);
  const int place = scroll->value();
  Click(Button(bkRules));
  EXPECT_EQ(Help()->Viewer(), viewer);
  EXPECT_EQ(scroll->value(), place); // raised as it was
  Speak(lgEnglish);
  Click(Button(bkRules));
  EXPECT_EQ(Help()->Viewer(), viewer);
  EXPECT_TRUE(viewer->toPlainText().contains("Rules"));

  // Quitting closes the rules at once, so that nothing keeps the program
  // running, and the placement is saved.
  QPointer<QTextBrowser> watch(viewer);
  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    EXPECT_TRUE(Main().close());
  }
  EXPECT_TRUE(!watch || !watch->isVisible());
  EXPECT_TRUE(Stored("MainForm").startsWith("200,"));
  Forms.reset();
}

TEST_F(TShellTest, InfoDialogClosesWithItsButtonAndKeys)
{
  Write("tongue", "1");
  Start();
  for (const Qt::Key key : { Qt::Key_Return, Qt::Key_J, Qt::Key_Y }) {
    QString hint;
    TModalAnswerer answerer([&](QWidget* dialog) {
      hint = Forms->InfoDlg.OKBtn->toolTip();
      QTest::keyClick(dialog, Qt::Key_Escape); // not one of its keys
      Press(dialog, key);
    });
    Click(Button(bkInfo));
    EXPECT_EQ(answerer.Seen, 1);
    EXPECT_EQ(hint, "Zurück zum Spiel");
  }
  TModalAnswerer answerer([&](QWidget*) { Click(Forms->InfoDlg.OKBtn); });
  Click(Button(bkInfo));
  EXPECT_EQ(answerer.Seen, 1);
  EXPECT_TRUE(Forms->InfoDlg.Lines->text().contains("Mollberg"));
}

TEST_F(TShellTest, EffectsObeyTheSoundSwitchAndMixRestartsTheMusic)
{
  TFakeAudio fake;
  Write("tongue", "0");
  Start(&fake);
  const TBoardLayout& l = Session().BoardOf().Layout();
  const QPoint card(CellRect(l, TSlot {}).CentreX(), CellRect(l, TSlot {}).CentreY());
  fake.Take();
  QTest::mouseClick(Box(), Qt::LeftButton, {}, card);
  EXPECT_EQ(fake.Take(), QStringList({ "effect 4" })); // a pick: effect 5
  State().SoundOn = false;
  QTest::mouseClick(Box(), Qt::LeftButton, {}, card);
  EXPECT_TRUE(fake.Take().isEmpty());

  QTemporaryDir dir;
  QFile piece(dir.filePath("a.mid"));
  ASSERT_TRUE(piece.open(QIODevice::WriteOnly));
  piece.close();
  State().ProgramDir = dir.path() + QLatin1Char('/');
  Music().Start();
  Session().GameOf().Record().GameState = gsOver;
  fake.Take();
  Click(Button(bkMix));
  EXPECT_EQ(fake.Take(), QStringList({ "play" }));
  fake.Playing = false; // the piece has just ended
  Click(Button(bkMix));
  EXPECT_EQ(fake.Take(), QStringList({ "play" }));
  Forms.reset(); // before the fake sound layer goes
}

} // namespace
