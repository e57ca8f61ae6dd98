#include "FormKeeper.h"
#include "IniCtrl.h"

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

TEST(FormKeeper, KeepsTheRectangleOnTheDesktop)
{
  const QRect desktop(0, 0, 1024, 768);
  struct TCase {
    const char* Stored;
    int Left, Top, Right, Bottom;
  };
  const TCase cases[] = {
    { "200,0,1,100,50,900,650", 100, 50, 900, 650 },
    { "200,0,1,900,50,1700,650", 224, 50, 1024, 650 },
    { "200,0,1,-50,-20,750,580", 0, 0, 800, 600 },
    { "200,0,1,100,500,900,1100", 100, 168, 900, 768 },
  };
  for (const auto& c : cases) {
    const TPlacement p = KeepOnDesktop(*ParsePlacement(c.Stored), desktop);
    EXPECT_EQ((std::array { p.Left, p.Top, p.Right, p.Bottom }), (std::array { c.Left, c.Top, c.Right, c.Bottom })) << c.Stored;
  }
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

} // namespace
