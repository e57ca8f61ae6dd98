// One slot of the table: an empty hole, a card face with its symbols, or
// nothing while the game is paused.
#include "board/Board.h"
#include "game/CardCode.h"
#include "game/Game.h"

namespace {
constexpr TColorRef Black = Rgb(0, 0, 0);
constexpr TColorRef CardFace = Rgb(255, 255, 255);
constexpr TColorRef PickedFace = Rgb(255, 255, 0);
constexpr TColorRef SymbolColour[3] = { Rgb(0, 0, 255), Rgb(0, 160, 0), Rgb(255, 0, 0) };
constexpr int SymbolPattern[3] = { bmpPatternBlue, bmpPatternBlue + 1, bmpPatternBlue + 2 };
// Blue, black and vermillion stay apart under every common colour blindness
// and in lightness too.
constexpr TColorRef EasySymbolColour[3] = { Rgb(0, 0, 255), Rgb(0, 0, 0), Rgb(213, 94, 0) };
constexpr int EasySymbolPattern[3] = { bmpPatternBlue, bmpPatternBlack, bmpPatternVermillion };
enum TFillStyle { fsEmpty = 0, fsSolid = 1, fsPattern = 2 };
} // namespace

void TBoard::RedrawSlot(int col, int row)
{
  if (!Drawable())
    return;
  const TGameRecord& rec = Game.Record();
  const TCellRect cell = CellRect(Lay, TSlot { col, row });
  const int code = rec.Table[col][row];
  if (code != 0 && rec.GameState == gsPaused)
    return;
  DrawCard(Canvas, cell, code, rec.Picked[col][row], Settings.EasyColours());
}

void TBoard::DrawSymbol(int x, int y, int colour, int fill, int shape)
{
  ::DrawSymbol(Canvas, Lay.CellSize, x, y, colour, fill, shape, Settings.EasyColours());
}

void DrawCard(TCanvas& canvas, const TCellRect& cell, int code, bool picked, bool easyColours)
{
  const int cx = cell.CentreX();
  const int cy = cell.CentreY();
  const int g = (9 * cell.Size) / 20;
  const int r = cell.Size / 7;
  if (code == 0) {
    canvas.SetPen(Black, 1);
    canvas.SetSolidBrush(Black);
    canvas.RoundRect(cx - g, cy - g, cx + g, cy + g, r, r);
    return;
  }

  canvas.SetPen(Black, 1);
  canvas.SetSolidBrush(picked ? PickedFace : CardFace);
  canvas.RoundRect(cx - g, cy - g, cx + g, cy + g, r, r);

  const int colour = AttrDigit(code, adColour);
  const int shape = AttrDigit(code, adShape);
  const int fill = AttrDigit(code, adFill);
  const int number = AttrDigit(code, adNumber);
  const int d = cell.Size / 5;
  const auto symbol = [&](int x, int y) { DrawSymbol(canvas, cell.Size, x, y, colour, fill, shape, easyColours); };
  switch (number) {
  case 0:
    symbol(cx, cy);
    break;
  case 1:
    symbol(cx, cy - d);
    symbol(cx, cy + d);
    break;
  default:
    symbol(cx, cy - d);
    symbol(cx - d, cy + d);
    symbol(cx + d, cy + d);
    break;
  }
}

void DrawSymbol(TCanvas& canvas, int cellSize, int x, int y, int colour, int fill, int shape, bool easyColours)
{
  const int s = cellSize / 6;
  const TColorRef ink = (easyColours ? EasySymbolColour : SymbolColour)[colour];
  const auto drawShape = [&] {
    switch (shape) {
    case 0:
      canvas.Rectangle(x - s, y - s, x + s, y + s);
      break;
    case 1:
      canvas.Ellipse(x - s, y - s, x + s, y + s);
      break;
    default: {
      const TPoint triangle[] = { { x - s, y + s }, { x, y - s }, { x + s, y + s } };
      canvas.Polygon(triangle, 3);
      break;
    }
    }
  };

  canvas.SetPen(ink, 1);
  if (fill == fsSolid)
    canvas.SetSolidBrush(ink);
  else if (fill == fsPattern)
    canvas.SetPatternBrush((easyColours ? EasySymbolPattern : SymbolPattern)[colour]);
  else
    canvas.SetNoBrush();
  drawShape();

  canvas.SetPen(ink, 3);
  canvas.SetNoBrush();
  drawShape();
}
