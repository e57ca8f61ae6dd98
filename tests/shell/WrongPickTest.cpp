#include "shell/WrongPick.h"
#include "tests/shell/ShellFixture.h"

#include <QAccessible>

namespace {

TEST(WrongPick, SaysWhichAttributesAreNeitherAllAlikeNorAllDifferent)
{
  struct TCase {
    std::array<std::int32_t, 4> Match; // colour, shape, number, fill
    const char* English;
    const char* German;
  };
  const TCase cases[] = {
    { { 0, 1, 1, 1 }, "Not a SET: colour two alike, one different", "Kein SET: Farbe zwei gleich, eine verschieden" },
    { { 2, 0, 1, 2 }, "Not a SET: shape two alike, one different", "Kein SET: Form zwei gleich, eine verschieden" },
    { { 1, 1, 0, 0 }, "Not a SET: number two alike, one different; fill two alike, one different",
      "Kein SET: Anzahl zwei gleich, eine verschieden; Füllung zwei gleich, eine verschieden" },
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TWrongPick::Said(c.Match), QString::fromUtf8(c.English));
    const TSpokenLanguage german(lgGerman);
    EXPECT_EQ(TWrongPick::Said(c.Match), QString::fromUtf8(c.German));
  }
}

class TWrongPickTest : public TShellTest {
protected:
  TGameRecord& Record() { return Session().GameOf().Record(); }
  void Pick(int col, int row)
  {
    const TCellRect cell = CellRect(Session().BoardOf().Layout(), TSlot { col, row });
    QTest::mouseClick(Box(), Qt::LeftButton, {}, QPoint(cell.CentreX(), cell.CentreY()));
  }
  // Three cards in the top row that are no SET: blue, green and blue
  // squares and circle (colour and shape two alike, one different).
  void PickWrongThree()
  {
    Record().Table[0][0] = 1;
    Record().Table[1][0] = 2;
    Record().Table[2][0] = 4;
    Session().RepaintBoard();
    for (int col = 0; col < 3; ++col)
      Pick(col, 0);
  }
  // The colour row's upper right corner: light where the verdict's square
  // stands, the board where a disc or nothing does.
  bool Shown()
  {
    const TBoardLayout& l = Session().BoardOf().Layout();
    return (Box()->Surface().pixel(l.PanelLeft + l.PanelSize - 3, l.PanelTop + 2) & 0xFFFFFFU) == 0xBFBFBFU;
  }
  QString Described() { return QAccessible::queryAccessibleInterface(Box())->text(QAccessible::Description); }
};

TEST_F(TWrongPickTest, ItsReasonStaysWhileItsThreeStayPicked)
{
  Write("tongue", "0");
  Start();
  PickWrongThree();
  ASSERT_EQ(Record().PickCount, 3);
  EXPECT_TRUE(Shown());
  EXPECT_TRUE(Described().endsWith(QStringLiteral(
    "Not a SET: colour two alike, one different; shape two alike, one different")))
    << Described().toStdString();

  // Pointer moves and a refused fourth pick leave it.
  QTest::mouseMove(Box(), QPoint(CellRect(Session().BoardOf().Layout(), TSlot { 3, 3 }).CentreX(), 300));
  Pick(3, 3);
  EXPECT_EQ(Record().PickCount, 3);
  EXPECT_TRUE(Shown());

  // An unpick takes it away, and the detector's own rules come back.
  Pick(1, 0);
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(Described().contains(QStringLiteral("Not a SET")));

  // A pause hides it with the cards; going on shows it again.
  Pick(1, 0);
  ASSERT_TRUE(Shown());
  QTest::keyClick(&Main(), Qt::Key_P);
  EXPECT_FALSE(Shown());
  QTest::keyClick(&Main(), Qt::Key_P);
  EXPECT_TRUE(Shown());

  // A Mix and a new game end it.
  Click(Button(bkMix));
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(Described().contains(QStringLiteral("Not a SET")));
  PickWrongThree();
  ASSERT_TRUE(Shown());
  {
    TModalAnswerer yes([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    QTest::keyClick(&Main(), Qt::Key_F2);
  }
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(Described().contains(QStringLiteral("Not a SET")));
}

TEST_F(TWrongPickTest, WithoutTheDetectorNothingIsShown)
{
  Write("tongue", "1");
  Write("hint", "0");
  Start();
  PickWrongThree();
  ASSERT_EQ(Record().PickCount, 3);
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(Described().contains(QStringLiteral("Kein SET")));
}

} // namespace
