#pragma once

#include <QWidget>

// A label whose text runs upwards, turned by 90 degrees, with a raised look:
// a black shadow two pixels down and to the right of the white text. The
// text sits at the bottom-left of the label.
class TTurnedLabel final : public QWidget {
public:
  TTurnedLabel(QWidget* parent, const QString& text, int pixelSize);

  QString Text() const { return Caption; }
  void SetText(const QString& text);

  static constexpr int Depth = 2;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString Caption;
};
