#pragma once

#include <QPixmap>
#include <QWidget>

class TBitmapList;

// A panel tiled with one item of a bitmap list, inside a black frame five
// pixels wide. The tiled picture is cached until the size changes.
class TBackPanel final : public QWidget {
public:
  TBackPanel(QWidget* parent, const TBitmapList& images, int listIndex);

  static constexpr int FrameWidth = 5;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const TBitmapList& Images;
  int ListIndex;
  QPixmap Cache;
};
