#include "board/BoardWidget.h"

#include "board/QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

TBoardWidget::TBoardWidget(QWidget* parent)
  : QWidget(parent)
{
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

std::unique_ptr<TQtCanvas> TBoardWidget::MakeCanvas(const TBitmapList& bitmaps)
{
  auto canvas = std::make_unique<TQtCanvas>(Image, bitmaps);
  canvas->Changed = [this](const QRect& area) { update(area); };
  return canvas;
}

void TBoardWidget::paintEvent(QPaintEvent* event)
{
  // Moved to a screen of another pixel density: draw anew at its density.
  if (Image.devicePixelRatio() != devicePixelRatioF()) {
    NewSurface();
    return;
  }
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = Image.devicePixelRatio();
  painter.drawImage(QRectF(area), Image, QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
  if (!Cursor.isEmpty()) {
    // A black band outside an amber one, both in the cell's margin: one of
    // the two stands out against every background and against the face.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(FrameDark), 2));
    painter.drawRect(QRectF(Cursor).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor::fromRgb(FrameLight), 2));
    painter.drawRect(QRectF(Cursor).adjusted(3, 3, -3, -3));
  }
}

void TBoardWidget::SetKeyCursor(const QRect& cell)
{
  if (cell == Cursor)
    return;
  update(Cursor);
  Cursor = cell;
  update(Cursor);
}

void TBoardWidget::resizeEvent(QResizeEvent*)
{
  NewSurface();
}

void TBoardWidget::NewSurface()
{
  const qreal ratio = devicePixelRatioF();
  Image = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
  Image.setDevicePixelRatio(ratio);
  Image.fill(Qt::black);
  emit Resized(width(), height());
  update();
}

void TBoardWidget::mousePressEvent(QMouseEvent* event)
{
  const QPoint p = event->position().toPoint();
  emit MouseDown(p.x(), p.y());
}

void TBoardWidget::mouseMoveEvent(QMouseEvent* event)
{
  const QPoint p = event->position().toPoint();
  emit MouseMove(p.x(), p.y());
}
