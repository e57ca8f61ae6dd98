#pragma once

#include "board/Canvas.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>

#include <functional>

class QPainter;
class TBitmapList;

// The board's drawing operations on a retained image, with the pixel rules
// of the original platform: aliased shapes, an exclusive right and bottom
// edge, per-channel AND and OR for bitmap copies, pattern brushes anchored
// at the image's origin. On a surface of a higher device pixel ratio the
// shapes get edges of the device's pixels, and bitmaps come from the list's
// images of twice the density.
class TQtCanvas final : public TCanvas {
public:
  TQtCanvas(QImage& surface, const TBitmapList& bitmaps);

  // Called with the area each operation changed, so that it can be shown.
  std::function<void(const QRect&)> Changed;

  void SetPen(TColorRef color, int width) override;
  void SetNoPen() override;
  void SetSolidBrush(TColorRef color) override;
  void SetPatternBrush(int bitmap) override;
  void SetNoBrush() override;

  void Rectangle(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void Polygon(const TPoint* points, int count) override;

  TSize BitmapSize(int bitmap) const override;
  void CopyBitmap(int x, int y, int width, int height, int bitmap, int srcX, int srcY, TRasterOp op) override;

  void SetFont(const std::string& face, int points) override;
  TSize TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text, TColorRef color) override;

private:
  // The bitmap to draw on the surface: the dense one on a dense surface.
  const QImage& Image(int bitmap) const;
  void PrepareShape(QPainter& painter) const;
  // Draws one outlined, filled shape in the platform's box convention.
  void DrawShape(int left, int top, int right, int bottom, const std::function<void(QPainter&, const QRect&)>& draw);
  void Report(const QRect& area);

  QImage& Surface;
  const TBitmapList& Bitmaps;
  QPen Pen;
  QBrush Brush;
  QFont Font;
};
