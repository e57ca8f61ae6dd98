// The faces of the image buttons, the dialog backgrounds, the emblem and the
// icon, drawn as vector art: rounded tiles with a thick black border and a
// bold motif with black outlines.
#include "tools/BoardArt.h"
#include "tools/ButtonArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

using TMotif = std::function<void(QPainter&)>;

const QColor BlueTile(58, 104, 214);
const QColor OrangeTile(244, 146, 36);
constexpr QRgb MotifWhite = qRgb(254, 254, 254);
const QPen Outline(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// A 50 x 50 face (times the scale): a rounded tile in the tile colour with
// the motif, turned by the given angle, on the key colour outside.
QImage Face(int scale, const QColor& tile, const TMotif& motif, double turn = 0, QRgb outside = qRgb(255, 255, 255))
{
  const int n = 50 * scale;
  QImage face(n, n, QImage::Format_RGB32);
  face.fill(outside);
  QPainter painter(&face);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 3.5));
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(2, 2, 46, 46), 10, 10);
  painter.setClipRect(QRect(5, 5, 40, 40));
  painter.translate(25, 25);
  painter.rotate(turn);
  painter.translate(-25, -25);
  painter.setPen(Outline);
  if (motif)
    motif(painter);
  painter.end();
  // Pure white is the buttons' transparent colour: white inside the tile is
  // drawn a shade off it, so that it does not turn see-through.
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (face.pixel(x, y) == qRgb(255, 255, 255))
        face.setPixel(x, y, MotifWhite);
  // Keep the area outside the rounded corners exactly the key colour.
  QImage mask(n, n, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter shape(&mask);
  shape.scale(scale, scale);
  shape.setRenderHint(QPainter::Antialiasing, false);
  shape.setPen(Qt::NoPen);
  shape.setBrush(Qt::black);
  shape.drawRoundedRect(QRectF(0.5, 0.5, 49, 49), 11, 11);
  shape.end();
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (mask.pixel(x, y) == qRgb(255, 255, 255))
        face.setPixel(x, y, outside);
  return face;
}

QImage Grey(const QImage& face)
{
  QImage grey = face;
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) {
      const QRgb p = grey.pixel(x, y);
      if (p == qRgb(255, 255, 255))
        continue;
      const int v = std::min(254, 70 + qGray(p) / 2);
      grey.setPixel(x, y, qRgb(v, v, v));
    }
  return grey;
}

void Spiral(QPainter& p)
{
  QPainterPath path;
  path.moveTo(25, 25);
  for (double t = 0; t < 4.2 * M_PI; t += 0.1)
    path.lineTo(25 + 1.25 * t * std::cos(t), 25 + 1.25 * t * std::sin(t));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
  p.setPen(QPen(QColor(230, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
  p.setPen(QPen(QColor(120, 180, 255), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
}

void Rocket(QPainter& p)
{
  p.setBrush(QColor(255, 210, 30));
  p.drawPolygon(QPolygonF({ { 21, 36 }, { 25, 46 }, { 29, 36 } }));
  p.setBrush(QColor(230, 30, 30));
  p.drawPolygon(QPolygonF({ { 17, 38 }, { 20, 28 }, { 20, 38 } }));
  p.drawPolygon(QPolygonF({ { 33, 38 }, { 30, 28 }, { 30, 38 } }));
  QPainterPath body;
  body.moveTo(25, 6);
  body.cubicTo(33, 14, 32, 28, 30, 37);
  body.lineTo(20, 37);
  body.cubicTo(18, 28, 17, 14, 25, 6);
  p.setBrush(Qt::white);
  p.drawPath(body);
  p.setBrush(QColor(230, 30, 30));
  QPainterPath nose;
  nose.addRect(QRectF(0, 0, 50, 15));
  p.drawPath(body.intersected(nose));
  p.setBrush(QColor(90, 170, 255));
  p.drawEllipse(QPointF(25, 21), 3, 3);
}

void Cup(QPainter& p, bool steam)
{
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(8, 33, 34, 9));
  p.drawEllipse(QRectF(31, 22, 9, 9));
  QPainterPath cup;
  cup.moveTo(13, 20);
  cup.lineTo(35, 20);
  cup.cubicTo(35, 32, 31, 37, 24, 37);
  cup.cubicTo(17, 37, 13, 32, 13, 20);
  p.drawPath(cup);
  p.setBrush(QColor(120, 70, 30));
  p.drawEllipse(QRectF(13, 18, 22, 5));
  if (steam) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int x : { 19, 25, 31 }) {
      QPainterPath wave;
      wave.moveTo(x, 16);
      wave.cubicTo(x - 3, 13, x + 3, 10, x, 6);
      p.drawPath(wave);
    }
  }
}

void Trophy(QPainter& p)
{
  const QColor gold(250, 200, 40);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 5));
  p.drawEllipse(QRectF(8, 12, 10, 11));
  p.drawEllipse(QRectF(32, 12, 10, 11));
  p.setPen(QPen(gold, 2.5));
  p.drawEllipse(QRectF(8, 12, 10, 11));
  p.drawEllipse(QRectF(32, 12, 10, 11));
  p.setPen(Outline);
  p.setBrush(gold);
  QPainterPath bowl;
  bowl.moveTo(13, 9);
  bowl.lineTo(37, 9);
  bowl.cubicTo(37, 24, 31, 30, 25, 30);
  bowl.cubicTo(19, 30, 13, 24, 13, 9);
  p.drawPath(bowl);
  p.drawRect(QRectF(22, 30, 6, 6));
  p.drawRect(QRectF(16, 36, 18, 6));
  p.setPen(QPen(QColor(255, 245, 180), 2));
  p.drawLine(QPointF(18, 13), QPointF(19, 22));
}

void Tick(QPainter& p)
{
  const QPolygonF tick({ { 10, 26 }, { 21, 37 }, { 40, 12 } });
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(tick);
  p.setPen(QPen(QColor(40, 200, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(tick);
}

void Cross(QPainter& p)
{
  for (const QPen& pen : { QPen(Qt::black, 10, Qt::SolidLine, Qt::RoundCap), QPen(QColor(230, 30, 30), 6, Qt::SolidLine, Qt::RoundCap) }) {
    p.setPen(pen);
    p.drawLine(QPointF(13, 13), QPointF(37, 37));
    p.drawLine(QPointF(37, 13), QPointF(13, 37));
  }
}

void Flag(QPainter& p, QRectF r, const std::vector<QColor>& bands, bool vertical)
{
  const int n = static_cast<int>(bands.size());
  p.setPen(Qt::NoPen);
  for (int i = 0; i < n; ++i) {
    p.setBrush(bands[static_cast<std::size_t>(i)]);
    if (vertical)
      p.drawRect(QRectF(r.x() + r.width() * i / n, r.y(), r.width() / n, r.height()));
    else
      p.drawRect(QRectF(r.x(), r.y() + r.height() * i / n, r.width(), r.height() / n));
  }
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
}

void SwissFlag(QPainter& p, QRectF r)
{
  Flag(p, r, { QColor(220, 0, 0) }, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const QPointF c = r.center();
  p.drawRect(QRectF(c.x() - 1.5, c.y() - 5, 3, 10));
  p.drawRect(QRectF(c.x() - 5, c.y() - 1.5, 10, 3));
}

void UsFlag(QPainter& p, QRectF r)
{
  std::vector<QColor> stripes;
  for (int i = 0; i < 7; ++i)
    stripes.push_back(i % 2 ? Qt::white : QColor(200, 20, 40));
  Flag(p, r, stripes, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 40, 120));
  p.drawRect(QRectF(r.x(), r.y(), r.width() * 0.45, r.height() * 0.55));
}

void UkFlag(QPainter& p, QRectF r)
{
  Flag(p, r, { QColor(20, 40, 130) }, false);
  p.save();
  p.setClipRect(r);
  p.setPen(QPen(Qt::white, 3.5));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.setPen(QPen(QColor(210, 20, 40), 1.5));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.setPen(QPen(Qt::white, 5));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  p.setPen(QPen(QColor(210, 20, 40), 2.5));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  p.restore();
}

void GermanFlags(QPainter& p, bool rearranged)
{
  const QRectF a = rearranged ? QRectF(22, 8, 20, 13) : QRectF(8, 8, 20, 13);
  const QRectF b = rearranged ? QRectF(8, 18, 20, 13) : QRectF(22, 18, 20, 13);
  const QRectF c = rearranged ? QRectF(20, 29, 14, 13) : QRectF(14, 29, 14, 13);
  Flag(p, a, { QColor(220, 0, 0), Qt::white, QColor(220, 0, 0) }, false);
  Flag(p, b, { Qt::black, QColor(220, 0, 0), QColor(255, 205, 0) }, false);
  SwissFlag(p, c);
}

void EnglishFlags(QPainter& p, bool rearranged)
{
  UsFlag(p, rearranged ? QRectF(17, 22, 26, 16) : QRectF(7, 10, 26, 16));
  UkFlag(p, rearranged ? QRectF(7, 10, 26, 16) : QRectF(17, 22, 26, 16));
}

void Lips(QPainter& p, bool tongue)
{
  QPainterPath lips;
  lips.moveTo(9, 25);
  lips.cubicTo(15, 13, 22, 17, 25, 19);
  lips.cubicTo(28, 17, 35, 13, 41, 25);
  lips.cubicTo(34, 37, 16, 37, 9, 25);
  p.setBrush(QColor(220, 20, 40));
  p.drawPath(lips);
  if (tongue) {
    p.setBrush(QColor(255, 120, 150));
    QPainterPath t;
    t.moveTo(19, 27);
    t.cubicTo(19, 42, 31, 42, 31, 27);
    p.drawPath(t);
    p.drawLine(QPointF(25, 29), QPointF(25, 36));
  } else {
    p.drawLine(QPointF(11, 25), QPointF(39, 25));
  }
}

void Clef(QPainter& p, bool sounding)
{
  QPainterPath clef;
  clef.moveTo(27, 44);
  clef.cubicTo(20, 45, 20, 38, 25, 38);
  clef.lineTo(25, 6);
  clef.cubicTo(32, 10, 31, 18, 20, 26);
  clef.cubicTo(12, 33, 20, 40, 28, 36);
  clef.cubicTo(35, 31, 28, 22, 22, 28);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(clef);
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(clef);
  if (sounding) {
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(30, 12, 10, 14), -60 * 16, 120 * 16);
    p.drawArc(QRectF(32, 8, 12, 22), -60 * 16, 120 * 16);
    p.drawLine(QPointF(8, 10), QPointF(14, 14));
    p.drawLine(QPointF(8, 18), QPointF(13, 18));
  }
}

void Speaker(QPainter& p, int waves, const QColor& colour)
{
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({ { 9, 19 }, { 17, 19 }, { 27, 10 }, { 27, 40 }, { 17, 31 }, { 9, 31 } }));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < waves; ++i) {
    const double r = 5 + 5 * i;
    p.drawArc(QRectF(27 - r, 25 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
  }
}

void Dumbbell(QPainter& p, bool lifted)
{
  const double y = lifted ? 13 : 20;
  p.setBrush(QColor(90, 90, 100));
  p.drawRect(QRectF(10, y + 2, 30, 4));
  p.drawRoundedRect(QRectF(6, y - 5, 7, 18), 2, 2);
  p.drawRoundedRect(QRectF(37, y - 5, 7, 18), 2, 2);
  p.setBrush(QColor(250, 200, 160));
  p.drawRoundedRect(QRectF(18, y - 1, 14, 10), 4, 4);
  p.drawRect(QRectF(20, y + 9, 10, 45 - y - 9));
}

void Swatches(QPainter& p, bool blended)
{
  const QColor colours[] = { QColor(200, 200, 204), QColor(150, 95, 50), QColor(70, 130, 70), QColor(46, 118, 122), QColor(158, 48, 42) };
  if (blended) {
    QLinearGradient gradient(8, 8, 42, 42);
    for (int i = 0; i < 5; ++i)
      gradient.setColorAt(i / 4.0, colours[i]);
    p.setBrush(gradient);
    p.drawRoundedRect(QRectF(8, 8, 34, 34), 5, 5);
    return;
  }
  const QPointF at[] = { { 8, 8 }, { 26, 8 }, { 17, 19 }, { 8, 30 }, { 26, 30 } };
  for (int i = 0; i < 5; ++i) {
    p.setBrush(colours[i]);
    p.drawRect(QRectF(at[i], QSizeF(16, 12)));
  }
}

// A blue circle, a black square and a vermillion triangle: the colours that
// are easy to tell apart.
void EasyColours(QPainter& p, bool pressed)
{
  const qreal d = pressed ? 1.5 : 0;
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(QColor(0, 0, 255));
  p.drawEllipse(QRectF(7 + d, 8 + d, 17, 17));
  p.setBrush(QColor(0, 0, 0));
  p.drawRect(QRectF(26 + d, 8 + d, 16, 16));
  p.setBrush(QColor(213, 94, 0));
  const QPointF triangle[] = { { 25 + d, 26 + d }, { 35 + d, 43 + d }, { 15 + d, 43 + d } };
  p.drawPolygon(triangle, 3);
}

void Door(QPainter& p, bool open)
{
  p.setBrush(QColor(40, 30, 20));
  p.drawRect(QRectF(13, 7, 24, 37));
  p.setBrush(QColor(50, 90, 220));
  if (open) {
    p.drawPolygon(QPolygonF({ { 13, 7 }, { 24, 11 }, { 24, 47 }, { 13, 44 } }));
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QPointF(21, 27), 1.8, 1.8);
  } else {
    p.drawRect(QRectF(13, 7, 24, 37));
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QPointF(32, 27), 2.2, 2.2);
  }
}

void Glyph(QPainter& p, const QString& text, const QColor& colour, int size)
{
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(size);
  font.setBold(true);
  QPainterPath path;
  const QFontMetricsF metrics(font);
  const QRectF box = metrics.tightBoundingRect(text);
  path.addText(25 - box.center().x(), 25 - box.center().y(), font, text);
  p.setBrush(colour);
  p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

void Tools(QPainter& p)
{
  p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 40), QPointF(38, 12)); // hammer handle
  p.drawLine(QPointF(12, 12), QPointF(38, 38)); // pencil
  p.setPen(QPen(QColor(160, 100, 50), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 40), QPointF(38, 12));
  p.setPen(QPen(QColor(255, 210, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 14), QPointF(36, 36));
  p.setPen(Outline);
  p.setBrush(QColor(140, 140, 150));
  p.drawPolygon(QPolygonF({ { 31, 9 }, { 41, 19 }, { 44, 16 }, { 34, 6 } }));
  // Compasses.
  p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(25, 8), QPointF(18, 42));
  p.drawLine(QPointF(25, 8), QPointF(32, 42));
  p.setBrush(QColor(200, 200, 210));
  p.drawEllipse(QPointF(25, 8), 2.5, 2.5);
}

// A bar chart: four bars on a base line, the last one lit when pressed.
void Chart(QPainter& p, bool lit)
{
  const double heights[] = { 14, 24, 18, 30 };
  const QColor bars[] = { QColor(70, 140, 255), QColor(70, 140, 255), QColor(70, 140, 255), lit ? QColor(255, 225, 30) : QColor(40, 200, 60) };
  for (int i = 0; i < 4; ++i) {
    p.setBrush(bars[i]);
    p.drawRect(QRectF(9 + 8.5 * i, 39 - heights[i], 6.5, heights[i]));
  }
  p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7, 40), QPointF(43, 40));
}

void Bulb(QPainter& p, bool lit)
{
  if (lit) {
    p.setPen(QPen(QColor(255, 240, 120), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      p.drawLine(QPointF(25 + 14 * std::cos(a), 20 + 14 * std::sin(a)), QPointF(25 + 19 * std::cos(a), 20 + 19 * std::sin(a)));
    }
    p.setPen(Outline);
  }
  p.setBrush(lit ? QColor(255, 240, 90) : QColor(240, 240, 200));
  p.drawEllipse(QPointF(25, 20), 10, 10);
  p.setBrush(QColor(150, 150, 160));
  p.drawRect(QRectF(20, 29, 10, 9));
  p.drawLine(QPointF(20, 32), QPointF(30, 32));
  p.drawLine(QPointF(20, 35), QPointF(30, 35));
}

// Three cards fanned out, each with one symbol, and a pencil's tip over
// them: cards to try things out on.
void Practice(QPainter& p, bool lifted)
{
  const QColor symbols[] = { QColor(0, 0, 255), QColor(0, 160, 0), QColor(255, 0, 0) };
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(25, 44);
    p.rotate(-22 + 22 * i);
    p.translate(-25, -44);
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(17, 9, 16, 26), 3, 3);
    p.setBrush(symbols[i]);
    p.setPen(Qt::NoPen);
    if (i == 0)
      p.drawRect(QRectF(21, 17, 8, 8));
    else if (i == 1)
      p.drawEllipse(QPointF(25, 21), 4.5, 4.5);
    else
      p.drawPolygon(QPolygonF({ { 25, 16 }, { 30, 25 }, { 20, 25 } }));
    p.restore();
  }
  p.setPen(Outline);
  p.setBrush(QColor(255, 215, 40));
  const double up = lifted ? -3 : 0;
  p.drawPolygon(QPolygonF({ { 30, 41 + up }, { 42, 29 + up }, { 45, 32 + up }, { 33, 44 + up }, { 28, 46 + up } }));
  p.setBrush(QColor(250, 205, 170));
  p.drawPolygon(QPolygonF({ { 30, 41 + up }, { 33, 44 + up }, { 28, 46 + up } }));
}

// A card under a round arrow: a deal dealt once more.
void DealAgain(QPainter& p, bool turned)
{
  p.setPen(QPen(Qt::black, 1.6));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(17, 15, 16, 24), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 0, 0));
  p.drawPolygon(QPolygonF({ { 25, 21 }, { 30, 30 }, { 20, 30 } }));
  p.setPen(QPen(QColor(255, 215, 40), 4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const int start = turned ? 60 : 20;
  p.drawArc(QRectF(8, 8, 34, 34), start * 16, 250 * 16);
  // The arrow's head where the arc ends.
  const double end = (start + 250) * M_PI / 180;
  const QPointF tip(25 + 17 * std::cos(end), 25 - 17 * std::sin(end));
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(QColor(255, 215, 40));
  const QPointF along(-std::sin(end), -std::cos(end));
  const QPointF out(std::cos(end), -std::sin(end));
  p.drawPolygon(QPolygonF({ tip + 7 * along, tip + 5 * out, tip - 5 * out }));
}

QImage Blank(int scale)
{
  return Face(scale, Qt::white, nullptr);
}

void AddTrio(int scale, TArtList& list, int first, const QColor& tile, const TMotif& normal, const TMotif& second, double turn = 0)
{
  list[first] = Face(scale, tile, normal);
  list[first + 1] = Face(scale, tile, second ? second : normal, second ? 0 : turn);
  list[first + 2] = Grey(list[first]);
}

QImage Emblem(int scale)
{
  QImage emblem(100 * scale, 75 * scale, QImage::Format_RGB32);
  emblem.fill(qRgb(255, 0, 255));
  QPainter p(&emblem);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(40, 90, 210));
  p.drawRect(QRect(30, 8, 56, 56));
  p.setBrush(QColor(255, 215, 40));
  p.drawPolygon(QPolygon({ { 64, 44 }, { 80, 44 }, { 86, 38 }, { 70, 38 } }));
  p.drawRect(QRect(64, 44, 16, 16));
  p.drawPolygon(QPolygon({ { 80, 44 }, { 86, 38 }, { 86, 54 }, { 80, 60 } }));
  // The face in profile with spiky hair.
  p.setBrush(QColor(250, 205, 170));
  p.drawPolygon(QPolygon({ { 14, 30 }, { 40, 26 }, { 48, 38 }, { 44, 42 }, { 47, 46 }, { 42, 50 }, { 44, 56 }, { 34, 66 }, { 18, 64 } }));
  p.setBrush(QColor(240, 90, 20));
  p.drawPolygon(QPolygon({ { 10, 36 }, { 4, 14 }, { 18, 24 }, { 20, 4 }, { 28, 20 }, { 40, 6 }, { 40, 24 }, { 52, 20 }, { 42, 32 }, { 14, 34 } }));
  p.setBrush(Qt::black);
  p.drawEllipse(QPoint(38, 38), 2, 2);
  // Green notes.
  p.setBrush(QColor(40, 190, 70));
  for (const QPoint at : { QPoint(58, 22), QPoint(72, 16) }) {
    p.drawEllipse(at, 4, 3);
    p.drawLine(at + QPoint(4, 0), at + QPoint(4, -12));
  }
  p.drawLine(QPoint(62, 10), QPoint(76, 4));
  return emblem;
}

} // namespace

TArtList MakeGameButtonFaces(int scale)
{
  TArtList list;
  AddTrio(scale, list, 6, BlueTile, Spiral, nullptr, 90);
  AddTrio(scale, list, 9, BlueTile, Rocket, nullptr, 20);
  AddTrio(scale, list, 12, BlueTile, [](QPainter& p) { Cup(p, false); }, [](QPainter& p) { Cup(p, true); });
  AddTrio(scale, list, 15, BlueTile, Trophy, nullptr, -15);
  return list;
}

TArtList MakeDialogArt(int scale)
{
  TArtList list;
  list[0] = Blank(scale);
  list[1] = MakeGraniteTile(false, scale);
  list[2] = MakeGraniteTile(true, scale);
  list[3] = Emblem(scale);
  list[5] = Face(scale, BlueTile, Tick);
  list[6] = Face(scale, BlueTile, Tick, -15);
  list[7] = Face(scale, BlueTile, Cross);
  list[8] = Face(scale, BlueTile, Cross, 15);
  list[21] = Face(scale, OrangeTile, [](QPainter& p) { GermanFlags(p, false); }, 0, qRgb(0, 0, 255));
  list[22] = Face(scale, OrangeTile, [](QPainter& p) { GermanFlags(p, true); }, 0, qRgb(0, 0, 255));
  list[23] = Face(scale, OrangeTile, [](QPainter& p) { EnglishFlags(p, false); }, 0, qRgb(0, 255, 0));
  list[24] = Face(scale, OrangeTile, [](QPainter& p) { EnglishFlags(p, true); }, 0, qRgb(0, 255, 0));
  list[27] = QImage(); // the list holds 28 items
  return list;
}

TArtList MakeLanguageFaces(int scale)
{
  // A language is spoken in many countries: its face is a speech bubble
  // with the language's code, not a flag.
  static const char* const codes[] = { "FR", "ES", "IT", "NL", "PL", "PT", "SV", "RU" };
  TArtList list;
  for (int i = 0; i < 8; ++i) {
    const QString code = QString::fromLatin1(codes[i]);
    const TMotif bubble = [code](QPainter& p) {
      QPainterPath shape;
      shape.addRoundedRect(QRectF(6, 9, 38, 26), 8, 8);
      QPainterPath tail;
      tail.moveTo(14, 33);
      tail.lineTo(11, 43);
      tail.lineTo(23, 33);
      tail.closeSubpath();
      p.setBrush(Qt::white);
      p.drawPath(shape.united(tail));
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setPixelSize(17);
      font.setBold(true);
      const QRectF box = QFontMetricsF(font).tightBoundingRect(code);
      QPainterPath letters;
      letters.addText(25 - box.center().x(), 22 - box.center().y(), font, code);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(30, 40, 110));
      p.drawPath(letters);
    };
    list[2 * i] = Face(scale, OrangeTile, bubble);
    list[2 * i + 1] = Face(scale, OrangeTile, bubble, -12);
  }
  return list;
}

TArtList MakeOptionFaces(int scale)
{
  TArtList list;
  list[0] = Blank(scale);
  list[1] = Face(scale, OrangeTile, [](QPainter& p) { Lips(p, false); });
  list[2] = Face(scale, OrangeTile, [](QPainter& p) { Lips(p, true); });
  AddTrio(scale, list, 3, OrangeTile, [](QPainter& p) { Clef(p, false); }, [](QPainter& p) { Clef(p, true); });
  list[6] = Face(scale, OrangeTile, [](QPainter& p) { Speaker(p, 0, QColor(70, 70, 80)); });
  list[7] = Face(scale, OrangeTile, [](QPainter& p) { Speaker(p, 0, QColor(170, 170, 180)); });
  list[8] = Face(scale, OrangeTile, [](QPainter& p) { Speaker(p, 3, QColor(70, 70, 80)); });
  AddTrio(scale, list, 9, OrangeTile, [](QPainter& p) { Dumbbell(p, false); }, [](QPainter& p) { Dumbbell(p, true); });
  list[12] = Face(scale, OrangeTile, [](QPainter& p) { Swatches(p, false); });
  list[13] = Face(scale, OrangeTile, [](QPainter& p) { Swatches(p, true); });
  list[14] = Face(scale, OrangeTile, [](QPainter& p) { EasyColours(p, false); });
  list[15] = Face(scale, OrangeTile, [](QPainter& p) { EasyColours(p, true); });
  return list;
}

TArtList MakeProgramFaces(int scale)
{
  TArtList list;
  list[0] = Blank(scale);
  list[1] = Face(scale, OrangeTile, [](QPainter& p) { Door(p, false); });
  list[2] = Face(scale, OrangeTile, [](QPainter& p) { Door(p, true); });
  const TMotif info = [](QPainter& p) { Glyph(p, QStringLiteral("i"), QColor(40, 200, 60), 36); };
  list[3] = Face(scale, OrangeTile, info);
  list[4] = Face(scale, OrangeTile, info, -20);
  const TMotif question = [](QPainter& p) { Glyph(p, QStringLiteral("?"), QColor(255, 225, 30), 36); };
  list[5] = Face(scale, OrangeTile, question);
  list[6] = Face(scale, OrangeTile, question, 180);
  list[7] = Face(scale, OrangeTile, Tools);
  list[8] = Face(scale, OrangeTile, Tools, 90);
  list[9] = Face(scale, OrangeTile, [](QPainter& p) { Chart(p, false); });
  list[10] = Face(scale, OrangeTile, [](QPainter& p) { Chart(p, true); });
  list[11] = Face(scale, BlueTile, [](QPainter& p) { Practice(p, false); });
  list[12] = Face(scale, BlueTile, [](QPainter& p) { Practice(p, true); });
  list[13] = Face(scale, BlueTile, [](QPainter& p) { DealAgain(p, false); });
  list[14] = Face(scale, BlueTile, [](QPainter& p) { DealAgain(p, true); });
  AddTrio(scale, list, 19, BlueTile, [](QPainter& p) { Bulb(p, false); }, [](QPainter& p) { Bulb(p, true); });
  return list;
}

QImage MakeProgramIcon()
{
  QImage icon(32, 32, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(255, 0, 0));
  p.drawEllipse(QRect(9, 1, 13, 13));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      icon.setPixel(2 + x, 18 + y, ((x / 3 + y / 3) % 2) ? qRgb(0, 128, 0) : qRgb(0, 255, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(2, 18, 11, 11));
  p.setPen(QPen(QColor(0, 0, 255), 2));
  p.drawPolygon(QPolygon({ { 17, 29 }, { 24, 17 }, { 30, 29 } }));
  return icon;
}

QImage MakeDesktopIcon(int size)
{
  // The program icon's three symbols, drawn smooth on a 32-unit grid.
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  const qreal line = std::max(1.0, 32.0 / size);
  p.setPen(QPen(Qt::black, line));
  p.setBrush(QColor(255, 0, 0));
  p.drawEllipse(QRectF(9.5, 1.5, 13, 13));
  p.setPen(Qt::NoPen);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      p.setBrush((x + y) % 2 ? QColor(0, 128, 0) : QColor(0, 255, 0));
      p.drawRect(QRectF(2 + 3 * x, 18 + 3 * y, 3, 3));
    }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, line));
  p.drawRect(QRectF(2, 18, 12, 12));
  p.setPen(QPen(QColor(0, 0, 255), 2 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(QPolygonF({ { 17.5, 29 }, { 24, 17.5 }, { 30.5, 29 } }));
  return icon;
}
