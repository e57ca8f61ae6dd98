#pragma once

#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

// The opening effect of the main window: forty dotted rectangles grow from
// the pointer to the window's rectangle and vanish again in the same order.
// They are drawn on a click-through overlay shaped to the rectangles' edges.
class TOpeningEffect final : public QWidget {
public:
  TOpeningEffect(QPoint start, QRect target);

  // Rectangle i (1..Steps) of the effect, on the screen.
  static QRect StepRect(QPoint start, QRect target, int step);
  static constexpr int Steps = 40;
  static constexpr int StepMs = 3;

  // Runs the effect unless the platform cannot show an overlay.
  static void Play(QPoint start, QRect target);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void Advance();

  QPoint Start;
  QRect Target;
  int Tick = 0;
  QTimer Stepper;
};
