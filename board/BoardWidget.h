#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class TBitmapList;
class TQtCanvas;

// Presents the retained board image and reports the pointer in board
// coordinates. It never changes the game itself. The image has the screen's
// device pixel ratio, so that the board is drawn at the screen's density.
class TBoardWidget final : public QWidget {
  Q_OBJECT

public:
  explicit TBoardWidget(QWidget* parent = nullptr);

  // The keyboard frame's two bands: the outer dark, the inner light.
  static constexpr QRgb FrameDark = 0xff000000;
  static constexpr QRgb FrameLight = 0xfffec912;

  QImage& Surface() { return Image; }
  // A canvas that draws on this board's surface; what it draws is shown.
  std::unique_ptr<TQtCanvas> MakeCanvas(const TBitmapList& bitmaps);
  // The keyboard's cursor: a frame around a cell, in the margin that the
  // card leaves free; an empty rectangle hides it. It lies over the board's
  // picture and is never part of it.
  void SetKeyCursor(const QRect& cell);
  QRect KeyCursor() const { return Cursor; }

signals:
  // The surface has been resized (its content is undefined until repainted).
  void Resized(int width, int height);
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  // A surface of the widget's size at the screen's pixel density.
  void NewSurface();

  QImage Image;
  QRect Cursor;
};
