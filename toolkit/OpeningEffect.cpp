#include "toolkit/OpeningEffect.h"

#include "toolkit/FormKeeper.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

// One edge of the dotted rectangle.
class TOpeningEffect::TEdge final : public QWidget {
public:
  TEdge()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput)
  {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void Place(const QRect& area)
  {
    if (area.isEmpty()) {
      hide();
      return;
    }
    setGeometry(area);
    show();
  }

protected:
  void paintEvent(QPaintEvent*) override
  {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setBrushOrigin(-pos()); // the dots line up across the edges
    painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
  }
};

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
  : Start(start)
  , Target(target)
{
  for (TEdge*& edge : Edges)
    edge = new TEdge;
  Stepper.setInterval(StepMs);
  Stepper.setTimerType(Qt::PreciseTimer);
  connect(&Stepper, &QTimer::timeout, this, &TOpeningEffect::Advance);
}

TOpeningEffect::~TOpeningEffect()
{
  for (TEdge* edge : Edges)
    delete edge;
}

void TOpeningEffect::Play(QPoint start, QRect target)
{
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") || !WindowsCanBePlaced()
    || target.isEmpty())
    return;
  auto* effect = new TOpeningEffect(start, target);
  effect->Stepper.start();
  effect->Running.start();
}

void TOpeningEffect::Advance()
{
  // The steps keep to the clock: on a display server that falls behind,
  // the effect shows fewer of the rectangles, never takes longer. The last
  // one, the window's own, is always shown.
  if (Tick == Steps)
    Tick = Steps + 1;
  else
    Tick = std::clamp(static_cast<int>(Running.elapsed() / StepMs), Tick + 1, Steps);
  if (Tick > Steps) {
    Stepper.stop();
    deleteLater();
    return;
  }
  const QRect r = StepRect(Start, Target, Tick);
  Edges[0]->Place(QRect(r.left(), r.top(), r.width(), 1));
  Edges[1]->Place(QRect(r.left(), r.bottom(), r.width(), 1));
  Edges[2]->Place(QRect(r.left(), r.top(), 1, r.height()));
  Edges[3]->Place(QRect(r.right(), r.top(), 1, r.height()));
}
