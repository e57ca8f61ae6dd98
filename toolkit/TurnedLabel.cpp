#include "toolkit/TurnedLabel.h"

#include <QFontMetrics>
#include <QPainter>

TTurnedLabel::TTurnedLabel(QWidget* parent, const QString& text, int pixelSize)
  : QWidget(parent)
  , Caption(text)
{
  QFont face(QStringLiteral("Arial"));
  face.setPixelSize(pixelSize);
  face.setBold(true);
  setFont(face);
  setAttribute(Qt::WA_TranslucentBackground);
}

void TTurnedLabel::SetText(const QString& text)
{
  Caption = text;
  update();
}

void TTurnedLabel::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font());
  // Turn the painter so that x runs upwards from the bottom-left corner.
  painter.translate(0, height());
  painter.rotate(-90);
  const int baseline = QFontMetrics(font()).ascent();
  painter.setPen(Qt::black);
  painter.drawText(Depth, baseline + Depth, Caption);
  painter.setPen(Qt::white);
  painter.drawText(0, baseline, Caption);
}
