#pragma once

#include <QImage>

#include <vector>

QImage MakeDigitStrip();
QImage MakeBackgroundSheet();
// The hatch tiles in blue, green, red and black.
std::vector<QImage> MakeFillPatterns();
// The seamless grey granite of the dialogs, light or darker.
QImage MakeGraniteTile(bool darker);
