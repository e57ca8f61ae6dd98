#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <vector>

// A bar for the seconds each SET of a game took, and a dashed line at the
// break-even time, after which a search costs more than the SET pays. Bars
// past the line are orange, the others light blue. Screen readers get the
// figures as the chart's description.
class TReviewChart final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(TReviewChart)

public:
  explicit TReviewChart(QWidget* parent);

  void SetGame(const std::vector<int>& seconds, int breakEven);

  // Where the plot, the bars and the line lie in a chart of the given size.
  struct TGeometry {
    QRect Plot;
    std::vector<QRect> Bars;
    int BreakEvenY = 0;
    int TopSeconds = 0; // the seconds at the plot's top edge
  };
  static TGeometry Geometry(const std::vector<int>& seconds, int breakEven, QSize size);

  static QString Described(const std::vector<int>& seconds, int breakEven);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::vector<int> Seconds;
  int BreakEven = 0;
};
