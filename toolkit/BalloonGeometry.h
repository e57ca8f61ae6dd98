#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

enum THintPosition { hpAboveLeft, hpAboveRight, hpBelowLeft, hpBelowRight };

// Where a balloon hint goes and how it is drawn, in the window's own pixels
// except for Window, which is on the desktop.
struct TBalloon {
  THintPosition Position = hpAboveRight;
  QRect Window;
  QRect Body; // left, top, right, bottom as the exclusive-edge box
  std::array<QPoint, 3> Nose {}; // base start, tip, base end
  QPoint TextOffset;
};

constexpr int HintMinTextWidth = 46;

// The balloon for a measured text at the pointer: the first of above-right,
// below-left, below-right and above-left that fits on the desktop; when none
// fits, the preferred one, moved fully onto the desktop.
TBalloon PlaceBalloon(QSize text, QPoint pointer, const QRect& desktop);
