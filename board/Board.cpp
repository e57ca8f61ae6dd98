#include "board/Board.h"

#include "game/Game.h"

#include <algorithm>

namespace {
constexpr TColorRef Black = Rgb(0, 0, 0);
constexpr TColorRef MarkAlike = Rgb(127, 127, 127);
constexpr TColorRef MarkDifferent = Rgb(191, 191, 191);
constexpr TColorRef TextColour = Rgb(0, 0, 0);
} // namespace

TBoard::TBoard(TCanvas& canvas, const TGame& game, const TBoardSettings& settings)
  : Canvas(canvas)
  , Game(game)
  , Settings(settings)
{
}

void TBoard::Resize(int width, int height)
{
  W = width;
  H = height;
  Lay = ComputeLayout(width, height);
}

std::optional<TSlot> TBoard::PointToSlot(int x, int y) const
{
  return ::PointToSlot(Lay, x, y);
}

int TBoard::Band() const
{
  return Settings.Background();
}

TSize TBoard::Tile() const
{
  const TSize sheet = Canvas.BitmapSize(bmpBackground);
  return TSize { sheet.Width / 2, sheet.Height / 5 };
}

void TBoard::Paint()
{
  if (!Drawable())
    return;
  const TSize tile = Tile();
  const int band = tile.Height * Band();
  for (int a = 0; a <= W / tile.Width; ++a)
    for (int b = 0; b <= H / tile.Height; ++b)
      Canvas.CopyBitmap(a * tile.Width, b * tile.Height, tile.Width, tile.Height, bmpBackground, 0, band, ropCopy);
  for (int a = 0; a <= W / tile.Width; ++a)
    Canvas.CopyBitmap(a * tile.Width, 0, tile.Width, HeaderHeight, bmpBackground, tile.Width, band, ropCopy);

  Canvas.SetNoBrush();
  Canvas.SetPen(Black, 1);
  Canvas.Rectangle(0, HeaderHeight, W, H);
  Canvas.Rectangle(6, HeaderHeight + 6, W - 6, H - 6);
  Canvas.SetPen(Black, 3);
  Canvas.Rectangle(3, HeaderHeight + 3, W - 3, H - 3);

  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row)
      RedrawSlot(col, row);
  DrawScore();
}

void TBoard::TileBoardTexture(int left, int top, int right, int bottom)
{
  // Copies exactly the part of each texture tile that overlaps the area, so
  // the texture stays anchored at the board's origin.
  const TSize tile = Tile();
  const int band = tile.Height * Band();
  for (int a = left / tile.Width; a * tile.Width < right; ++a)
    for (int b = top / tile.Height; b * tile.Height < bottom; ++b) {
      const int x0 = std::max(left, a * tile.Width);
      const int y0 = std::max(top, b * tile.Height);
      const int x1 = std::min(right, (a + 1) * tile.Width);
      const int y1 = std::min(bottom, (b + 1) * tile.Height);
      Canvas.CopyBitmap(x0, y0, x1 - x0, y1 - y0, bmpBackground, x0 - a * tile.Width, band + y0 - b * tile.Height, ropCopy);
    }
}

void TBoard::ClearDetector()
{
  if (!Drawable())
    return;
  const int m = Lay.PanelSize;
  TileBoardTexture(Lay.PanelLeft, Lay.PanelTop, Lay.PanelLeft + m, Lay.PanelTop + 5 * m);
}

void TBoard::ShowDetector()
{
  if (!Drawable() || !Settings.DetectorOn)
    return;
  const int m = Lay.PanelSize;
  const int x0 = Lay.PanelLeft;
  int y = Lay.PanelTop;
  const auto& match = Game.Record().AttrMatch;
  for (int row = 0; row < 4; ++row) {
    if (match[row] != 1 && match[row] != 2)
      continue;
    Canvas.SetPen(Black, 1);
    Canvas.SetSolidBrush(match[row] == 1 ? MarkAlike : MarkDifferent);
    Canvas.Ellipse(x0, y, x0 + m, y + m);
    DrawDetectorIcon(row, x0, y);
    y += Lay.CellSize / 2;
  }
}

void TBoard::ShowVerdict(const std::array<std::int32_t, 4>& match)
{
  if (!Drawable())
    return;
  ClearDetector();
  const int m = Lay.PanelSize;
  const int x0 = Lay.PanelLeft;
  for (int row = 0; row < 4; ++row) {
    const int y = Lay.PanelTop + row * (Lay.CellSize / 2);
    Canvas.SetPen(Black, 1);
    if (match[static_cast<std::size_t>(row)] == 0) {
      // A square, not a disc, its lower left half dark and its upper right
      // half light: some alike, some not.
      Canvas.SetSolidBrush(MarkDifferent);
      Canvas.Rectangle(x0, y, x0 + m, y + m);
      Canvas.SetSolidBrush(MarkAlike);
      const TPoint half[] = { { x0, y }, { x0 + m - 1, y + m - 1 }, { x0, y + m - 1 } };
      Canvas.Polygon(half, 3);
    } else {
      Canvas.SetSolidBrush(match[static_cast<std::size_t>(row)] == 1 ? MarkAlike : MarkDifferent);
      Canvas.Ellipse(x0, y, x0 + m, y + m);
    }
    DrawDetectorIcon(row, x0, y);
  }
}

void TBoard::DrawDetectorIcon(int row, int x0, int y0)
{
  const int m = Lay.PanelSize;
  switch (row) {
  case 0: { // colour: three bars
    Canvas.SetNoPen();
    // The symbols' colours, in the palette the cards show.
    const TColorRef standard[] = { Rgb(255, 0, 0), Rgb(0, 128, 0), Rgb(0, 0, 255) };
    const TColorRef easy[] = { Rgb(213, 94, 0), Rgb(0, 0, 0), Rgb(0, 0, 255) };
    const TColorRef* bars = Settings.EasyColours() ? easy : standard;
    for (int i = 0; i < 3; ++i) {
      Canvas.SetSolidBrush(bars[i]);
      Canvas.Rectangle(x0 + m / 5, y0 + ((2 + 3 * i) * m) / 12, x0 + (4 * m) / 5, y0 + ((4 + 3 * i) * m) / 12);
    }
    break;
  }
  case 1: { // shape: square, circle and triangle outlines
    Canvas.SetPen(Black, 1);
    Canvas.SetNoBrush();
    Canvas.Rectangle(x0 + (2 * m) / 7, y0 + m / 7, x0 + (5 * m) / 7, y0 + (4 * m) / 7);
    Canvas.Ellipse(x0 + (3 * m) / 7, y0 + (2 * m) / 7, x0 + (7 * m) / 8, y0 + (6 * m) / 8);
    const TPoint triangle[] = { { x0 + (5 * m) / 12, y0 + (4 * m) / 12 }, { x0 + (8 * m) / 12, y0 + (10 * m) / 12 },
      { x0 + (2 * m) / 12, y0 + (10 * m) / 12 } };
    Canvas.Polygon(triangle, 3);
    break;
  }
  case 2: { // number: the text "123"
    Canvas.SetFont("Arial", (4 * m) / 10);
    const TSize extent = Canvas.TextExtent("123");
    Canvas.TextOut(x0 + (m - extent.Width) / 2, y0 + m / 5, "123", TextColour);
    break;
  }
  default: { // fill: black, white and hatched squares
    Canvas.SetPen(Black, 1);
    Canvas.SetSolidBrush(Black);
    Canvas.Rectangle(x0 + m / 6, y0 + (3 * m) / 6, x0 + (3 * m) / 6, y0 + (5 * m) / 6);
    Canvas.SetSolidBrush(Rgb(255, 255, 255));
    Canvas.Rectangle(x0 + (3 * m) / 6, y0 + m / 6, x0 + (5 * m) / 6, y0 + (3 * m) / 6);
    Canvas.SetPatternBrush(bmpPatternBlack);
    Canvas.Rectangle(x0 + (2 * m) / 6, y0 + (2 * m) / 6, x0 + (4 * m) / 6, y0 + (4 * m) / 6);
    break;
  }
  }
}
