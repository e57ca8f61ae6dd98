#include "Artwork.h"
#include "DlgRes.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace {

TEST(Artwork, EveryButtonFaceIsAFiftyPixelFaceWithItsTransparentColour)
{
  const TBitmapList bmps = LoadBmps();
  const TDlgResources res;
  const TBitmapList* lists[] = { &bmps, &res.dlgs, &res.opts, &res.btns };
  for (const TButtonFaces& button : ButtonFaces) {
    const TBitmapList& list = *lists[button.List];
    const QRgb key = std::string(button.Button) == "GermanBtn" ? qRgb(0, 0, 255)
      : std::string(button.Button) == "EnglishBtn"             ? qRgb(0, 255, 0)
                                                               : qRgb(255, 255, 255);
    for (const int face : { button.Up, button.Disabled, button.Over, button.Down }) {
      ASSERT_TRUE(list.IsValid(face)) << button.Button << " face " << face;
      EXPECT_EQ(list.Bitmap(face).size(), QSize(50, 50)) << button.Button << " face " << face;
      // Disabled dialog buttons show the blank face, whose corners are white.
      const QRgb expected = face == 0 ? qRgb(255, 255, 255) : key;
      EXPECT_EQ(list.TransparentColor(face), expected) << button.Button << " face " << face;
    }
  }
}

TEST(Artwork, BoardAndDialogImagesHaveTheirSizes)
{
  const TBitmapList bmps = LoadBmps();
  const TDlgResources res;
  EXPECT_EQ(bmps.Bitmap(0).size(), QSize(220, 54));
  EXPECT_EQ(bmps.Bitmap(1).size(), QSize(320, 600));
  for (int i = 2; i <= 5; ++i)
    EXPECT_EQ(bmps.Bitmap(i).size(), QSize(8, 8));
  EXPECT_EQ(res.dlgs.Bitmap(1).size(), QSize(160, 120));
  EXPECT_EQ(res.dlgs.Bitmap(2).size(), QSize(160, 120));
  EXPECT_EQ(res.dlgs.Bitmap(3).size(), QSize(100, 75));
  EXPECT_EQ(res.dlgs.TransparentColor(3), qRgb(255, 0, 255));
  for (int i : { 0, 7 })
    EXPECT_TRUE(res.opts.IsValid(i));
  EXPECT_EQ(res.dlgs.Count(), 28);
  EXPECT_EQ(ProgramIcon().availableSizes().value(0), QSize(32, 32));

  // The digit mask is the exact silhouette of the glyph row.
  const QImage& strip = bmps.Bitmap(0);
  for (int y = 0; y < 27; ++y)
    for (int x = 0; x < 220; ++x) {
      const bool ink = (strip.pixel(x, y) & 0xFFFFFFU) != 0;
      ASSERT_EQ(strip.pixel(x, y + 27) & 0xFFFFFFU, ink ? 0U : 0xFFFFFFU) << x << "," << y;
    }
  // Patterns: ink on both diagonals, off-white elsewhere.
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(bmps.Bitmap(5).pixel(x, y), (x == y || x + y == 7) ? qRgb(0, 0, 0) : qRgb(248, 252, 248));
}

TEST(Artwork, BackgroundTilesRepeatWithoutSeams)
{
  const QImage sheet = LoadBmps().Bitmap(1);
  // Across a tile's wrap the colour steps no more than inside the tile.
  for (int band = 0; band < 5; ++band)
    for (int half = 0; half < 2; ++half) {
      const int x0 = 160 * half;
      const int y0 = 120 * band;
      const auto step = [&](int xa, int ya, int xb, int yb) {
        const QColor a = sheet.pixelColor(x0 + xa, y0 + ya);
        const QColor b = sheet.pixelColor(x0 + xb, y0 + yb);
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
      };
      long inside = 0;
      long wrap = 0;
      for (int y = 0; y < 120; ++y) {
        inside += step(78, y, 79, y);
        wrap += step(159, y, 0, y);
      }
      for (int x = 0; x < 160; ++x) {
        inside += step(x, 58, x, 59);
        wrap += step(x, 119, x, 0);
      }
      EXPECT_LT(wrap, inside * 2 + 200) << "band " << band << " half " << half;
    }
}

} // namespace
