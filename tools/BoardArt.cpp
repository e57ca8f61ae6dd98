// The board's artwork: the score digit strip, the background sheet with its
// five materials, and the 8 x 8 fill patterns.
#include "tools/BoardArt.h"
#include "tools/Noise.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TileWidth = 160;
constexpr int TileHeight = 120;
constexpr double Pi = 3.14159265358979323846;

struct TRgb {
  double R, G, B;
};

TRgb Mix(TRgb a, TRgb b, double t)
{
  t = std::clamp(t, 0.0, 1.0);
  return { a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t };
}

TRgb Scale(TRgb c, double f)
{
  return { c.R * f, c.G * f, c.B * f };
}

QRgb ToQRgb(TRgb c)
{
  const auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
  return qRgb(channel(c.R), channel(c.G), channel(c.B));
}

// Per-pixel speckle value: a hash of the pixel, so it repeats with the tile.
double Speckle(int x, int y, std::uint32_t seed)
{
  return HashUnit(x, y, seed);
}

TRgb GreyMarble(double u, double v, int x, int y)
{
  const double t = Fbm(u, v, 4, 3, 5, 11);
  const double vein = std::pow(1 - std::abs(std::sin(2 * Pi * (u + 2 * v) + 7 * t)), 12);
  const double fine = std::pow(1 - std::abs(std::sin(2 * Pi * (3 * u - v) + 9 * Fbm(u, v, 8, 6, 3, 12))), 30);
  TRgb c = Mix({ 168, 168, 172 }, { 222, 222, 226 }, t * 1.3 - 0.15);
  c = Mix(c, { 95, 95, 102 }, 0.8 * vein + 0.4 * fine);
  return Scale(c, 0.97 + 0.06 * Speckle(x, y, 13));
}

TRgb BrownWood(double u, double v, int x, int y)
{
  const double warp = Fbm(u, v, 2, 3, 4, 21);
  const double rings = 0.5 + 0.5 * std::sin(2 * Pi * (7 * v + 1.6 * warp));
  const double streak = ValueNoise(u, v, 4, 48, 22);
  TRgb c = Mix({ 112, 66, 32 }, { 168, 112, 62 }, std::pow(rings, 1.5));
  c = Mix(c, { 84, 48, 22 }, 0.45 * std::pow(streak, 3));
  return Scale(c, 0.96 + 0.08 * Speckle(x, y, 23));
}

TRgb GreenStone(double u, double v, int x, int y)
{
  const double t = Fbm(u, v, 4, 3, 5, 31);
  const double blot = Fbm(u, v, 8, 6, 3, 32);
  TRgb c = Mix({ 34, 84, 44 }, { 104, 154, 92 }, (t - 0.25) * 2);
  c = Mix(c, { 24, 60, 32 }, std::clamp((blot - 0.62) * 5, 0.0, 0.7));
  return Scale(c, 0.94 + 0.12 * Speckle(x, y, 33));
}

TRgb Granite(double u, double v, int x, int y, TRgb dark, TRgb base, TRgb light, std::uint32_t seed)
{
  const double t = Fbm(u, v, 8, 6, 4, seed);
  TRgb c = Mix(Scale(base, 0.85), Scale(base, 1.1), t * 1.4 - 0.2);
  const double grain = Fbm(u, v, 64, 48, 2, seed + 1);
  const double s = Speckle(x, y, seed + 2);
  if (grain > 0.62 || s < 0.08)
    c = Mix(c, dark, 0.75);
  else if (grain < 0.3 || s > 0.95)
    c = Mix(c, light, 0.6);
  return c;
}

// The material of a band at pixel (x, y) of a tile drawn at the given scale.
TRgb Material(int band, int x, int y, int scale)
{
  const double u = static_cast<double>(x) / (TileWidth * scale);
  const double v = static_cast<double>(y) / (TileHeight * scale);
  switch (band) {
  case 0:
    return GreyMarble(u, v, x, y);
  case 1:
    return BrownWood(u, v, x, y);
  case 2:
    return GreenStone(u, v, x, y);
  case 3:
    return Granite(u, v, x, y, { 12, 42, 48 }, { 46, 118, 122 }, { 168, 214, 210 }, 41);
  default:
    return Granite(u, v, x, y, { 30, 8, 8 }, { 158, 48, 42 }, { 236, 170, 160 }, 51);
  }
}

// Two crossing diagonals one pixel wide on an 8 x 8 tile; at a larger scale
// the lines keep their width and get smooth edges.
QImage Pattern(QRgb ink, int scale)
{
  const int n = 8 * scale;
  QImage image(n, n, QImage::Format_RGB32);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const int down = ((x - y) % n + n) % n;
      const int up = (x + y + scale) % n;
      image.setPixel(x, y, (down < scale || up < scale) ? ink : qRgb(248, 252, 248));
    }
  return image;
}

} // namespace

QImage MakeDigitStrip(int scale)
{
  const int cell = 20 * scale;
  const int height = 27 * scale;
  QImage glyphs(11 * cell, height, QImage::Format_RGB32);
  glyphs.fill(Qt::black);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(30 * scale);
  font.setBold(true);
  font.setStretch(88);
  {
    QPainter painter(&glyphs);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(255, 217, 31));
    for (int i = 0; i < 11; ++i) {
      const QString text = i == 0 ? QStringLiteral("-") : QString::number(i - 1);
      painter.drawText(QRect(i * cell, scale, cell - scale, height), Qt::AlignCenter, text);
    }
  }
  QImage strip(11 * cell, 2 * height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < 11 * cell; ++x) {
      const QRgb pixel = glyphs.pixel(x, y) & 0xFFFFFFU;
      strip.setPixel(x, y, pixel | 0xFF000000U);
      // The mask is the exact silhouette: black wherever the glyph has ink.
      strip.setPixel(x, y + height, pixel != 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
  return strip;
}

QImage MakeBackgroundSheet(int scale)
{
  const int w = TileWidth * scale;
  const int h = TileHeight * scale;
  QImage sheet(2 * w, 5 * h, QImage::Format_RGB32);
  for (int band = 0; band < 5; ++band)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const TRgb c = Material(band, x, y, scale);
        sheet.setPixel(x, band * h + y, ToQRgb(c));
        sheet.setPixel(w + x, band * h + y, ToQRgb(Scale(c, 0.58)));
      }
  return sheet;
}

std::vector<QImage> MakeFillPatterns(int scale)
{
  return { Pattern(qRgb(0, 0, 248), scale), Pattern(qRgb(0, 128, 0), scale), Pattern(qRgb(248, 0, 0), scale),
    Pattern(qRgb(0, 0, 0), scale), Pattern(qRgb(213, 94, 0), scale) };
}

QImage MakeGraniteTile(bool darker, int scale)
{
  QImage tile(TileWidth * scale, TileHeight * scale, QImage::Format_RGB32);
  const TRgb base = darker ? TRgb { 92, 94, 98 } : TRgb { 176, 178, 182 };
  for (int y = 0; y < tile.height(); ++y)
    for (int x = 0; x < tile.width(); ++x) {
      const double u = static_cast<double>(x) / tile.width();
      const double v = static_cast<double>(y) / tile.height();
      tile.setPixel(x, y, ToQRgb(Granite(u, v, x, y, Scale(base, 0.55), base, Scale(base, 1.3), darker ? 61 : 71)));
    }
  return tile;
}
