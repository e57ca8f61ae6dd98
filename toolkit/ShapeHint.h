#pragma once

#include "toolkit/BalloonGeometry.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QPainter;

// The balloon's outline and fill on a transparent picture of its window, at
// a pixel density.
QImage BalloonPicture(const TBalloon& balloon, const QColor& fill, qreal devicePixelRatio = 1);
// The room a hint's text takes inside the balloon: its size, word-wrapped in
// the largest text width, measured with the font's own metrics, and enough
// more that every line, its descenders included, stays clear of the outline.
QSize HintTextRoom(const QString& text, const QFont& font, int maxWidth);
// The text, in the balloon's window's own pixels.
void DrawBalloonText(QPainter& painter, const TBalloon& balloon, const QFont& font, const QString& text);
// The pixels a picture covers, as a few rectangles: one per run of covered
// pixels, with equal runs of neighbouring rows joined.
QRegion CoveredRegion(const QImage& picture);

// The balloon window itself: a rounded body with a nose towards the pointer,
// shaped with a mask that admits exactly the balloon's pixels, so that
// nothing around it is covered and everything admitted is painted.
class TBalloonWindow final : public QWidget {
public:
  TBalloonWindow();
  void Show(const QString& text, const QFont& font, const TBalloon& balloon);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString Text;
  QFont TextFont;
  TBalloon Geometry;
  QImage Picture;
};

// The application's hint window: once installed, the tool tip of whatever
// control the pointer rests on shows as a balloon after 500 ms, for 2500 ms,
// and at once when the pointer moves on to another control while one shows.
class TShapeHint final : public QObject {
public:
  explicit TShapeHint(QObject* parent = nullptr);
  ~TShapeHint() override;

  bool BalloonVisible() const;
  // A balloon that points at a control with a text of its own, for the
  // given time or until the next click or key; the pointer's hints wait
  // while it shows. Screen readers hear it as the window appears.
  void Point(QWidget* control, const QString& text, int milliseconds);
  QWidget* Balloon() { return &Window; }

  static constexpr int ShowDelayMs = 500;
  static constexpr int HideDelayMs = 2500;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ShowFor(QWidget* control);
  void Hide();

  QFont Font;
  TBalloonWindow Window;
  QPointer<QWidget> Pending;
  QPointer<QWidget> Shown;
  QTimer ShowTimer;
  QTimer HideTimer;
  // Started when the pointer leaves a shown hint: moving straight on to the
  // next control shows its hint at once.
  QElapsedTimer SinceLeave;
  QPoint Pointer;
  bool Pointing = false; // a balloon of Point shows
};
