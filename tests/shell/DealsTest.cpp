// Deals played again and deals by their codes, as a player reaches them.
#include "game/DealCode.h"
#include "shell/DealCodeDlg.h"
#include "tests/game/GameFixture.h"
#include "tests/shell/ShellFixture.h"

#include <QLineEdit>
#include <QMenu>

namespace {

// The first deal of the generator seeded with 2024, whose code is
// 63YVM-6W1AZ-T7TF.
const std::vector<int> GoldenTable { 40, 38, 30, 16, 33, 1, 5, 19, 59, 70, 36, 2, 34, 26, 32, 27 };

TEST_F(TShellTest, ADealIsPlayedAgainOrByItsCodeFromTheDealsButtonAndKeys)
{
  Write("tongue", "0");
  Start(nullptr, 777);
  const std::vector<int> first = TableOf(Session().Record());
  const auto* menu = Main().findChild<QMenu*>("DealMenu");
  ASSERT_NE(menu, nullptr);

  // The button opens the menu of the deals, each entry with its key.
  Click(Button(bkDeals));
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->actions().value(0)->text(), "Play this deal again\tF4");
  EXPECT_EQ(menu->actions().value(1)->text(), QString::fromUtf8("Play a deal by its code…\tF5"));
  const_cast<QMenu*>(menu)->close();

  // F4: the same deal again, after Start's question.
  {
    TModalAnswerer yes([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    QTest::keyClick(&Main(), Qt::Key_F4);
    EXPECT_EQ(yes.Seen, 1);
  }
  EXPECT_TRUE(Session().Replaying());
  EXPECT_EQ(TableOf(Session().Record()), first);

  // F5: a typed code that does not read is told, and the dialog stays; a
  // pasted one with blanks and small letters deals its table.
  QString problem;
  {
    TModalAnswerer answers([&](QWidget* dialog) {
      if (dialog->objectName() != "DealCodeDlg") {
        Press(dialog, Qt::Key_Y);
        return;
      }
      auto& codes = static_cast<TDealCodeDlg&>(*dialog);
      codes.CodeEdit->setText("63YVM-6W1AZ-T7TX");
      Click(codes.OkBtn);
      problem = codes.Problem->text();
      EXPECT_TRUE(codes.isVisible());
      codes.CodeEdit->setText(" 63yvm 6w1az t7tf ");
      Click(codes.OkBtn);
    });
    QTest::keyClick(&Main(), Qt::Key_F5);
    QTest::qWait(50);
  }
  EXPECT_EQ(problem, "That is no deal code. A code has 14 letters and digits, like 63YVM-6W1AZ-T7TF.");
  EXPECT_EQ(TableOf(Session().Record()), GoldenTable);

  // Escape asks nothing more and changes nothing.
  {
    TModalAnswerer escape([](QWidget* dialog) { Press(dialog, Qt::Key_Escape); });
    QTest::keyClick(&Main(), Qt::Key_F5);
    EXPECT_EQ(escape.Seen, 1);
  }
  EXPECT_EQ(TableOf(Session().Record()), GoldenTable);

  // Start deals from the one generator again.
  {
    TModalAnswerer yes([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    Click(Button(bkStart));
  }
  EXPECT_FALSE(Session().Replaying());
}

} // namespace
