#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <map>

class QLabel;
class TBitmapList;
class TReviewChart;
struct TGameReview;

// One game's account as the review shows it: score, time, SETs, seconds
// per SET, the times at 10 and 20 SETs, hints, Mixes and cards left; the
// chart of the seconds each SET took; and the slowest SET's three cards
// drawn as the table draws them, with its time; and the game's deal code.
class TReviewPanel final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(TReviewPanel)

public:
  // The bitmaps are the board's, for the symbols' patterns.
  TReviewPanel(QWidget* parent, const TBitmapList& bitmaps);

  void SetReview(const TGameReview& review, bool easyColours);

  static constexpr int Width = 576;
  static constexpr int Height = 250;

  // A duration as minutes and seconds ("2:05"), with hours when it has any.
  static QString Clock(int seconds);
  // Seconds with one decimal, in the language's way ("12.5", "12,5").
  static QString Decimal(double seconds);

private:
  QLabel* Figure(const char* name, int column, int row);
  void DrawSlowest(const TGameReview& review, bool easyColours);

  const TBitmapList& Bitmaps;
  std::map<QString, QLabel*> Figures;
  QLabel* Cards = nullptr;
  QLabel* SlowestText = nullptr;
  QLabel* DealText = nullptr;
  TReviewChart* Chart = nullptr;
};
