#include "OpeningEffect.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {

QRegion Outline(const QRect& r)
{
  return QRegion(r).subtracted(QRegion(r.adjusted(1, 1, -1, -1)));
}

} // namespace

QRect TOpeningEffect::StepRect(QPoint start, QRect target, int step)
{
  const double dx = static_cast<double>(target.left() - start.x()) / Steps;
  const double dy = static_cast<double>(target.top() - start.y()) / Steps;
  const double dw = static_cast<double>(target.width()) / Steps;
  const double dh = static_cast<double>(target.height()) / Steps;
  const int left = static_cast<int>(std::trunc(start.x() + step * dx));
  const int top = static_cast<int>(std::trunc(start.y() + step * dy));
  const int right = static_cast<int>(std::trunc(left + step * dw));
  const int bottom = static_cast<int>(std::trunc(top + step * dh));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

TOpeningEffect::TOpeningEffect(QPoint start, QRect target)
  : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput)
  , Start(start)
  , Target(target)
{
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_DeleteOnClose);
  QRect area = target;
  for (int i = 1; i <= Steps; ++i)
    area = area.united(StepRect(start, target, i));
  setGeometry(area);
  Stepper.setInterval(StepMs);
  connect(&Stepper, &QTimer::timeout, this, &TOpeningEffect::Advance);
}

void TOpeningEffect::Play(QPoint start, QRect target)
{
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") || target.isEmpty())
    return;
  auto* effect = new TOpeningEffect(start, target);
  effect->Advance();
  effect->show();
  effect->Stepper.start();
}

void TOpeningEffect::Advance()
{
  ++Tick;
  if (Tick > 2 * Steps) {
    close();
    return;
  }
  // First pass: rectangles 1..Tick drawn; second pass: erased in order.
  const int first = Tick <= Steps ? 1 : Tick - Steps + 1;
  const int last = Tick <= Steps ? Tick : Steps;
  QRegion shape;
  for (int i = first; i <= last; ++i)
    shape = shape.united(Outline(StepRect(Start, Target, i).translated(-pos())));
  if (shape.isEmpty()) {
    close();
    return;
  }
  setMask(shape);
  update();
}

void TOpeningEffect::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
}
