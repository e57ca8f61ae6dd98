#pragma once

#include "BalloonGeometry.h"

#include <QFont>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// The balloon window itself: a rounded body with a nose towards the pointer,
// shaped with a mask so that nothing around it is covered.
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
};

// The application's hint window: once installed, the tool tip of whatever
// control the pointer rests on shows as a balloon after 500 ms, for 2500 ms,
// and at once when the pointer moves on to another control while one shows.
class TShapeHint final : public QObject {
public:
  explicit TShapeHint(QObject* parent = nullptr);
  ~TShapeHint() override;

  bool BalloonVisible() const;
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
};
