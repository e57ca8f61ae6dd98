#include "shell/ReviewPanel.h"

#include "board/Board.h"
#include "board/QtCanvas.h"
#include "scores/GameReview.h"
#include "shell/CardNames.h"
#include "shell/Language.h"
#include "shell/MainTexts.h"
#include "shell/ReviewChart.h"

#include <QLabel>
#include <QLocale>

namespace {
constexpr int CardCell = 52;
constexpr int RowHeight = 19;

QFont FigureFont()
{
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(14);
  return font;
}
} // namespace

TReviewPanel::TReviewPanel(QWidget* parent, const TBitmapList& bitmaps)
  : QWidget(parent)
  , Bitmaps(bitmaps)
{
  setObjectName(QStringLiteral("ReviewPanel"));
  resize(Width, Height);
  // Made in the order in which screen readers read them.
  for (const auto& [name, column, row] : { std::tuple { "score", 0, 0 }, { "time", 0, 1 }, { "sets", 0, 2 }, { "average", 0, 3 },
         { "left", 0, 4 }, { "split10", 1, 0 }, { "split20", 1, 1 }, { "hints", 1, 2 }, { "mixes", 1, 3 }, { "ending", 1, 4 } })
    Figures[QString::fromLatin1(name)] = Figure(name, column, row);
  Cards = new QLabel(this);
  SlowestText = new QLabel(this);
  Chart = new TReviewChart(this);
  Cards->setObjectName(QStringLiteral("slowestCards"));
  Cards->setGeometry(404, 4, 3 * CardCell, CardCell);
  SlowestText->setObjectName(QStringLiteral("slowest"));
  SlowestText->setGeometry(394, 4 + CardCell + 4, 176, RowHeight);
  SlowestText->setFont(FigureFont());
  SlowestText->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  SlowestText->setTextFormat(Qt::PlainText);
  SlowestText->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  // The deal's code in a row of its own under the figures, to be copied and
  // played again; the chart below it.
  DealText = Figure("deal", 0, 5);
  DealText->resize(2 * 196 - 4, RowHeight);
  MakeCopyable(DealText);
  Chart->setGeometry(0, 6 * RowHeight + 12, Width, Height - 6 * RowHeight - 12);
}

QLabel* TReviewPanel::Figure(const char* name, int column, int row)
{
  auto* label = new QLabel(this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(12 + 196 * column, 4 + RowHeight * row, 192, RowHeight);
  label->setFont(FigureFont());
  label->setTextFormat(Qt::PlainText);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return label;
}

QString TReviewPanel::Clock(int seconds)
{
  seconds = std::max(0, seconds);
  if (seconds >= 3600)
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TReviewPanel::Decimal(double seconds)
{
  QString text = QString::number(seconds, 'f', 1);
  return text.replace(QLatin1Char('.'), QLocale(LanguageCode(LanguageInUse())).decimalPoint());
}

void TReviewPanel::SetReview(const TGameReview& review, bool easyColours)
{
  const auto split = [&](int sets) {
    const std::optional<int> at = review.SplitAt(sets);
    return at ? Clock(*at) : QStringLiteral("–");
  };
  const auto set = [this](const char* name, const QString& text) {
    QLabel* label = Figures.at(QString::fromLatin1(name));
    label->setText(text);
    label->setAccessibleName(text);
  };
  set("score", tr("Score: %1").arg(review.Score));
  set("time", tr("Time: %1").arg(Clock(review.Seconds)));
  set("sets", tr("SETs: %1").arg(review.Sets.size()));
  set("average", tr("Average: %1 s per SET").arg(Decimal(review.AverageSeconds())));
  set("left", tr("Cards left: %1").arg(review.CardsLeft));
  set("split10", tr("10 SETs after %1").arg(split(10)));
  set("split20", tr("20 SETs after %1").arg(split(20)));
  set("hints", tr("Hints: %1").arg(review.Hints));
  set("mixes", tr("Mixes: %1").arg(review.Mixes));
  set("ending", review.Ending == geWon ? tr("All cards taken")
                                       : tr("No SET left"));

  const std::optional<std::size_t> slowest = review.Slowest();
  const QString slowestText = slowest ? tr("Slowest SET: %1 s").arg(review.SetSeconds()[*slowest]) : QString();
  SlowestText->setText(slowestText);
  SlowestText->setAccessibleName(slowestText);
  DrawSlowest(review, easyColours);
  QStringList cards;
  if (slowest)
    for (const int code : review.Sets[*slowest].Cards)
      cards << CardName(code, easyColours);
  Cards->setAccessibleName(cards.join(QStringLiteral(", ")));
  const QString deal = review.Deal ? DealLine(*review.Deal) : QString();
  DealText->setText(deal);
  DealText->setAccessibleName(deal);
  Chart->SetGame(review.SetSeconds(), review.BreakEvenSeconds());
}

void TReviewPanel::DrawSlowest(const TGameReview& review, bool easyColours)
{
  const std::optional<std::size_t> slowest = review.Slowest();
  if (!slowest) {
    Cards->clear();
    return;
  }
  const qreal ratio = devicePixelRatioF();
  QImage image(QSize(3 * CardCell, CardCell) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  TQtCanvas canvas(image, Bitmaps);
  for (int i = 0; i < 3; ++i)
    DrawCard(canvas, TCellRect { i * CardCell, 0, CardCell }, review.Sets[*slowest].Cards[static_cast<std::size_t>(i)], false, easyColours);
  Cards->setPixmap(QPixmap::fromImage(image));
}
