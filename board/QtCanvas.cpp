#include "board/QtCanvas.h"

#include "toolkit/BitmapList.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {

QColor ToQColor(TColorRef color)
{
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// The platform's boxes exclude their right and bottom edge; QRect's
// drawing rectangle of a 1-pixel outline includes them.
QRect OutlineBox(int left, int top, int right, int bottom)
{
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

} // namespace

TQtCanvas::TQtCanvas(QImage& surface, const TBitmapList& bitmaps)
  : Surface(surface)
  , Bitmaps(bitmaps)
  , Pen(Qt::black, 1)
  , Brush(Qt::white)
{
  Font.setHintingPreference(QFont::PreferFullHinting);
}

void TQtCanvas::SetPen(TColorRef color, int width)
{
  Pen = QPen(ToQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void TQtCanvas::SetNoPen()
{
  Pen = QPen(Qt::NoPen);
}

void TQtCanvas::SetSolidBrush(TColorRef color)
{
  Brush = QBrush(ToQColor(color));
}

void TQtCanvas::SetPatternBrush(int bitmap)
{
  Brush = QBrush(Image(bitmap));
}

void TQtCanvas::SetNoBrush()
{
  Brush = QBrush(Qt::NoBrush);
}

void TQtCanvas::PrepareShape(QPainter& painter) const
{
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Pen);
  painter.setBrush(Brush);
  painter.setBrushOrigin(0, 0);
}

void TQtCanvas::Report(const QRect& area)
{
  if (Changed)
    Changed(area);
}

void TQtCanvas::DrawShape(int left, int top, int right, int bottom, const std::function<void(QPainter&, const QRect&)>& draw)
{
  if (Surface.isNull())
    return;
  QPainter painter(&Surface);
  PrepareShape(painter);
  draw(painter, OutlineBox(left, top, right, bottom));
  Report(QRect(left - 2, top - 2, right - left + 4, bottom - top + 4));
}

void TQtCanvas::Rectangle(int left, int top, int right, int bottom)
{
  DrawShape(left, top, right, bottom, [](QPainter& painter, const QRect& box) { painter.drawRect(box); });
}

void TQtCanvas::Ellipse(int left, int top, int right, int bottom)
{
  DrawShape(left, top, right, bottom, [](QPainter& painter, const QRect& box) { painter.drawEllipse(box); });
}

void TQtCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
  DrawShape(left, top, right, bottom, [=](QPainter& painter, const QRect& box) {
    painter.drawRoundedRect(box, cornerWidth / 2.0, cornerHeight / 2.0);
  });
}

void TQtCanvas::Polygon(const TPoint* points, int count)
{
  if (Surface.isNull())
    return;
  QPolygon polygon;
  for (int i = 0; i < count; ++i)
    polygon << QPoint(points[i].X, points[i].Y);
  QPainter painter(&Surface);
  PrepareShape(painter);
  painter.drawPolygon(polygon);
  Report(polygon.boundingRect().adjusted(-2, -2, 2, 2));
}

const QImage& TQtCanvas::Image(int bitmap) const
{
  return Bitmaps.Bitmap(bitmap, Surface.devicePixelRatio());
}

TSize TQtCanvas::BitmapSize(int bitmap) const
{
  const QSize size = Bitmaps.Bitmap(bitmap).size();
  return TSize { size.width(), size.height() };
}

void TQtCanvas::CopyBitmap(int x, int y, int width, int height, int bitmap, int srcX, int srcY, TRasterOp op)
{
  if (Surface.isNull() || width <= 0 || height <= 0)
    return;
  QPainter painter(&Surface);
  switch (op) {
  case ropCopy:
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    break;
  case ropAnd:
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    break;
  case ropOr:
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    break;
  }
  // The source rectangle in the image's own pixels, which a dense image has
  // more of.
  const QImage& image = Image(bitmap);
  const qreal ratio = image.devicePixelRatio();
  painter.drawImage(QRectF(x, y, width, height), image, QRectF(srcX * ratio, srcY * ratio, width * ratio, height * ratio));
  Report(QRect(x, y, width, height));
}

void TQtCanvas::SetFont(const std::string& face, int points)
{
  Font.setFamily(QString::fromStdString(face));
  Font.setPointSize(points > 0 ? points : 1);
}

TSize TQtCanvas::TextExtent(const std::string& text)
{
  const QFontMetrics metrics(Font, &Surface);
  return TSize { metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height() };
}

void TQtCanvas::TextOut(int x, int y, const std::string& text, TColorRef color)
{
  if (Surface.isNull())
    return;
  const QFontMetrics metrics(Font, &Surface);
  const QString shown = QString::fromStdString(text);
  QPainter painter(&Surface);
  painter.setFont(Font);
  painter.setPen(ToQColor(color));
  painter.drawText(x, y + metrics.ascent(), shown);
  Report(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()));
}
