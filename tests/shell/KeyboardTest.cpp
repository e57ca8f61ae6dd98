#include "shell/BoardAccessible.h"
#include "shell/KeyMap.h"
#include "tests/shell/ShellFixture.h"

#include <QAccessible>

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
  TGameRecord& record = Main().GameOf().Record();
  QWidget* window = &Main();

  // A card key is a press on its slot; the cursor follows it.
  QTest::keyClick(window, Qt::Key_W);
  EXPECT_TRUE(record.Picked[1][1]);
  const TBoardLayout& layout = Main().BoardOf().Layout();
  EXPECT_EQ(Main().Box()->KeyCursor(), QRect(layout.GridLeft + layout.CellSize, layout.GridTop + layout.CellSize, layout.CellSize, layout.CellSize));
  QTest::keyClick(window, Qt::Key_W);
  EXPECT_FALSE(record.Picked[1][1]);
  // The arrows move the cursor, stopping at the edges; Space presses.
  for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up })
    QTest::keyClick(window, key);
  QTest::keyClick(window, Qt::Key_Space);
  EXPECT_TRUE(record.Picked[3][0]);
  // The pointer over the board takes the cursor away.
  QTest::mouseMove(Main().Box(), QPoint(20, 200));
  EXPECT_TRUE(Main().Box()->KeyCursor().isEmpty());

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
    EXPECT_EQ(CardName(c.Code, false), QString::fromUtf8(c.English));
    EXPECT_EQ(CardName(c.Code, true), QString::fromUtf8(c.German));
  }
}

TEST_F(TShellTest, AssistiveTechnologyReadsTheCardsAndTheButtons)
{
  Write("tongue", "1");
  Start(nullptr, 2024);
  TGameRecord& record = Main().GameOf().Record();
  record.Table[2][0] = 81;
  record.Table[0][1] = 0;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Main().Box());
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
  const TBoardLayout& layout = Main().BoardOf().Layout();
  EXPECT_EQ(board->child(2)->rect(),
    QRect(Main().Box()->mapToGlobal(QPoint(layout.GridLeft + 2 * layout.CellSize, layout.GridTop)), QSize(layout.CellSize, layout.CellSize)));

  // The buttons: named by their hints in the current language, with their keys.
  QAccessibleInterface* start = QAccessible::queryAccessibleInterface(Main().StartBtn);
  EXPECT_EQ(start->role(), QAccessible::Button);
  EXPECT_EQ(start->text(QAccessible::Name), QStringLiteral("Ich fang neu an."));
  EXPECT_EQ(start->text(QAccessible::Description), QStringLiteral("Taste: F2"));
  Main().TipBtn->setEnabled(false);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(Main().TipBtn)->state().disabled);
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
}

} // namespace
