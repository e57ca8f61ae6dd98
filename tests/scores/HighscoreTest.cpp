#include "assets/DlgRes.h"
#include "scores/highscor.h"
#include "scores/TextScrambler.h"
#include "toolkit/ImageButton.h"
#include "toolkit/IniCtrl.h"
#include "tests/OtherCopy.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <QWindow>

namespace {

class THighscoreTest : public ::testing::Test {
protected:
  TDlgResources Resources;
  TIniCtrl Ini { QStringLiteral("TrivoloTest"), QUuid::createUuid().toString(QUuid::Id128) };
  TTextScrambler Scrambler;
  QWidget Main;
  std::unique_ptr<THighscoreDlg> Dialog;

  void SetUp() override
  {
    Scrambler.Init(QString(), 0);
    Main.resize(701, 480);
    Main.show();
  }

  THighscoreDlg& Dlg()
  {
    if (!Dialog)
      Dialog = std::make_unique<THighscoreDlg>(&Main, Resources, Ini, Scrambler);
    return *Dialog;
  }

  void Store(int row, const QString& plain) { Ini.WriteString("common", QStringLiteral("hs%1").arg(row), Scrambler.Encode(plain)); }
  QString Row(int row) { return Scrambler.Decode(Ini.ReadString("common", QStringLiteral("hs%1").arg(row), QString())); }
  QString Shown(const char* kind, int row) { return Dlg().findChild<QLabel*>(QStringLiteral("%1%2").arg(kind).arg(row))->text(); }

  // Shows the dialog and, once it is on the screen, runs the action; returns
  // whether the dialog was shown at all.
  bool Show(int score, bool viewOnly, const std::function<void()>& action)
  {
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!shown && modal == &Dlg() && modal->windowHandle() && modal->windowHandle()->isExposed()) {
        shown = true;
        action();
      }
    });
    poll.start();
    Dlg().ShowModal(score, viewOnly);
    return shown;
  }

  static void Click(QWidget* button)
  {
    QTest::mouseMove(button, QPoint(25, 25));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(25, 25));
  }
};

TEST_F(THighscoreTest, AnEmptyListShowsFifteenDefaultRowsAndOkWritesNothing)
{
  ASSERT_TRUE(Show(0, true, [&] {
    EXPECT_FALSE(Dlg().CancelBtn->isVisible());
    EXPECT_FALSE(Dlg().Edit1->isVisible());
    EXPECT_EQ(Dlg().title->text(), "Trivolo - Highscore");
    EXPECT_EQ(Dlg().delcheck->text(), "remove all entries");
    Click(Dlg().OkBtn);
  }));
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(Shown("num", i), QStringLiteral("%1.   ").arg(i + 1));
    EXPECT_EQ(Shown("pla", i), "Mr. Brain");
    EXPECT_EQ(Shown("sco", i), "0");
  }
  EXPECT_FALSE(QFile::exists(Ini.FileName()));
}

TEST_F(THighscoreTest, ANewResultGoesBelowEqualScoresAndTakesTheTypedName)
{
  const int stored[] = { 90, 80, 70, 50, 40 };
  for (int i = 0; i < 5; ++i)
    Store(i, QStringLiteral("%1,P%2").arg(stored[i]).arg(i));
  ASSERT_TRUE(Show(50, false, [&] {
    EXPECT_TRUE(Dlg().CancelBtn->isVisible());
    EXPECT_EQ(Dlg().FEditRow, 4);
    EXPECT_TRUE(Dlg().Edit1->isVisible());
    EXPECT_EQ(Dlg().Edit1->pos(), QPoint(50, 4 * 21 + 10));
    EXPECT_EQ(Dlg().Edit1->text(), "Mr.Brain");
    EXPECT_TRUE(Dlg().Edit1->hasFocus());
    EXPECT_EQ(Dlg().title->text(), "Trivolo - Highscore");
    Dlg().Edit1->clear();
    QTest::keyClicks(Dlg().Edit1, " Ann, the <b>1st</b>, and more than 25 letters");
    QTest::keyClick(Dlg().Edit1, Qt::Key_Escape); // no function here
    QTest::keyClick(Dlg().Edit1, Qt::Key_Return);
    EXPECT_TRUE(Dlg().isVisible());
    Click(Dlg().OkBtn);
  }));
  const QString name = QString(" Ann, the <b>1st</b>, and more than 25 letters").left(25);
  EXPECT_EQ(Row(3), "50,P3");
  EXPECT_EQ(Row(4), "50," + name);
  EXPECT_EQ(Row(5), "40,P4");
  EXPECT_EQ(Shown("pla", 4), name);
  EXPECT_EQ(Dlg().findChild<QLabel*>("pla4")->textFormat(), Qt::PlainText);
  EXPECT_EQ(Ini.ReadString("common", "player", ""), name);

  // The name, commas and all, comes back after a restart.
  Dialog.reset();
  ASSERT_TRUE(Show(0, true, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(Shown("pla", 4), name);
  EXPECT_EQ(Dlg().FPlayerName, name);
}

TEST_F(THighscoreTest, TheLastRowIsReplacedAndAScoreThatEarnsNoRowShowsNothing)
{
  for (int i = 0; i < 15; ++i)
    Store(i, QStringLiteral("%1,P%2").arg(200 - 10 * i).arg(i));
  EXPECT_FALSE(Show(60, false, [] { ADD_FAILURE() << "no window expected"; }));
  EXPECT_FALSE(Show(10, false, [] { ADD_FAILURE() << "no window expected"; }));
  ASSERT_TRUE(Show(61, false, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(Row(13), "70,P13");
  EXPECT_EQ(Row(14), "61,Mr.Brain");
}

TEST_F(THighscoreTest, CancelWritesNothingAndClearAllDiscardsTheNewResultToo)
{
  Store(0, "500,Zoe");
  QFile file(Ini.FileName());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  ASSERT_TRUE(Show(900, false, [&] { Click(Dlg().CancelBtn); }));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  file.close();

  ASSERT_TRUE(Show(900, false, [&] {
    Dlg().ClearBox->setChecked(true);
    Click(Dlg().OkBtn);
  }));
  for (int i = 0; i < 15; ++i)
    EXPECT_EQ(Row(i), "0,Mr. Brain");
  EXPECT_EQ(Ini.ReadString("common", "player", ""), "Mr. Brain");
}

TEST_F(THighscoreTest, DamagedRowsReadAsTheDefaultEntry)
{
  Store(0, "300,Good");
  Store(1, "no comma at all");
  Store(2, "12x,Bad number");
  Store(3, "99999999999,Too large");
  Ini.WriteString("common", "hs4", QString());
  Store(5, "-7,Negative");
  ASSERT_TRUE(Show(0, true, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(Shown("pla", 0), "Good");
  for (int i : { 1, 2, 3, 4 }) {
    EXPECT_EQ(Shown("pla", i), "Mr. Brain") << i;
    EXPECT_EQ(Shown("sco", i), "0") << i;
  }
  EXPECT_EQ(Shown("sco", 5), "-7");
}

TEST_F(THighscoreTest, LowerFirstCountsZeroAsAnEmptyRow)
{
  Dlg().SetDirection(1);
  Store(0, "30,Fast");
  Store(1, "45,Slower");
  ASSERT_TRUE(Show(40, false, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(Row(1), "40,Mr.Brain");
  EXPECT_EQ(Row(2), "45,Slower");
}

TEST_F(THighscoreTest, SitsOverTheMainWindow)
{
  Main.move(40, 30);
  QPoint at;
  ASSERT_TRUE(Show(0, true, [&] {
    at = Dlg().pos();
    Click(Dlg().OkBtn);
  }));
  const QRect outer = Main.frameGeometry();
  EXPECT_EQ(at, QPoint(outer.x() + (outer.width() - 320) / 2, outer.y() + (outer.height() - 476) / 2 - 2));
}

TEST_F(THighscoreTest, AFailedOkNeverTurnsIntoALaterWriteOfDefaults)
{
  for (int i = 0; i < 15; ++i)
    Store(i, QStringLiteral("%1,P%2").arg(200 - 10 * i).arg(i));
  QStringList reports;
  Ini.OnError = [&reports](const QString& text) { reports << text; };
  // The settings cannot be written: a folder where the lock must go.
  const QString lock = Ini.FileName() + ".lock";
  ASSERT_TRUE(QDir().mkpath(lock));
  ASSERT_TRUE(Show(500, false, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(reports.size(), 1);
  EXPECT_EQ(Row(0), "200,P0");

  // The list shown again is the stored one; viewing it writes nothing.
  ASSERT_TRUE(Show(0, true, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(reports.size(), 1);
  EXPECT_EQ(Shown("pla", 0), "P0");
  EXPECT_EQ(Shown("sco", 14), "60");
  ASSERT_TRUE(QDir(lock).removeRecursively());
  ASSERT_TRUE(Show(500, false, [&] { Click(Dlg().OkBtn); }));
  EXPECT_EQ(reports.size(), 1);
  EXPECT_EQ(Row(0), "500,Mr.Brain");
  for (int i = 1; i < 15; ++i)
    EXPECT_EQ(Row(i), QStringLiteral("%1,P%2").arg(210 - 10 * i).arg(i - 1));
}

// Two copies of the program share one settings file: what one stores while
// the other's list is open stays when the other's OK comes.
TEST_F(THighscoreTest, TwoCopiesKeepEachOthersResults)
{
  struct TCase {
    const char* Name;
    int Score; // this copy's result; 0 views the list
    bool OtherStoresBeforeOk; // or after this copy's OK, its list opened before
    bool Clear;
    QStringList Rows; // the stored rows 0, 1, 2 afterwards
    QString Player;
  };
  const TCase cases[] = {
    { "both enter, the other stores first", 2854, true, false, { "2950,Bert", "2854,Anna", "1000,Old" }, "Anna" },
    { "both enter, this one stores first", 2854, false, false, { "2950,Bert", "2854,Anna", "1000,Old" }, "Bert" },
    { "this one views", 0, true, false, { "2950,Bert", "1000,Old", "0,Mr. Brain" }, "Bert" },
    { "this one removes all", 2854, true, true, { "0,Mr. Brain", "0,Mr. Brain", "0,Mr. Brain" }, "Mr. Brain" },
  };
  for (const auto& c : cases) {
    QFile::remove(Ini.FileName());
    Store(0, "1000,Old");
    Dialog.reset();
    const QString file = Ini.FileName();
    const TTextScrambler& scrambler = Scrambler;
    std::unique_ptr<TOtherCopy> other;
    const auto startOther = [&] {
      other = std::make_unique<TOtherCopy>([] {}, [file, &scrambler] {
        TIniCtrl ini(QStringLiteral("TrivoloTest"), QFileInfo(file).completeBaseName());
        StoreHighscores(ini, "hs", scrambler, { false, 2950, "Bert", 0 });
        return 0;
      });
    };
    ASSERT_TRUE(Show(c.Score, c.Score == 0, [&] {
      startOther();
      if (c.OtherStoresBeforeOk) {
        EXPECT_EQ(other->Finish(), 0);
      }
      if (c.Score > 0) {
        Dlg().Edit1->setText("Anna");
        Dlg().ClearBox->setChecked(c.Clear);
      }
      Click(Dlg().OkBtn);
    })) << c.Name;
    if (!c.OtherStoresBeforeOk) {
      EXPECT_EQ(other->Finish(), 0);
    }
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(Row(i), c.Rows[i]) << c.Name << " row " << i;
    EXPECT_EQ(Ini.ReadString("common", "player", "-"), c.Player) << c.Name;
  }
}

TEST_F(THighscoreTest, TheNameBoxCountsCharactersNotHalves)
{
  const QString emoji = QString::fromUtf8("😀");
  ASSERT_TRUE(Show(100, false, [&] {
    Dlg().Edit1->clear();
    for (int i = 0; i < 30; ++i)
      QTest::sendKeyEvent(QTest::Click, Dlg().Edit1, Qt::Key_unknown, emoji, Qt::NoModifier);
    EXPECT_EQ(Dlg().Edit1->text(), emoji.repeated(25));
    Click(Dlg().OkBtn);
  }));
  EXPECT_EQ(Row(0), "100," + emoji.repeated(25));
}

} // namespace
