#include "toolkit/BackPanel.h"

#include "toolkit/BitmapList.h"

#include <QPainter>

TBackPanel::TBackPanel(QWidget* parent, const TBitmapList& images, int listIndex)
  : QWidget(parent)
  , Images(images)
  , ListIndex(listIndex)
{
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBackPanel::paintEvent(QPaintEvent*)
{
  const qreal ratio = devicePixelRatioF();
  if (Cache.deviceIndependentSize() != QSizeF(size()) || Cache.devicePixelRatio() != ratio) {
    Cache = QPixmap((QSizeF(size()) * ratio).toSize());
    Cache.setDevicePixelRatio(ratio);
    Cache.fill(Qt::black);
    QPainter tiles(&Cache);
    if (Images.IsValid(ListIndex))
      tiles.drawTiledPixmap(rect(), QPixmap::fromImage(Images.Bitmap(ListIndex, ratio)));
    tiles.setPen(Qt::NoPen);
    tiles.setBrush(Qt::black);
    const int w = width();
    const int h = height();
    tiles.drawRect(0, 0, w, FrameWidth);
    tiles.drawRect(0, h - FrameWidth, w, FrameWidth);
    tiles.drawRect(0, 0, FrameWidth, h);
    tiles.drawRect(w - FrameWidth, 0, FrameWidth, h);
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, Cache);
}
