#pragma once

#include <cstdint>
#include <string>

// An RGB colour as 0x00RRGGBB.
using TColorRef = std::uint32_t;

constexpr TColorRef Rgb(int r, int g, int b)
{
  return static_cast<TColorRef>((r << 16) | (g << 8) | b);
}
constexpr int RedOf(TColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(TColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColorRef c) { return static_cast<int>(c & 0xFF); }

struct TPoint {
  int X = 0;
  int Y = 0;
};

struct TSize {
  int Width = 0;
  int Height = 0;
};

enum TRasterOp { ropCopy, ropAnd, ropOr };

// The drawing operations the board needs. Rectangles and ellipse boxes are
// (left, top)-(right, bottom) with the right and bottom edge exclusive; a
// 1-pixel outline lies on the box's outermost pixels, a wider one is centred
// on that line. Shapes are outlined with the pen and filled with the brush.
// Bitmaps are addressed by their index in the board's bitmap list.
class TCanvas {
public:
  virtual ~TCanvas() = default;

  virtual void SetPen(TColorRef color, int width) = 0;
  virtual void SetNoPen() = 0;
  virtual void SetSolidBrush(TColorRef color) = 0;
  virtual void SetPatternBrush(int bitmap) = 0;
  virtual void SetNoBrush() = 0;

  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) = 0;
  virtual void Polygon(const TPoint* points, int count) = 0;

  virtual TSize BitmapSize(int bitmap) const = 0;
  virtual void CopyBitmap(int x, int y, int width, int height, int bitmap, int srcX, int srcY, TRasterOp op) = 0;

  // Text with a transparent background; y is the top of the text cell.
  virtual void SetFont(const std::string& face, int points) = 0;
  virtual TSize TextExtent(const std::string& text) = 0;
  virtual void TextOut(int x, int y, const std::string& text, TColorRef color) = 0;
};
