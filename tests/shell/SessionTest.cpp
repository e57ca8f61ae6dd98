// A whole session through the widgets, on whatever platform the suite runs:
// headless here, and under a real Wayland compositor by wayland_check.sh.
#include "tests/shell/ShellFixture.h"

#include <QTextBrowser>

namespace {

bool BalloonShown()
{
  for (const QWidget* window : QApplication::topLevelWidgets())
    if (window->windowType() == Qt::ToolTip && window->isVisible())
      return true;
  return false;
}

TEST_F(TShellTest, AWholeSessionThroughTheWidgets)
{
  // A stored placement that fits the desktop comes back unchanged, also
  // where the platform tells no window position (Wayland): there the
  // stored position is kept as it is.
  Write("MainForm", "200,0,1,50,60,751,540");
  {
    TModalAnswerer answerer([](QWidget* dialog) {
      ASSERT_EQ(dialog->objectName(), "TongueDlg");
      Click(dialog->findChild<TImageButton*>("EnglishBtn"));
    });
    Start();
    EXPECT_EQ(answerer.Seen, 1);
  }
  EXPECT_EQ(State().Tongue, 0);

  // A balloon over a button. The pointer moves as the window sees it: a
  // Wayland compositor lets no program move the pointer itself.
  QWindow* window = Main().windowHandle();
  QTest::mouseMove(window, Button(bkStart)->geometry().center() - QPoint(5, 5));
  QTest::mouseMove(window, Button(bkStart)->geometry().center());
  EXPECT_TRUE(QTest::qWaitFor(BalloonShown, 3000));
  QTest::mouseMove(window, QPoint(10, 300));

  // Three cards picked: the clock starts, and they are picked or taken.
  const TBoardLayout& layout = Session().BoardOf().Layout();
  for (int col = 0; col < 3; ++col)
    QTest::mouseClick(Box(), Qt::LeftButton, {},
      QPoint(CellRect(layout, TSlot { col, 0 }).CentreX(), CellRect(layout, TSlot { col, 0 }).CentreY()));
  const TGameRecord& record = Session().GameOf().Record();
  EXPECT_TRUE(record.ClockRunning);
  EXPECT_EQ(record.PickCount, 3) << "the first three cards of the seeded deal are no SET";
  EXPECT_EQ(record.TakenCount, 0);

  // Every dialog, opened and answered.
  QStringList seen;
  TModalAnswerer answerer([&](QWidget* dialog) {
    seen << dialog->objectName();
    if (dialog->objectName() == "YesNoDlg")
      Press(dialog, Qt::Key_N);
    else if (dialog->objectName() == "InfoDlg")
      Press(dialog, Qt::Key_Return);
    else
      Click(dialog->findChild<TImageButton*>(dialog->objectName() == "OptionDlg" ? "OKBtn" : "OkBtn"));
  });
  Click(Button(bkOptions));
  Click(Button(bkInfo));
  Click(Button(bkHighScore));
  Click(Button(bkStart)); // a game is running: the question whether to stop it
  EXPECT_EQ(seen, QStringList({ "OptionDlg", "InfoDlg", "HighscoreDlg", "YesNoDlg" }));
  EXPECT_TRUE(Main().isVisible());

  // The rules, then quitting through the close question.
  Click(Button(bkRules));
  QPointer<QTextBrowser> rules = Help()->Viewer();
  ASSERT_TRUE(rules);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(rules));
  {
    TModalAnswerer closer([](QWidget* dialog) { Press(dialog, Qt::Key_Y); });
    EXPECT_TRUE(Main().close());
  }
  EXPECT_FALSE(Main().isVisible());
  EXPECT_TRUE(!rules || !rules->isVisible());
  EXPECT_EQ(Stored("MainForm"), "200,0,1,50,60,751,540");
}

} // namespace
