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
  const int cx = cell.CentreX();
  const int cy = cell.CentreY();
  const int g = (9 * Lay.CellSize) / 20;
  const int r = Lay.CellSize / 7;

  const int code = rec.Table[col][row];
  if (code == 0) {
    Canvas.SetPen(Black, 1);
    Canvas.SetSolidBrush(Black);
    Canvas.RoundRect(cx - g, cy - g, cx + g, cy + g, r, r);
    return;
  }
  if (rec.GameState == gsPaused)
    return;

  Canvas.SetPen(Black, 1);
  Canvas.SetSolidBrush(rec.Picked[col][row] ? PickedFace : CardFace);
  Canvas.RoundRect(cx - g, cy - g, cx + g, cy + g, r, r);

  const int colour = AttrDigit(code, adColour);
  const int shape = AttrDigit(code, adShape);
  const int fill = AttrDigit(code, adFill);
  const int number = AttrDigit(code, adNumber);
  const int d = Lay.CellSize / 5;
  switch (number) {
  case 0:
    DrawSymbol(cx, cy, colour, fill, shape);
    break;
  case 1:
    DrawSymbol(cx, cy - d, colour, fill, shape);
    DrawSymbol(cx, cy + d, colour, fill, shape);
    break;
  default:
    DrawSymbol(cx, cy - d, colour, fill, shape);
    DrawSymbol(cx - d, cy + d, colour, fill, shape);
    DrawSymbol(cx + d, cy + d, colour, fill, shape);
    break;
  }
}

void TBoard::DrawSymbol(int x, int y, int colour, int fill, int shape)
{
  const int s = Lay.CellSize / 6;
  const bool easy = Settings.EasyColours();
  const TColorRef ink = (easy ? EasySymbolColour : SymbolColour)[colour];
  const auto drawShape = [&] {
    switch (shape) {
    case 0:
      Canvas.Rectangle(x - s, y - s, x + s, y + s);
      break;
    case 1:
      Canvas.Ellipse(x - s, y - s, x + s, y + s);
      break;
    default: {
      const TPoint triangle[] = { { x - s, y + s }, { x, y - s }, { x + s, y + s } };
      Canvas.Polygon(triangle, 3);
      break;
    }
    }
  };

  Canvas.SetPen(ink, 1);
  if (fill == fsSolid)
    Canvas.SetSolidBrush(ink);
  else if (fill == fsPattern)
    Canvas.SetPatternBrush((easy ? EasySymbolPattern : SymbolPattern)[colour]);
  else
    Canvas.SetNoBrush();
  drawShape();

  Canvas.SetPen(ink, 3);
  Canvas.SetNoBrush();
  drawShape();
}
