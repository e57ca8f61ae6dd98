#include "shell/ReviewChart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int LeftMargin = 34; // room for the scale's seconds
constexpr int RightMargin = 6;
constexpr int TopMargin = 8;
constexpr int BottomMargin = 16; // room for the SETs' numbers
const QColor Quick(120, 190, 255);
const QColor Slow(240, 140, 30);
const QColor Line(254, 201, 18);
} // namespace

TReviewChart::TReviewChart(QWidget* parent)
  : QWidget(parent)
{
  setObjectName(QStringLiteral("ReviewChart"));
  setAttribute(Qt::WA_TranslucentBackground);
}

void TReviewChart::SetGame(const std::vector<int>& seconds, int breakEven)
{
  Seconds = seconds;
  BreakEven = breakEven;
  setAccessibleName(tr("Seconds per SET"));
  setAccessibleDescription(Described(seconds, breakEven));
  update();
}

TReviewChart::TGeometry TReviewChart::Geometry(const std::vector<int>& seconds, int breakEven, QSize size)
{
  TGeometry geometry;
  geometry.Plot = QRect(LeftMargin, TopMargin, std::max(1, size.width() - LeftMargin - RightMargin),
    std::max(1, size.height() - TopMargin - BottomMargin));
  const int longest = seconds.empty() ? 0 : *std::max_element(seconds.begin(), seconds.end());
  // The scale reaches a little past the longest bar and the line, in tens.
  const int highest = std::max({ longest, breakEven, 1 });
  geometry.TopSeconds = (highest + highest / 10 + 10) / 10 * 10;
  const QRect& plot = geometry.Plot;
  const auto heightOf = [&](int value) {
    return static_cast<int>(std::lround(static_cast<double>(value) * plot.height() / geometry.TopSeconds));
  };
  geometry.BreakEvenY = plot.bottom() + 1 - heightOf(breakEven);
  if (seconds.empty())
    return geometry;
  const double slot = static_cast<double>(plot.width()) / static_cast<double>(seconds.size());
  const int width = std::max(1, static_cast<int>(slot * 0.7));
  for (std::size_t i = 0; i < seconds.size(); ++i) {
    const int left = plot.left() + static_cast<int>(std::floor(static_cast<double>(i) * slot + (slot - width) / 2));
    const int height = heightOf(std::max(0, seconds[i]));
    geometry.Bars.emplace_back(left, plot.bottom() + 1 - height, width, height);
  }
  return geometry;
}

QString TReviewChart::Described(const std::vector<int>& seconds, int breakEven)
{
  QStringList parts;
  for (std::size_t i = 0; i < seconds.size(); ++i)
    parts << QStringLiteral("%1: %2 s").arg(i + 1).arg(seconds[i]);
  const QString line = tr("break-even %1 s").arg(breakEven);
  if (parts.isEmpty())
    return tr("No SET. ") + line;
  return QStringLiteral("SET ") + parts.join(QStringLiteral(", ")) + QStringLiteral("; ") + line;
}

void TReviewChart::paintEvent(QPaintEvent*)
{
  const TGeometry geometry = Geometry(Seconds, BreakEven, size());
  const QRect& plot = geometry.Plot;
  QPainter p(this);
  p.fillRect(plot.adjusted(-2, -2, 2, 2), QColor(0, 0, 0, 110));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(10);
  p.setFont(font);

  // The scale: its top and its middle.
  p.setPen(QColor(255, 255, 255, 90));
  for (const int value : { geometry.TopSeconds / 2, geometry.TopSeconds }) {
    const int y = plot.bottom() + 1 - value * plot.height() / geometry.TopSeconds;
    p.drawLine(plot.left(), y, plot.right(), y);
    p.setPen(Qt::white);
    p.drawText(QRect(0, y - 7, LeftMargin - 4, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 s").arg(value));
    p.setPen(QColor(255, 255, 255, 90));
  }

  for (std::size_t i = 0; i < geometry.Bars.size(); ++i) {
    const QRect& bar = geometry.Bars[i];
    p.fillRect(bar, Seconds[i] > BreakEven ? Slow : Quick);
    const int number = static_cast<int>(i) + 1;
    if (number == 1 || number % 5 == 0) {
      p.setPen(Qt::white);
      p.drawText(QRect(bar.center().x() - 12, plot.bottom() + 2, 24, BottomMargin - 2), Qt::AlignHCenter | Qt::AlignTop,
        QString::number(number));
    }
  }

  p.setPen(QPen(Line, 2, Qt::DashLine));
  p.drawLine(plot.left(), geometry.BreakEvenY, plot.right(), geometry.BreakEvenY);
  // The line's label on a dark ground, so that it reads over the bars.
  const QString label = tr("%1 s: break-even").arg(BreakEven);
  const int labelTop = std::max(plot.top(), geometry.BreakEvenY - 15);
  QRect box = p.fontMetrics().boundingRect(label).adjusted(-3, 0, 3, 0);
  box.moveTopRight(QPoint(plot.right() - 2, labelTop));
  box.setHeight(13);
  p.fillRect(box, QColor(0, 0, 0, 190));
  p.setPen(Line);
  p.drawText(box, Qt::AlignCenter, label);
}
