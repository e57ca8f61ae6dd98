#include "tests/board/BoardFixture.h"

namespace {

constexpr QRgb Yellow = RgbOf(255, 255, 0);
constexpr QRgb White = RgbOf(255, 255, 255);
constexpr QRgb Black = RgbOf(0, 0, 0);

TEST_F(TBoardTest, CardFacesFollowPickAndPause)
{
  Open();
  Rec.Picked[1][2] = true;
  Rec.Table[3][0] = 0;
  Board.Paint();
  const int g = (9 * Board.Layout().CellSize) / 20;
  const auto face = [&](int col, int row) { return At(Centre(col, row).X - g + 3, Centre(col, row).Y); };
  EXPECT_EQ(face(1, 2), Yellow);
  EXPECT_EQ(face(0, 0), White);
  EXPECT_EQ(At(Centre(3, 0).X, Centre(3, 0).Y), Black);

  Rec.Picked[1][2] = false;
  Board.RedrawSlot(1, 2);
  EXPECT_EQ(face(1, 2), White);

  // Paused: the texture shows where cards were, empty slots stay black.
  Rec.GameState = gsPaused;
  Board.Paint();
  for (const TPoint p : { Centre(0, 0), Centre(2, 3) })
    EXPECT_EQ(At(p.X, p.Y), BoardTexture(p.X, p.Y));
  EXPECT_EQ(At(Centre(3, 0).X, Centre(3, 0).Y), Black);
  const QImage before = Surface;
  Board.RedrawSlot(0, 0);
  EXPECT_EQ(Surface, before);
}

TEST_F(TBoardTest, SymbolsShowColourFillAndNumber)
{
  Open();
  const int d = Board.Layout().CellSize / 5;
  struct TCase {
    int Code;
    int DyOfSymbol; // a symbol centre relative to the card centre
    QRgb Centre;
  };
  const TCase cases[] = {
    { 1, 0, White },                   // one blue empty square
    { 14, 0, RgbOf(0, 160, 0) },       // one green solid circle
    { 28, -d, White },                 // two blue empty squares, the upper one
    { 28, +d, White },
    { 55 + 9, -d, RgbOf(0, 0, 255) },  // three blue solid squares, the top one
  };
  for (const auto& c : cases) {
    Rec.Table[0][0] = c.Code;
    Board.RedrawSlot(0, 0);
    const TPoint p = Centre(0, 0);
    EXPECT_EQ(At(p.X, p.Y + c.DyOfSymbol), c.Centre) << "code " << c.Code;
  }
  // Code 1's square has a 3-pixel blue outline at the symbol box edge.
  Rec.Table[0][0] = 1;
  Board.RedrawSlot(0, 0);
  const int s = Board.Layout().CellSize / 6;
  EXPECT_EQ(At(Centre(0, 0).X - s, Centre(0, 0).Y), RgbOf(0, 0, 255));
  // Hatched fills follow the board-anchored pattern: ink on the diagonals.
  Rec.Table[0][0] = 81;
  Board.RedrawSlot(0, 0);
  const TPoint c = Centre(0, 0);
  for (int y = c.Y + d - 3; y <= c.Y + d + 3; ++y)
    for (int x = c.X - d - 3; x <= c.X - d + 3; ++x) {
      const bool ink = x % 8 == y % 8 || (x % 8) + (y % 8) == 7;
      EXPECT_EQ(At(x, y), ink ? RgbOf(248, 0, 0) : RgbOf(248, 252, 248)) << x << "," << y;
    }
}

TEST_F(TBoardTest, TheEasyColoursPaintBlueBlackAndVermillion)
{
  Open();
  Settings.Palette = 1;
  const int s = Board.Layout().CellSize / 6;
  const QRgb inks[] = { RgbOf(0, 0, 255), RgbOf(0, 0, 0), RgbOf(213, 94, 0) };
  const QRgb hatchInks[] = { RgbOf(0, 0, 248), RgbOf(0, 0, 0), RgbOf(213, 94, 0) };
  for (int colour = 0; colour < 3; ++colour)
    for (int fill = 0; fill < 3; ++fill) {
      Rec.Table[0][0] = 1 + colour + 9 * fill; // one square
      Board.RedrawSlot(0, 0);
      const TPoint c = Centre(0, 0);
      const std::string name = "colour " + std::to_string(colour) + " fill " + std::to_string(fill);
      EXPECT_EQ(At(c.X - s, c.Y), inks[colour]) << name << ": the outline";
      if (fill != 2) {
        EXPECT_EQ(At(c.X, c.Y), fill == 0 ? White : inks[colour]) << name;
        continue;
      }
      for (int y = c.Y - 3; y <= c.Y + 3; ++y)
        for (int x = c.X - 3; x <= c.X + 3; ++x) {
          const bool ink = x % 8 == y % 8 || (x % 8) + (y % 8) == 7;
          EXPECT_EQ(At(x, y), ink ? hatchInks[colour] : RgbOf(248, 252, 248)) << name << " at " << x << "," << y;
        }
    }
  // Any other stored value paints the standard colours.
  Settings.Palette = 7;
  Rec.Table[0][0] = 1 + 1 + 9; // one green solid square
  Board.RedrawSlot(0, 0);
  EXPECT_EQ(At(Centre(0, 0).X, Centre(0, 0).Y), RgbOf(0, 160, 0));
}

TEST_F(TBoardTest, BackgroundAndHeaderBandsFollowTheBackMode)
{
  for (int mode : { 0, 4 }) {
    Settings.BackMode = mode;
    Open(900, 600);
    Board.Paint();
    for (const TPoint p : { TPoint { 10, 10 }, TPoint { 170, 57 }, TPoint { 650, 30 } })
      EXPECT_EQ(At(p.X, p.Y), HeaderTexture(p.X, p.Y)) << mode;
    for (const TPoint p : { TPoint { 20, 100 }, TPoint { 170, 500 }, TPoint { 890, 580 } })
      EXPECT_EQ(At(p.X, p.Y), BoardTexture(p.X, p.Y)) << mode;
    // The frame: thin lines at insets 0 and 6, a thick one at 3.
    for (int x : { 0, 2, 3, 4, 6 })
      EXPECT_EQ(At(x, 300), Black) << x;
    for (int x : { 1, 5, 7 })
      EXPECT_NE(At(x, 300), Black) << x;
    EXPECT_EQ(At(899, 300), Black);
    EXPECT_EQ(At(300, 58), Black);
  }
  // A stored mode outside 0..4 draws grey.
  Settings.BackMode = 9;
  Board.Paint();
  Settings.BackMode = 0;
  EXPECT_EQ(At(20, 100), BoardTexture(20, 100));
}

// Checks that the 100-pixel score patch at left holds exactly the digits of
// text from x0 on over header texture, each digit combined as (texture AND
// mask) OR glyph.
void ExpectScore(const QImage& surface, const TBitmapList& bmps, int left, int x0, const std::string& text,
  const std::function<QRgb(int, int)>& header)
{
  const QImage& strip = bmps.Bitmap(bmpDigits);
  const int n = static_cast<int>(text.size());
  for (int y = 22; y < 49; ++y)
    for (int x = left; x < left + 100; ++x) {
      QRgb expected = header(x, y);
      const int i = (x - x0) / 20;
      if (x >= x0 && i < n && (x - x0) % 20 < 19) {
        const int cell = text[static_cast<std::size_t>(i)] == '-' ? 0 : text[static_cast<std::size_t>(i)] - '0' + 1;
        const int sx = 20 * cell + (x - x0) % 20;
        expected = (expected & strip.pixel(sx, y - 22 + 27) & 0xFFFFFFU) | (strip.pixel(sx, y - 22) & 0xFFFFFFU);
      }
      ASSERT_EQ(surface.pixel(x, y) & 0xFFFFFFU, expected) << text << " at " << x << "," << y;
    }
}

TEST_F(TBoardTest, ScoreDigitsAreClampedCentredAndReplaceOldOnes)
{
  struct TCase {
    int Width;
    int Ticks; // the score is -3 x ticks on a fresh game
    std::string Shown;
    int PatchLeft;
    int FirstDigit;
  };
  const TCase cases[] = {
    { 701, -11, "33", 326, 356 },
    { 701, 33, "-99", 326, 346 },
    { 701, -100000, "99999", 326, 326 },
    { 701, 7000, "-9999", 326, 326 },
    { 900, 34, "-102", 426, 436 }, // the patch wraps around the tile's edge here
  };
  for (const auto& c : cases) {
    Open(c.Width, 401);
    Board.Paint();
    Rec.TimeTicks = c.Ticks;
    Board.DrawScore();
    ExpectScore(Surface, Bmps, c.PatchLeft, c.FirstDigit, c.Shown, [this](int x, int y) { return HeaderTexture(x, y); });
    EXPECT_EQ(Board.ScoreLabelLeft(), c.FirstDigit + 5) << c.Shown; // the label 5 pixels right of it
  }
  // From four characters down to one: the old digits are wiped.
  Rec.TimeTicks = 34;
  Board.DrawScore();
  const int before = Board.ScoreLabelLeft();
  Rec.TimeTicks = -1;
  Board.DrawScore();
  ExpectScore(Surface, Bmps, 426, 466, "3", [this](int x, int y) { return HeaderTexture(x, y); });
  EXPECT_EQ(Board.ScoreLabelLeft() - before, 30);
}

TEST_F(TBoardTest, DetectorRowsFollowTheMatchValues)
{
  Open();
  Board.Paint();
  const TBoardLayout& l = Board.Layout();
  const int m = l.PanelSize;
  Rec.AttrMatch = { 1, 0, 2, 2 }; // colour alike, shape neither, number and fill different
  Board.ShowDetector();
  const int xMid = l.PanelLeft + m / 2;
  EXPECT_EQ(At(xMid, l.PanelTop + 2), RgbOf(127, 127, 127));
  EXPECT_EQ(At(xMid, l.PanelTop + l.CellSize / 2 + 2), RgbOf(191, 191, 191));
  EXPECT_EQ(At(xMid, l.PanelTop + l.CellSize + 2), RgbOf(191, 191, 191));
  const int y4 = l.PanelTop + 3 * (l.CellSize / 2) + 2;
  EXPECT_EQ(At(xMid, y4), BoardTexture(xMid, y4));
  // The colour icon's red bar and the fill icon's black square.
  EXPECT_EQ(At(xMid, l.PanelTop + (3 * m) / 12), RgbOf(255, 0, 0));
  EXPECT_EQ(At(l.PanelLeft + m / 6 + 2, l.PanelTop + l.CellSize + (4 * m) / 6 + 3), Black);

  Board.ClearDetector();
  for (int y = l.PanelTop; y < l.PanelTop + 5 * m; ++y)
    for (int x = l.PanelLeft; x < l.PanelLeft + m; ++x)
      ASSERT_EQ(At(x, y), BoardTexture(x, y)) << x << "," << y;

  Settings.DetectorOn = false;
  const QImage before = Surface;
  Board.ShowDetector();
  EXPECT_EQ(Surface, before);
}

TEST_F(TBoardTest, AWrongPicksVerdictShowsEveryRowWithItsMark)
{
  for (const int ratio : { 1, 2 }) {
    Surface = QImage(701 * ratio, 401 * ratio, QImage::Format_RGB32);
    Surface.setDevicePixelRatio(ratio);
    Board.Resize(701, 401);
    Game.NewGame();
    Board.Paint();
    const TBoardLayout& l = Board.Layout();
    const int m = l.PanelSize;
    const auto device = [&](int x, int y) { return Surface.pixel(x * ratio + ratio / 2, y * ratio + ratio / 2) & 0xFFFFFFU; };
    // Colour alike, shape all different, number and fill two alike.
    Board.ShowVerdict({ 1, 2, 0, 0 });
    for (int row = 0; row < 4; ++row) {
      const int y = l.PanelTop + row * (l.CellSize / 2);
      const std::string name = "row " + std::to_string(row) + " at density " + std::to_string(ratio);
      const QRgb top = device(l.PanelLeft + m / 2, y + 2);
      const QRgb upperRight = device(l.PanelLeft + m - 3, y + 2);
      const QRgb lowerLeft = device(l.PanelLeft + 2, y + m - 3);
      if (row < 2) {
        EXPECT_EQ(top, row == 0 ? RgbOf(127, 127, 127) : RgbOf(191, 191, 191)) << name; // the dark, the light disc
        // A disc leaves its square's corners to the board.
        for (const QRgb corner : { upperRight, lowerLeft }) {
          EXPECT_NE(corner, RgbOf(127, 127, 127)) << name;
          EXPECT_NE(corner, RgbOf(191, 191, 191)) << name;
        }
      } else {
        // Two alike, one different: a square, light above right, dark below left.
        EXPECT_EQ(upperRight, RgbOf(191, 191, 191)) << name;
        EXPECT_EQ(lowerLeft, RgbOf(127, 127, 127)) << name;
      }
    }
    if (ratio == 1) {
      Board.ClearDetector();
      for (int y = l.PanelTop; y < l.PanelTop + 5 * m; ++y)
        for (int x = l.PanelLeft; x < l.PanelLeft + m; ++x)
          ASSERT_EQ(device(x, y), BoardTexture(x, y)) << x << "," << y;
    }
  }
}

} // namespace
