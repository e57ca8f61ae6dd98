#include "BoardWidget.h"

#include <QMouseEvent>
#include <QPainter>

TBoardWidget::TBoardWidget(QWidget* parent)
  : QWidget(parent)
{
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBoardWidget::paintEvent(QPaintEvent* event)
{
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area.topLeft(), Image, area);
}

void TBoardWidget::resizeEvent(QResizeEvent* event)
{
  Image = QImage(event->size(), QImage::Format_RGB32);
  Image.fill(Qt::black);
  emit Resized(width(), height());
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
