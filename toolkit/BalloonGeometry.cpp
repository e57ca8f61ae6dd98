#include "toolkit/BalloonGeometry.h"

#include <algorithm>

namespace {

TBalloon Shape(THintPosition position, int w, int h, QPoint p)
{
  TBalloon b;
  b.Position = position;
  switch (position) {
  case hpAboveLeft:
    b.Window = QRect(p.x() - w - 1, p.y() - h - 1, w, h);
    b.Body = QRect(QPoint(0, 0), QPoint(w - 21, h - 21));
    b.Nose = { QPoint(w - 61, h - 22), QPoint(w - 6, h - 6), QPoint(w - 31, h - 22) };
    b.TextOffset = QPoint(4, 4);
    break;
  case hpAboveRight:
    b.Window = QRect(p.x() + 1, p.y() - h - 1, w, h);
    b.Body = QRect(QPoint(15, 0), QPoint(w - 6, h - 21));
    b.Nose = { QPoint(25, h - 22), QPoint(0, h - 6), QPoint(55, h - 22) };
    b.TextOffset = QPoint(19, 4);
    break;
  case hpBelowLeft:
    b.Window = QRect(p.x() - w - 3, p.y() + 1, w, h);
    b.Body = QRect(QPoint(0, 15), QPoint(w - 21, h - 6));
    b.Nose = { QPoint(w - 61, 16), QPoint(w, 0), QPoint(w - 31, 16) };
    b.TextOffset = QPoint(4, 19);
    break;
  case hpBelowRight:
    b.Window = QRect(p.x() + 6, p.y() + 1, w, h);
    b.Body = QRect(QPoint(15, 15), QPoint(w - 6, h - 6));
    b.Nose = { QPoint(25, 16), QPoint(0, 0), QPoint(55, 16) };
    b.TextOffset = QPoint(19, 19);
    break;
  }
  return b;
}

bool Fits(const QRect& window, const QRect& desktop)
{
  const auto inside = [&desktop](int x, int y) {
    return desktop.left() <= x && x < desktop.x() + desktop.width() && desktop.top() <= y && y < desktop.y() + desktop.height();
  };
  return inside(window.x(), window.y()) && inside(window.x() + window.width(), window.y() + window.height());
}

} // namespace

TBalloon PlaceBalloon(QSize text, QPoint pointer, const QRect& desktop)
{
  const int w = std::max(text.width(), HintMinTextWidth) + 29;
  const int h = text.height() + 24;
  for (const THintPosition position : { hpAboveRight, hpBelowLeft, hpBelowRight, hpAboveLeft }) {
    const TBalloon balloon = Shape(position, w, h, pointer);
    if (Fits(balloon.Window, desktop))
      return balloon;
  }
  TBalloon balloon = Shape(hpAboveRight, w, h, pointer);
  const int x = std::clamp(balloon.Window.x(), desktop.x(), std::max(desktop.x(), desktop.x() + desktop.width() - w - 1));
  const int y = std::clamp(balloon.Window.y(), desktop.y(), std::max(desktop.y(), desktop.y() + desktop.height() - h - 1));
  balloon.Window.moveTo(x, y);
  return balloon;
}
