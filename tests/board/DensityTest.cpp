// The board on a surface of twice the pixel density, as a 200 % screen
// gets it.
#include "tests/board/BoardFixture.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class TDenseBoardTest : public TBoardTest {
protected:
  void OpenDense()
  {
    Surface = QImage(2 * 701, 2 * 401, QImage::Format_RGB32);
    Surface.setDevicePixelRatio(2);
    Surface.fill(Qt::magenta);
    Board.Resize(701, 401);
    Game.NewGame();
  }

  QRgb Device(int x, int y) const { return Surface.pixel(x, y) & 0xFFFFFFU; }
};

constexpr QRgb Blue = RgbOf(0, 0, 255);

TEST_F(TDenseBoardTest, ShapesGetEdgesOfSingleDevicePixels)
{
  OpenDense();
  // A single solid blue triangle: colour 0, shape 2, fill 1, number 0.
  Rec.Table[0][0] = 1 + 2 * 3 + 1 * 9;
  Board.Paint();
  const TPoint c = Centre(0, 0);
  const int s = Board.Layout().CellSize / 6;
  // The left edge of the triangle, row by row in device pixels.
  std::vector<int> edge;
  for (int y = 2 * (c.Y - s) + 6; y < 2 * (c.Y + s) - 6; ++y) {
    int x = 2 * (c.X - s) - 6;
    while (x < 2 * c.X && Device(x, y) != Blue)
      ++x;
    ASSERT_LT(x, 2 * c.X) << "row " << y;
    edge.push_back(x);
  }
  // The edge runs down and out; a picture drawn at the lower density and
  // enlarged would step two device pixels at a time.
  EXPECT_GE(edge.front() - edge.back(), s);
  for (std::size_t i = 1; i < edge.size(); ++i)
    EXPECT_LE(std::abs(edge[i] - edge[i - 1]), 1) << "row " << i;
}

TEST_F(TDenseBoardTest, HatchingAndDigitsComeFromTheDenseArtwork)
{
  OpenDense();
  // A single hatched blue square: colour 0, shape 0, fill 2, number 0.
  Rec.Table[0][0] = 1 + 2 * 9;
  Board.Paint();
  const QImage& hatch = Bmps.Bitmap(bmpPatternBlue, 2);
  ASSERT_EQ(hatch.size(), QSize(16, 16));
  const TPoint c = Centre(0, 0);
  for (int y = 2 * c.Y - 6; y < 2 * c.Y + 6; ++y)
    for (int x = 2 * c.X - 6; x < 2 * c.X + 6; ++x)
      ASSERT_EQ(Device(x, y), hatch.pixel(x % 16, y % 16) & 0xFFFFFFU) << x << "," << y;

  // With the easy colours, a hatched square of colour 2 is vermillion.
  Settings.Palette = 1;
  Rec.Table[0][0] = 1 + 2 + 2 * 9;
  Board.Paint();
  const QImage& vermillion = Bmps.Bitmap(bmpPatternVermillion, 2);
  ASSERT_EQ(vermillion.size(), QSize(16, 16));
  int inked = 0;
  for (int y = 2 * c.Y - 6; y < 2 * c.Y + 6; ++y)
    for (int x = 2 * c.X - 6; x < 2 * c.X + 6; ++x) {
      ASSERT_EQ(Device(x, y), vermillion.pixel(x % 16, y % 16) & 0xFFFFFFU) << x << "," << y;
      inked += Device(x, y) == RgbOf(213, 94, 0);
    }
  EXPECT_GT(inked, 20);
  Settings.Palette = 0;

  // The score's first digit: where its dense mask is black, the surface
  // shows the dense glyph, device pixel for device pixel.
  const QImage& strip = Bmps.Bitmap(bmpDigits, 2);
  ASSERT_EQ(strip.size(), QSize(440, 108));
  const char first = std::to_string(Game.ComputeScore()).front();
  const int cell = first == '-' ? 0 : first - '0' + 1;
  const int left = 2 * (Board.ScoreLabelLeft() - 5);
  int glyph = 0;
  for (int y = 0; y < 54; ++y)
    for (int x = 0; x < 38; ++x)
      if ((strip.pixel(40 * cell + x, 54 + y) & 0xFFFFFFU) == 0) {
        ++glyph;
        ASSERT_EQ(Device(left + x, 44 + y), strip.pixel(40 * cell + x, y) & 0xFFFFFFU) << x << "," << y;
      }
  EXPECT_GT(glyph, 100);
}

} // namespace
