#pragma once

#include <QImage>

#include <vector>

QImage MakeDigitStrip();
QImage MakeBackgroundSheet();
// The hatch tiles in blue, green, red and black.
std::vector<QImage> MakeFillPatterns();
