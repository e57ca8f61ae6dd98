#include "toolkit/FormKeeper.h"
#include "toolkit/IniCtrl.h"

#include <gtest/gtest.h>

#include <QUuid>
#include <QWidget>

namespace {

TEST(FormKeeper, ParsesOnlySevenIntegersWithTheMarker)
{
  struct TCase {
    const char* Text;
    bool Valid;
  };
  const TCase cases[] = {
    { "200,0,1,100,50,900,650", true },
    { "200,0,1,100,50,900", false },
    { "100,0,1,100,50,900,650", false },
    { "200,0,1,a,50,900,650", false },
    { "200,0,1,100,50,900,650,1", false },
    { "", false },
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParsePlacement(c.Text).has_value(), c.Valid) << c.Text;
  const TPlacement p = *ParsePlacement("200,2,3,100,50,900,650");
  EXPECT_EQ(FormatPlacement(p), "200,2,3,100,50,900,650");
}

TEST(FormKeeper, PlacesEveryStoredRectangleWhollyOnTheDesktop)
{
  struct TCase {
    const char* Stored;
    QRect Desktop;
    QRect Outer;
  };
  const QRect desktop(0, 0, 1024, 768);
  const TCase cases[] = {
    { "200,0,1,100,50,900,650", desktop, QRect(100, 50, 800, 600) },
    { "200,0,1,900,50,1700,650", desktop, QRect(224, 50, 800, 600) },
    { "200,0,1,-50,-20,750,580", desktop, QRect(0, 0, 800, 600) },
    { "200,0,1,100,500,900,1100", desktop, QRect(100, 168, 800, 600) },
    { "200,0,1,900,650,100,50", desktop, QRect(100, 50, 800, 600) }, // inverted
    { "200,0,1,300,200,300,200", desktop, QRect(300, 200, 640, 480) }, // no size
    { "200,0,1,1014,758,1814,1358", desktop, QRect(224, 168, 800, 600) }, // 10 px on the desktop
    { "200,0,1,-5000,-5000,-4200,-4400", desktop, QRect(0, 0, 800, 600) },
    { "200,0,1,0,0,100000,100000", desktop, QRect(0, 0, 1024, 768) },
    { "200,0,1,-2147483648,-2147483648,2147483647,2147483647", desktop, QRect(0, 0, 1024, 768) },
    { "200,0,1,2147483647,2147483647,-2147483648,-2147483648", desktop, QRect(0, 0, 1024, 768) },
    { "200,0,1,2147483647,2147483647,2147483647,2147483647", desktop, QRect(384, 288, 640, 480) },
    { "200,0,1,0,0,800,600", QRect(100, 50, 1024, 768), QRect(100, 50, 800, 600) },
    { "200,0,1,-1280,0,-480,600", QRect(-1280, 0, 2304, 1024), QRect(-1280, 0, 800, 600) },
    { "200,0,1,0,0,800,600", QRect(0, 0, 600, 400), QRect(0, 0, 600, 400) }, // a desktop below the smallest size
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlacedRect(*ParsePlacement(c.Stored), c.Desktop), c.Outer) << c.Stored;
}

TEST(FormKeeper, RestoresCentresAndSaves)
{
  TIniCtrl ini(QStringLiteral("TrivoloTest"), QUuid::createUuid().toString(QUuid::Id128));
  QWidget form;
  form.resize(701, 401);
  TFormKeeper keeper(form, ini, "common", "MainForm");

  keeper.RestorePlacement(); // nothing stored: centred, then raised to 480
  EXPECT_EQ(form.size(), QSize(701, 480));

  // The offscreen desktop is 800 x 600.
  ini.WriteString("common", "MainForm", "200,0,1,10,20,690,540");
  keeper.RestorePlacement();
  EXPECT_EQ(form.geometry(), QRect(10, 20, 680, 520));
  ini.WriteString("common", "MainForm", "200,0,1,300,50,1000,550");
  keeper.RestorePlacement();
  EXPECT_EQ(form.geometry(), QRect(100, 50, 700, 500));

  form.resize(300, 200); // smaller than the smallest size
  EXPECT_EQ(form.size(), QSize(640, 480));

  ini.WriteString("common", "MainFormColor", "x");
  ini.WriteString("common", "MainFormFont", "y");
  form.setGeometry(120, 70, 700, 500);
  keeper.SavePlacement();
  EXPECT_EQ(ini.ReadString("common", "MainForm", ""), "200,0,1,120,70,820,570");
  EXPECT_EQ(ini.ReadString("common", "MainFormColor", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("common", "MainFormFont", "gone"), "gone");
}

TEST(FormKeeper, AWindowThatStaysWhereItWasPlacedWritesNoPlacement)
{
  TIniCtrl ini(QStringLiteral("TrivoloTest"), QUuid::createUuid().toString(QUuid::Id128));
  QWidget form;
  form.resize(701, 401);
  TFormKeeper keeper(form, ini, "common", "MainForm");
  ini.WriteString("common", "MainForm", "200,0,1,10,20,690,540");
  keeper.RestorePlacement();
  // Another copy of the program stores where its window was.
  ini.WriteString("common", "MainForm", "200,0,1,30,40,710,560");
  keeper.SavePlacement();
  EXPECT_EQ(ini.ReadString("common", "MainForm", ""), "200,0,1,30,40,710,560");
  // Nothing stored at all: the placement is written.
  ini.DeleteValue("common", "MainForm");
  keeper.SavePlacement();
  EXPECT_EQ(ini.ReadString("common", "MainForm", ""), "200,0,1,10,20,690,540");
  // Moved or resized, it is written.
  ini.WriteString("common", "MainForm", "200,0,1,30,40,710,560");
  form.move(11, 20);
  keeper.SavePlacement();
  EXPECT_EQ(ini.ReadString("common", "MainForm", ""), "200,0,1,11,20,691,540");
  form.resize(690, 520);
  keeper.SavePlacement();
  EXPECT_EQ(ini.ReadString("common", "MainForm", ""), "200,0,1,11,20,701,540");
}

} // namespace
