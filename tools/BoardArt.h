#pragma once

#include <QImage>

#include <vector>

// Every image comes at a scale: 1 for ordinary screens, 2 for screens of
// twice the pixel density, drawn anew at that size rather than enlarged.
QImage MakeDigitStrip(int scale);
QImage MakeBackgroundSheet(int scale);
// The hatch tiles in blue, green, red and black.
std::vector<QImage> MakeFillPatterns(int scale);
// The seamless grey granite of the dialogs, light or darker.
QImage MakeGraniteTile(bool darker, int scale);
