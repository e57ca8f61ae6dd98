#include "assets/Artwork.h"
#include "shell/CardNames.h"
#include "shell/HeldKeys.h"
#include "shell/KeyMap.h"
#include "tests/shell/ShellFixture.h"

#include <QAccessible>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QTextBrowser>

#include <cmath>

namespace {

int PickedCount(const TGameRecord& record)
{
  int picked = 0;
  for (const auto& column : record.Picked)
    for (const bool p : column)
      picked += p;
  return picked;
}

TEST(KeyMap, CardsByKeyPositionOnEveryLayout)
{
  struct TCase {
    int Key;
    unsigned ScanCode;
    std::optional<TSlot> Slot;
  };
  const TCase cases[] = {
    { Qt::Key_1, 0, TSlot { 0, 0 } },
    { Qt::Key_R, 0, TSlot { 3, 1 } },
    { Qt::Key_V, 0, TSlot { 3, 3 } },
    { Qt::Key_5, 0, std::nullopt },
    { Qt::Key_Y, 52, TSlot { 0, 3 } }, // German: Y where a US keyboard has Z
    { Qt::Key_A, 24, TSlot { 0, 1 } }, // French: A where a US keyboard has Q
    { Qt::Key_Z, 29, std::nullopt },   // German: Z where a US keyboard has Y
    { Qt::Key_4, 13, TSlot { 3, 0 } },
  };
  for (const TCase& c : cases)
    EXPECT_EQ(CardKeySlot(c.Key, c.ScanCode), c.Slot) << c.Key << " " << c.ScanCode;
  EXPECT_EQ(ButtonKey(Qt::Key_Q, Qt::ControlModifier), bkExit);
  EXPECT_EQ(ButtonKey(Qt::Key_N, Qt::ControlModifier), bkStart);
  EXPECT_EQ(ButtonKey(Qt::Key_M, Qt::AltModifier), bkNone);
}

TEST_F(TShellTest, TheGameIsPlayedWithTheKeyboardAlone)
{
  Write("tongue", "0");
  Start(nullptr, 2024);
  TGameRecord& record = Session().GameOf().Record();
  QWidget* window = &Main();

  // A card key is a press on its slot; the cursor follows it.
  QTest::keyClick(window, Qt::Key_W);
  EXPECT_TRUE(record.Picked[1][1]);
  EXPECT_EQ(Box()->KeyCursor(), Cell(TSlot { 1, 1 }));
  QTest::keyClick(window, Qt::Key_W);
  EXPECT_FALSE(record.Picked[1][1]);
  // The arrows move the cursor, stopping at the edges; Space presses.
  for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up })
    QTest::keyClick(window, key);
  QTest::keyClick(window, Qt::Key_Space);
  EXPECT_TRUE(record.Picked[3][0]);
  // The pointer over the board takes the cursor away.
  // (Sent to the board: a compositor may not let a client move the pointer.)
  QMouseEvent move(QEvent::MouseMove, QPointF(20, 200), Box()->mapToGlobal(QPointF(20, 200)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Box(), &move);
  EXPECT_TRUE(Box()->KeyCursor().isEmpty());

  // H shows a SET while it is held.
  QTest::keyPress(window, Qt::Key_H);
  EXPECT_EQ(PickedCount(record), 3);
  QTest::keyRelease(window, Qt::Key_H);
  EXPECT_EQ(PickedCount(record), 0);

  // P pauses and resumes; F2 asks before it gives up the game.
  QTest::keyClick(window, Qt::Key_P);
  EXPECT_EQ(record.GameState, gsPaused);
  QTest::keyClick(window, Qt::Key_Pause);
  EXPECT_EQ(record.GameState, gsRunning);
  QStringList asked;
  for (const auto& [key, modifiers] : { std::pair { Qt::Key_F2, Qt::NoModifier }, std::pair { Qt::Key_Q, Qt::ControlModifier } }) {
    TModalAnswerer answerer([&](QWidget* dialog) {
      asked << static_cast<TYesNoDlg*>(dialog)->txt->text();
      Press(dialog, Qt::Key_N);
    });
    QTest::keyClick(window, key, modifiers);
  }
  EXPECT_EQ(asked, QStringList({ "Do you really want to give up the game?", "Do you really want to go?" }));
  EXPECT_TRUE(Main().isVisible()) << "No keeps the program";

  // While a dialog is open the card keys are the dialog's.
  QTest::keyClick(window, Qt::Key_W);
  ASSERT_TRUE(record.Picked[1][1]);
  {
    TModalAnswerer answerer([&](QWidget* dialog) {
      QTest::keyClick(dialog, Qt::Key_W);
      QTest::keyClick(dialog, Qt::Key_Return);
      dialog->close();
    });
    QTest::keyClick(window, Qt::Key_O);
  }
  EXPECT_TRUE(record.Picked[1][1]);
}

// Sends a key as a keyboard sends it, with its time stamp; repeats of a held
// key come flagged, or (X11) as a release and a press with one time stamp.
void SendKey(QWidget* widget, QEvent::Type type, Qt::Key key, bool flagged, unsigned long timestamp)
{
  QKeyEvent event(type, key, Qt::NoModifier, 0, 0, 0, QString(), flagged);
  event.setTimestamp(timestamp);
  QApplication::sendEvent(widget, &event);
}

// A busy machine may deliver a pair's press only after pairGapMs.
void Hold(QWidget* widget, Qt::Key key, int repeats, bool flagged, const std::function<void()>& whileHeld = {}, int pairGapMs = 0)
{
  static unsigned long clock = 1000;
  SendKey(widget, QEvent::KeyPress, key, false, clock += 500);
  for (int i = 0; i < repeats; ++i) {
    clock += 33;
    SendKey(widget, QEvent::KeyRelease, key, flagged, clock);
    if (pairGapMs > 0)
      QTest::qWait(pairGapMs);
    SendKey(widget, QEvent::KeyPress, key, flagged, clock);
    QTest::qWait(2);
  }
  if (whileHeld)
    whileHeld();
  SendKey(widget, QEvent::KeyRelease, key, false, clock += 33);
  QTest::qWait(THeldKeys::ReleaseWaitMs + 40);
}

TEST_F(TShellTest, AHeldKeyActsOnceAndOnlyTheArrowsRepeat)
{
  Write("tongue", "0");
  Start(nullptr, 2024);
  TGameRecord& record = Session().GameOf().Record();
  QWidget* window = &Main();

  // H: one hint however long it is held, shown until it is let go.
  for (const bool flagged : { true, false }) {
    const int tips = record.TipCount;
    int shown = 0;
    Hold(window, Qt::Key_H, 20, flagged, [&] { shown = PickedCount(record); });
    EXPECT_EQ(record.TipCount, tips + 1) << flagged;
    EXPECT_EQ(shown, 3) << flagged;
    EXPECT_EQ(PickedCount(record), 0) << flagged;
  }
  // The pair's press after the release's wait: still one hint.
  {
    const int tips = record.TipCount;
    Hold(window, Qt::Key_H, 3, false, {}, THeldKeys::ReleaseWaitMs + 30);
    EXPECT_EQ(record.TipCount, tips + 1);
  }
  // Two presses are two hints.
  const int tips = record.TipCount;
  Hold(window, Qt::Key_H, 0, false);
  Hold(window, Qt::Key_H, 0, false);
  EXPECT_EQ(record.TipCount, tips + 2);

  // A held card key picks once; a held arrow moves on.
  for (const bool flagged : { true, false }) {
    Hold(window, Qt::Key_W, 10, flagged);
    EXPECT_TRUE(record.Picked[1][1]) << flagged;
    Hold(window, Qt::Key_W, 0, false);
    EXPECT_FALSE(record.Picked[1][1]) << flagged;
  }
  Hold(window, Qt::Key_Left, 5, true);
  EXPECT_EQ(Box()->KeyCursor(), Cell(TSlot { 0, 1 })) << "five steps left from the second column stop at the edge";
  Hold(window, Qt::Key_Right, 2, true);
  EXPECT_EQ(Box()->KeyCursor(), Cell(TSlot { 3, 1 }));
}

// The key goes where a keyboard sends it: to the dialog's focused control.
void Type(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
  QWidget* focus = dialog->focusWidget();
  QTest::keyClick(focus ? focus : dialog, key, modifiers);
}

QString Spoken(QWidget* widget, QAccessible::Text text)
{
  return QAccessible::queryAccessibleInterface(widget)->text(text);
}

TEST_F(TShellTest, EveryDialogIsAnsweredWithTabAndSpace)
{
  Write("tongue", "1");
  Start(nullptr, 2024);
  TShellState& state = State();
  // Runs the keys in the dialog that opens; a dialog they leave open fails
  // the test and is closed, so that no case waits for ever.
  struct TSeen {
    QString Name, Description, Focus;
    bool LeftOpen = false;
  };
  const auto answer = [](const std::function<void()>& open, const std::function<void(QWidget*)>& keys) {
    TSeen seen;
    TModalAnswerer answerer([&](QWidget* dialog) {
      seen.Name = Spoken(dialog, QAccessible::Name);
      seen.Description = Spoken(dialog, QAccessible::Description);
      seen.Focus = dialog->focusWidget() ? Spoken(dialog->focusWidget(), QAccessible::Name) : QString();
      keys(dialog);
      seen.LeftOpen = dialog->isVisible();
      if (seen.LeftOpen)
        static_cast<QDialog*>(dialog)->reject();
    });
    open();
    return seen;
  };

  // Options: Escape keeps them open; Space presses each control in turn.
  TOptionDlg& options = Forms->OptionDlg;
  const TShellState before = state;
  bool escapeClosed = true;
  state.MusicAvailable = true;
  TSeen seen = answer([&] { options.ShowModal(); }, [&](QWidget* dialog) {
    Type(dialog, Qt::Key_Escape);
    escapeClosed = !dialog->isVisible();
    for (int control = 0; control < 7 && dialog->isVisible(); ++control) {
      Type(dialog, Qt::Key_Space);
      if (control == 0) // round the ten languages, back to German
        for (int more = 1; more < LanguageCount; ++more)
          Type(dialog, Qt::Key_Space);
      if (dialog->isVisible())
        Type(dialog, Qt::Key_Tab);
    }
  });
  EXPECT_FALSE(escapeClosed);
  EXPECT_FALSE(seen.LeftOpen) << "Space on OK closes the options";
  EXPECT_EQ(seen.Name, options.OptLabel->text());
  EXPECT_EQ(seen.Focus, options.TongueBtn->accessibleName());
  EXPECT_EQ(state.Tongue, 1);
  EXPECT_NE(state.SoundOn, before.SoundOn);
  EXPECT_NE(state.MusicOn, before.MusicOn);
  EXPECT_EQ(state.BackMode, before.BackMode + 1);
  EXPECT_NE(state.DetectorOn, before.DetectorOn);
  EXPECT_NE(state.Palette, before.Palette);
  state.Palette = 0;
  // Shift+Tab goes back round: from the first control to OK.
  seen = answer([&] { options.ShowModal(); }, [&](QWidget* dialog) {
    Type(dialog, Qt::Key_Backtab, Qt::ShiftModifier);
    Type(dialog, Qt::Key_Space);
  });
  EXPECT_FALSE(seen.LeftOpen);

  // The question: Yes has the focus, Tab reaches No.
  seen = answer([&] { EXPECT_EQ(Forms->YesNoDlg.ShowCode(mcReallyQuit), mrNo); }, [&](QWidget* dialog) {
    Type(dialog, Qt::Key_Tab);
    Type(dialog, Qt::Key_Space);
  });
  EXPECT_EQ(seen.Name, QStringLiteral("Trivolo"));
  EXPECT_EQ(seen.Description, QStringLiteral("Willst Du wirklich schon aufhören?"));
  EXPECT_EQ(seen.Focus, QStringLiteral("Ja"));

  // The language question.
  seen = answer([&] { Forms->TongueDlg.exec(); }, [&](QWidget* dialog) {
    Type(dialog, Qt::Key_Tab);
    Type(dialog, Qt::Key_Space);
  });
  EXPECT_EQ(state.Tongue, 0);
  EXPECT_EQ(seen.Name, QStringLiteral("Sprache / Language"));
  EXPECT_EQ(seen.Focus, QStringLiteral("Ich spreche deutsch"));
  Speak(lgGerman);

  // A name entered: Enter and Escape do nothing, Tab reaches OK.
  THighscoreDlg& list = Forms->HighscoreDlg;
  bool enterClosed = true;
  seen = answer([&] { list.ShowModal(4000, false); }, [&](QWidget* dialog) {
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Escape })
      Type(dialog, key);
    enterClosed = !dialog->isVisible();
    list.Edit1->selectAll();
    QTest::keyClicks(list.Edit1, QStringLiteral("Tastatur"));
    Type(dialog, Qt::Key_Tab);
    Type(dialog, Qt::Key_Space);
  });
  EXPECT_FALSE(enterClosed);
  EXPECT_FALSE(seen.LeftOpen);
  EXPECT_EQ(seen.Name, QStringLiteral("Trivolo - Bestenliste"));
  EXPECT_EQ(seen.Focus, QStringLiteral("Dein Name"));
  EXPECT_EQ(list.FTable.Row(0).Name, QStringLiteral("Tastatur"));
  // Cancel, two steps on.
  seen = answer([&] { list.ShowModal(5000, false); }, [&](QWidget* dialog) {
    Type(dialog, Qt::Key_Tab);
    Type(dialog, Qt::Key_Tab);
    Type(dialog, Qt::Key_Space);
  });
  EXPECT_FALSE(seen.LeftOpen);
  // The list viewed (Cancel kept the name above): its one button has the focus and closes it.
  seen = answer([&] { list.ShowModal(0, true); }, [&](QWidget* dialog) { Type(dialog, Qt::Key_Space); });
  EXPECT_FALSE(seen.LeftOpen);
  EXPECT_EQ(seen.Focus, QStringLiteral("Liste schließen"));
  EXPECT_EQ(Forms->HighscoreDlg.findChild<QLabel*>(QStringLiteral("pla0"))->text(), QStringLiteral("Tastatur"));

  // Info.
  seen = answer([&] { Forms->InfoDlg.ShowModal(); }, [&](QWidget* dialog) { Type(dialog, Qt::Key_Space); });
  EXPECT_FALSE(seen.LeftOpen);
  EXPECT_EQ(seen.Name, QStringLiteral("Info"));
  EXPECT_TRUE(seen.Description.startsWith(QStringLiteral("Trivolo\nVersion ")));
}

// The events that assistive technology receives: kind and slot position
// (-1 for the board itself).
std::vector<std::pair<QAccessible::Event, int>> Announced;

void Record(QAccessibleEvent* event)
{
  QAccessibleInterface* node = event->accessibleInterface();
  QAccessibleInterface* parent = node ? node->parent() : nullptr;
  const bool slot = parent && parent->object() && parent->object()->inherits("TBoardWidget");
  Announced.emplace_back(event->type(), slot ? parent->indexOfChild(node) : -1);
}

TEST_F(TShellTest, PicksAndTheFrameAreAnnounced)
{
  Write("tongue", "0");
  Start(nullptr, 2024);
  // A desktop's bridge connects to the accessibility bus a moment after the
  // start; the headless platform has none.
  if (QGuiApplication::platformName() != QLatin1String("offscreen"))
    for (int wait = 0; wait < 750 && !QAccessible::isActive(); ++wait)
      QTest::qWait(20);
  if (!QAccessible::isActive())
    GTEST_SKIP() << "no accessibility bridge on this platform (the screen-reader check runs this test on one)";
  const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(Record);
  const auto count = [](QAccessible::Event type, int position) {
    return std::count(Announced.begin(), Announced.end(), std::pair { type, position });
  };
  QWidget* window = &Main();
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Box());

  // W picks the slot in row 1, column 1 (position 5), and drops it again.
  for (const bool picked : { true, false }) {
    Announced.clear();
    QTest::keyClick(window, Qt::Key_W);
    EXPECT_EQ(board->child(5)->state().selected, picked);
    EXPECT_GE(count(QAccessible::StateChanged, 5), 1) << picked;
  }
  // The frame's slot has the focus; an arrow moves it.
  Announced.clear();
  QTest::keyClick(window, Qt::Key_Right);
  EXPECT_EQ(count(QAccessible::Focus, 6), 1);
  EXPECT_TRUE(board->child(6)->state().focused);
  EXPECT_FALSE(board->child(5)->state().focused);
  // A pause hides every card and says so.
  Announced.clear();
  QTest::keyClick(window, Qt::Key_P);
  for (int position = 0; position < SlotCount; ++position) {
    EXPECT_EQ(count(QAccessible::NameChanged, position), 1) << position;
    EXPECT_EQ(board->child(position)->text(QAccessible::Name), QStringLiteral("hidden"));
  }
  QTest::keyClick(window, Qt::Key_P);

  QAccessible::installUpdateHandler(before);
}

// The contrast ratio of two colours, from their relative luminance (sRGB).
double Contrast(QRgb a, QRgb b)
{
  const auto luminance = [](QRgb c) {
    const auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well the frame stands out from a colour beside it: by the band that
// contrasts more.
double FrameContrast(QRgb beside)
{
  return std::max(Contrast(TBoardWidget::FrameDark, beside), Contrast(TBoardWidget::FrameLight, beside));
}

TEST_F(TShellTest, TheKeyboardFrameStandsOutOnEveryBackgroundAndFace)
{
  Write("tongue", "0");
  Start(nullptr, 2024);
  EXPECT_GE(Contrast(TBoardWidget::FrameDark, TBoardWidget::FrameLight), 3.0);
  // On the screen: the colours just outside and just inside the frame, on
  // a picked and an unpicked card, on each background.
  QTest::keyClick(&Main(), Qt::Key_W);
  QTest::keyClick(&Main(), Qt::Key_Right);
  for (int mode = 0; mode < 5; ++mode) {
    State().BackMode = mode;
    Session().RepaintBoard();
    for (const Qt::Key key : { Qt::Key_Left, Qt::Key_Right }) {
      QTest::keyClick(&Main(), key); // the picked card, then its neighbour
      const QRect frame = Box()->KeyCursor();
      const QImage shown = Box()->grab().toImage();
      ASSERT_EQ(shown.pixel(frame.left() + 1, frame.center().y()) & 0xffffff, TBoardWidget::FrameDark & 0xffffff);
      ASSERT_EQ(shown.pixel(frame.left() + 3, frame.center().y()) & 0xffffff, TBoardWidget::FrameLight & 0xffffff);
      double worst = 100;
      for (int y = frame.top() + 6; y < frame.bottom() - 6; ++y)
        for (const int x : { frame.left() - 1, frame.left() + 5, frame.right() - 5, frame.right() + 1 })
          worst = std::min(worst, FrameContrast(shown.pixel(x, y)));
      EXPECT_GE(worst, 3.0) << "background " << mode << (key == Qt::Key_Left ? ", picked card" : ", card");
    }
  }
  // Every pixel of the five background tiles, at both densities.
  const TBitmapList sheets = LoadBmps();
  for (const qreal ratio : { 1.0, 2.0 }) {
    const QImage tiles = sheets.Bitmap(1, ratio);
    const int band = tiles.height() / 5;
    for (int mode = 0; mode < 5; ++mode) {
      double worst = 100;
      for (int y = mode * band; y < (mode + 1) * band; ++y)
        for (int x = 0; x < tiles.width(); ++x)
          worst = std::min(worst, FrameContrast(tiles.pixel(x, y)));
      EXPECT_GE(worst, 3.0) << "background " << mode << " at density " << ratio;
    }
  }
}

TEST(CardNames, SayTheCardInBothLanguages)
{
  struct TCase {
    int Code;
    const char* English;
    const char* German;
  };
  const TCase cases[] = {
    { 1, "one blue empty square", "ein blaues leeres Quadrat" },
    { 14, "one green solid circle", "ein grüner gefüllter Kreis" },
    { 28, "two blue empty squares", "zwei blaue leere Quadrate" },
    { 81, "three red hatched triangles", "drei rote schraffierte Dreiecke" },
    { 0, "empty", "leer" },
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(CardName(c.Code), QString::fromUtf8(c.English));
    const TSpokenLanguage german(lgGerman);
    EXPECT_EQ(CardName(c.Code), QString::fromUtf8(c.German));
  }
  // The easy colours: blue stays, green is black, red is orange.
  const TCase easy[] = {
    { 1, "one blue empty square", "ein blaues leeres Quadrat" },
    { 14, "one black solid circle", "ein schwarzer gefüllter Kreis" },
    { 81, "three orange hatched triangles", "drei orangefarbene schraffierte Dreiecke" },
    { 3, "one orange empty square", "ein orangefarbenes leeres Quadrat" },
  };
  for (const TCase& c : easy) {
    EXPECT_EQ(CardName(c.Code, true), QString::fromUtf8(c.English));
    const TSpokenLanguage german(lgGerman);
    EXPECT_EQ(CardName(c.Code, true), QString::fromUtf8(c.German));
  }
}

TEST_F(TShellTest, AssistiveTechnologyReadsTheCardsAndTheButtons)
{
  Write("tongue", "1");
  Start(nullptr, 2024);
  TGameRecord& record = Session().GameOf().Record();
  record.Table[2][0] = 81;
  record.Table[0][1] = 0;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Box());
  ASSERT_NE(board, nullptr);
  ASSERT_EQ(board->childCount(), 16);
  // Row by row: position 2 is the third card of the top row.
  EXPECT_EQ(board->child(2)->text(QAccessible::Name), QStringLiteral("drei rote schraffierte Dreiecke"));
  EXPECT_EQ(board->child(4)->text(QAccessible::Name), QStringLiteral("leer"));
  EXPECT_EQ(board->child(2)->role(), QAccessible::ListItem);
  EXPECT_EQ(board->indexOfChild(board->child(7)), 7);
  EXPECT_TRUE(board->text(QAccessible::Description).startsWith(QStringLiteral("Punkte: ")));
  EXPECT_TRUE(board->text(QAccessible::Description).endsWith(QStringLiteral("Spiel läuft")));

  // Pressing a slot picks it, as a click does.
  EXPECT_FALSE(board->child(2)->state().selected);
  board->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(record.Picked[2][0]);
  EXPECT_TRUE(board->child(2)->state().selected);
  EXPECT_EQ(board->child(2)->rect(), QRect(Box()->mapToGlobal(Cell(TSlot { 2, 0 }).topLeft()), Cell(TSlot { 2, 0 }).size()));

  // The buttons: named by their hints in the current language, with their keys.
  QAccessibleInterface* start = QAccessible::queryAccessibleInterface(Button(bkStart));
  EXPECT_EQ(start->role(), QAccessible::Button);
  EXPECT_EQ(start->text(QAccessible::Name), QStringLiteral("Ich fang neu an."));
  EXPECT_EQ(start->text(QAccessible::Description), QStringLiteral("Taste: F2"));
  Button(bkTip)->setEnabled(false);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(Button(bkTip))->state().disabled);
  // The dialogs' buttons: by their hints, or by the words they stand for.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Forms->TongueDlg.EnglishBtn)->text(QAccessible::Name), QStringLiteral("I speak English"));
  QStringList named;
  TModalAnswerer answerer([&](QWidget* dialog) {
    for (TImageButton* button : dialog->findChildren<TImageButton*>())
      named << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    Press(dialog, Qt::Key_N);
  });
  Forms->YesNoDlg.ShowCode(mcReallyQuit);
  named.sort();
  EXPECT_EQ(named, QStringList({ "Ja", "Nein" }));

  // The main window is a frame; the rules are a document read as text.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&Main())->role(), QAccessible::Window);
  Help()->ShowContext(1);
  QAccessibleInterface* rules = QAccessible::queryAccessibleInterface(Help()->Viewer());
  EXPECT_EQ(rules->role(), QAccessible::Document);
  QAccessibleTextInterface* text = rules->textInterface();
  ASSERT_NE(text, nullptr);
  const QString all = text->text(0, text->characterCount());
  EXPECT_TRUE(all.startsWith(QStringLiteral("Trivolo – Spielregeln\n"))) << all.left(40).toStdString();
  const int keys = static_cast<int>(all.indexOf(QStringLiteral("Strg+Q")));
  ASSERT_GT(keys, 0) << "the rules list the keys";
  text->setSelection(0, keys, keys + 6);
  EXPECT_EQ(Help()->Viewer()->textCursor().selectedText(), QStringLiteral("Strg+Q"));
  Help()->CloseAll();

  // The high-score list reads row by row: rank, name, score.
  QStringList read;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&Forms->HighscoreDlg);
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (node->role() == QAccessible::StaticText && !node->text(QAccessible::Name).trimmed().isEmpty())
      read << node->text(QAccessible::Name).trimmed();
    for (int i = 0; i < node->childCount(); ++i)
      walk(node->child(i));
  };
  TModalAnswerer reader([&](QWidget* dialog) {
    walk(list);
    Type(dialog, Qt::Key_Space);
  });
  Forms->HighscoreDlg.ShowModal(0, true);
  const qsizetype first = read.indexOf(QStringLiteral("1."));
  ASSERT_GE(first, 0) << read.join('|').toStdString();
  EXPECT_EQ(read.mid(first, 6), QStringList({ "1.", "Mr. Brain", "0", "2.", "Mr. Brain", "0" }));
}

} // namespace
