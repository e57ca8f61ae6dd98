// The practice game as a player meets it in the window, the rules' pictures
// and the first start's pointer.
#include "assets/Artwork.h"
#include "game/CardCode.h"
#include "game/SetFinder.h"
#include "shell/BoardReader.h"
#include "shell/RulePictures.h"
#include "tests/shell/ShellFixture.h"
#include "toolkit/ShapeHint.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace {

TEST_F(TShellTest, APracticeGameStartsByItsButtonOrKeyAndTheBoardSaysSo)
{
  Write("tongue", "0");
  Start();
  const TBoardReader* reader = TBoardReader::Of(Box());
  // The practice button and the count stand in the strip left of the
  // cards, under the detector's panel, at every size.
  for (const QSize size : { QSize(640, 450), QSize(701, 401), QSize(1200, 900), QSize(700, 1000) }) {
    Main().resize(size);
    QTest::qWait(10);
    const TBoardLayout& lay = Session().BoardOf().Layout();
    for (const TButtonKey key : { bkPractice, bkDeals }) {
      const QRect button = Button(key)->geometry();
      EXPECT_LE(button.right(), lay.GridLeft) << size.width() << "x" << size.height();
      EXPECT_GE(button.top(), lay.PanelTop + 5 * lay.PanelSize + 40) << size.width() << "x" << size.height();
      EXPECT_LE(button.bottom(), lay.GridTop + 4 * lay.CellSize) << size.width() << "x" << size.height();
      EXPECT_GE(button.left(), 0);
    }
    EXPECT_FALSE(Button(bkPractice)->geometry().intersects(Button(bkDeals)->geometry()));
  }
  EXPECT_FALSE(SetsOnTable()->isVisible());

  // F3 during a game asks the question Start asks.
  TModalAnswerer yes([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
  QTest::keyClick(&Main(), Qt::Key_F3);
  EXPECT_EQ(yes.Seen, 1);
  ASSERT_TRUE(Session().Practising());
  const int sets = Session().SetsOnTable();
  EXPECT_EQ(Score()->text(), "Practice, seconds:");
  EXPECT_TRUE(SetsOnTable()->isVisible());
  EXPECT_EQ(SetsOnTable()->text(), QStringLiteral("SETs on the table: %1").arg(sets));
  EXPECT_TRUE(reader->Description().startsWith(QStringLiteral("Practice, time played: 0:00, SETs on the table: %1, game running").arg(sets)))
    << reader->Description().toStdString();
  {
    const TSpokenLanguage german(lgGerman);
    Speak(lgGerman);
    EXPECT_EQ(Score()->text(), QString::fromUtf8("Übung, Sekunden:"));
    EXPECT_EQ(SetsOnTable()->text(), QStringLiteral("SETs auf dem Tisch: %1").arg(sets));
    Speak(lgEnglish);
  }

  // Start deals a normal game; the button deals a practice game again.
  QTest::qWait(20); // the answerer sees the first question gone
  Click(Button(bkStart));
  EXPECT_FALSE(Session().Practising());
  EXPECT_EQ(Score()->text(), "Score:");
  EXPECT_FALSE(SetsOnTable()->isVisible());
  EXPECT_TRUE(reader->Description().startsWith("Score: 33")) << reader->Description().toStdString();
  QTest::qWait(20);
  Click(Button(bkPractice));
  EXPECT_TRUE(Session().Practising());
  EXPECT_EQ(yes.Seen, 3);
}

// A practice game by mouse clicks alone, to its end: the message says so,
// and the settings file after closing is the one a player who never
// practised leaves (no list, no figures).
TEST_F(TShellTest, APracticeGamePlayedByMouseToItsEndLeavesTheSettingsAsTheyWere)
{
  const auto closed = [this] {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Main().close();
    Forms.reset();
    QFile file(Settings.FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  // A player who starts the program and quits.
  Write("tongue", "0");
  Start();
  const QByteArray untouched = closed();
  QFile::remove(Settings.FileName());

  Write("tongue", "0");
  Start();
  QStringList dialogs;
  TModalAnswerer answerer([&](QWidget* dialog) {
    const auto* label = dialog->findChild<QLabel*>();
    dialogs << dialog->objectName() + QStringLiteral(": ") + (label ? label->text() : QString());
    Press(dialog, Qt::Key_Y);
  });
  Click(Button(bkPractice));
  QTest::qWait(20);
  TGame& game = Session().GameOf();
  for (int presses = 0; game.Record().GameState != gsOver && presses < 400; presses += 3) {
    const auto set = FirstSetOnTable(game.Record());
    ASSERT_TRUE(set.has_value());
    for (const TSlot& s : *set)
      QTest::mouseClick(Box(), Qt::LeftButton, {}, Cell(s).center());
    EXPECT_EQ(SetsOnTable()->text(), QStringLiteral("SETs on the table: %1").arg(Session().SetsOnTable()));
  }
  ASSERT_EQ(game.Record().GameState, gsOver);
  QTest::qWait(20);
  ASSERT_EQ(dialogs.size(), 2) << dialogs.join('\n').toStdString();
  EXPECT_TRUE(dialogs[1].contains("Practice over: ")) << dialogs[1].toStdString();
  EXPECT_EQ(closed().toStdString(), untouched.toStdString());
}

// The label over the seconds stays clear of the right-hand buttons on the
// narrowest window in every language, with four digits of seconds.
TEST_F(TShellTest, ThePracticeLabelFitsBesideTheButtonsInEveryLanguage)
{
  Write("tongue", "0");
  Start();
  Main().resize(640, 450);
  {
    TModalAnswerer yes([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Session().PracticeBtnClick();
  }
  for (int second = 0; second < 1000; ++second) {
    Session().GameOf().Record().ClockRunning = true;
    Session().Timer1Timer();
  }
  for (int language = 0; language < LanguageCount; ++language) {
    Speak(TLanguage(language));
    EXPECT_LE(Score()->x() + QFontMetrics(Score()->font()).horizontalAdvance(Score()->text()), Button(bkOptions)->x() - 4)
      << LanguageCode(TLanguage(language)).toStdString() << ": " << Score()->text().toStdString();
  }
}

TEST_F(TShellTest, ANewPlayerIsPointedAtTheRulesOnceAndTheBalloonGoesAtAKey)
{
  {
    TModalAnswerer english([](QWidget* dialog) { Click(dialog->findChild<TImageButton*>("EnglishBtn")); });
    Start();
  }
  ASSERT_TRUE(Hints()->BalloonVisible());
  EXPECT_EQ(Hints()->Balloon()->accessibleName(),
    "New here? The rules show the SETs in pictures, and a practice game (F3) counts no points.");
  const QRect balloon = Hints()->Balloon()->geometry();
  const QRect rules(Button(bkRules)->mapToGlobal(QPoint(0, 0)), Button(bkRules)->size());
  EXPECT_TRUE(balloon.adjusted(-30, -30, 30, 30).intersects(rules)) << "next to the rules button";
  // The pointer's hints wait while it shows.
  QTest::mouseMove(Button(bkMix), QPoint(25, 25));
  QTest::qWait(TShapeHint::ShowDelayMs + 100);
  EXPECT_EQ(Hints()->Balloon()->accessibleName().left(9), "New here?");
  QTest::keyClick(&Main(), Qt::Key_Shift);
  EXPECT_FALSE(Hints()->BalloonVisible());

  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Main().close();
  }
  Forms.reset();
  Start();
  EXPECT_FALSE(Hints()->BalloonVisible()) << "only on the first start";
}

// The examples teach the rule: each SET has one to four attributes that
// differ, each non-SET fails on exactly the attribute its text names.
TEST(RulePictures, EveryExampleIsWhatItsTextSays)
{
  const auto examples = TRulePictures::Examples();
  ASSERT_EQ(examples.size(), 8u);
  for (std::size_t i = 0; i < examples.size(); ++i) {
    const auto& e = examples[i];
    std::array<std::int32_t, 4> match {};
    const bool set = ComputeMatch(e.Codes[0], e.Codes[1], e.Codes[2], match);
    // AttrMatch order: colour, shape, number, fill.
    if (i < 4) {
      EXPECT_TRUE(set) << e.Name;
      EXPECT_EQ(std::count(match.begin(), match.end(), 2), static_cast<long>(i + 1)) << e.Name;
    } else {
      EXPECT_FALSE(set) << e.Name;
      const int failing[] = { 0, 1, 3, 2 }; // colour, shape, fill, number
      for (int a = 0; a < 4; ++a)
        EXPECT_EQ(match[static_cast<std::size_t>(a)] == 0, a == failing[i - 4]) << e.Name << " attribute " << a;
    }
  }
}

// Every language's rules get their pictures, drawn sharp at each density,
// in the player's colours, each named in the language.
TEST(RulePictures, EveryTopicShowsItsExamplesInPicturesAndWords)
{
  const TDlgResources resources;
  const TBitmapList bmps = LoadBmps();
  const TRulePictures pictures(bmps, resources);
  QFile file(QStringLiteral(TRIVOLO_HELP_FILE));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  for (int language = 0; language < LanguageCount; ++language) {
    const TSpokenLanguage spoken{ TLanguage(language) };
    QTextDocument document;
    const QString topic = pictures.Expand(THelpSystem::Topic(html, HelpContext(TLanguage(language))), document, false, 1);
    EXPECT_FALSE(topic.contains("<!--pictures")) << language;
    static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    int images = 0;
    for (auto it = image.globalMatch(topic); it.hasNext(); ++images)
      EXPECT_FALSE(document.resource(QTextDocument::ImageResource, QUrl(it.next().captured(1))).isNull());
    EXPECT_EQ(images, 10) << "eight examples, the worked score and the buttons, language " << language;
  }

  QTextDocument document;
  const QString english = pictures.Expand(THelpSystem::Topic(html, 2), document, false, 1);
  for (const char* line : { "The cards: one blue empty square, one green empty square, one red empty square.",
         "3 cards × 9 = 27 points", "2 attributes alike × 13 = 26 points", "2 attributes different × 26 = 52 points",
         "With the SET detector on: 27 + 78 = 105 points", "With the SET detector off the bonus counts twice: 27 + 2 × 78 = 183 points" })
    EXPECT_TRUE(english.contains(QString::fromUtf8(line))) << line;

  // Sharp at every density: the surface has the density's pixels.
  const int codes[3] = { 3, 30, 81 };
  for (const qreal density : { 1.0, 1.5, 2.0 }) {
    const QImage cards = pictures.Cards(codes, false, density);
    EXPECT_EQ(cards.size(), QSize(qRound(216 * density), qRound(72 * density))) << density;
    EXPECT_EQ(cards.deviceIndependentSize(), QSizeF(216, 72));
    EXPECT_EQ(pictures.ButtonBar(density).deviceIndependentSize().toSize(), pictures.ButtonBar(1).size());
  }
  // The easy colours draw red as vermillion.
  const auto has = [](const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
          return true;
    return false;
  };
  EXPECT_TRUE(has(pictures.Cards(codes, false, 1), qRgb(255, 0, 0)));
  EXPECT_FALSE(has(pictures.Cards(codes, true, 1), qRgb(255, 0, 0)));
  EXPECT_TRUE(has(pictures.Cards(codes, true, 1), qRgb(213, 94, 0)));
}

} // namespace
