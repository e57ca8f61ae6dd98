#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <array>

// The opening effect of the main window: a dotted rectangle grows from the
// pointer to the window's rectangle in forty steps, then vanishes. Its four
// edges are four thin click-through windows, moved at every step, so that
// no window shape is ever computed or sent to the display server.
class TOpeningEffect final : public QObject {
public:
  TOpeningEffect(QPoint start, QRect target);
  ~TOpeningEffect() override;

  // Rectangle i (1..Steps) of the effect, on the screen.
  static QRect StepRect(QPoint start, QRect target, int step);
  static constexpr int Steps = 40;
  static constexpr int StepMs = 3;

  // Runs the effect unless the platform cannot place windows on the screen.
  static void Play(QPoint start, QRect target);

private:
  class TEdge;
  void Advance();

  QPoint Start;
  QRect Target;
  int Tick = 0;
  QTimer Stepper;
  QElapsedTimer Running;
  std::array<TEdge*, 4> Edges {};
};
