#pragma once

#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>

class TBitmapList;

// One face per button state: the item of the button's bitmap list, and an
// image index that bitmap lists do not use.
struct TFaceEntry {
  std::uint16_t ListIndex = 0;
  std::uint16_t ImageIndex = 0;
  friend bool operator==(const TFaceEntry&, const TFaceEntry&) = default;
};
using TFaceTable = std::array<TFaceEntry, 9>;

enum TButtonState : int {
  bsUp = 0,
  bsDisabled = 1,
  bsMouseOver = 2,
  bsLatched = 3,
  bsDown = 4,
  bsMenuOpen = 6,
  bsDisabledLatched = 7,
};

// The usual table: the up face also for latched and the unused states.
TFaceTable FaceTable(int up, int disabled, int over, int down);
// The stored 72-byte form: 36 bytes that are ignored, then entries 8 down to
// 0, each a little-endian 16-bit list index and image index.
TFaceTable DecodeFaceTable(const QByteArray& stored);
QByteArray EncodeFaceTable(const TFaceTable& table);

enum TFaceStyle { fsTopLeft, sbCenter };

// A 50 x 50 button that shows one face of a bitmap list per state; around
// the face, wherever it has its transparent colour, the parent shows.
class TImageButton final : public QWidget {
  Q_OBJECT

public:
  TImageButton(QWidget* parent, const TBitmapList& faces, const TFaceTable& table);

  TButtonState State() const { return CurrentState; }
  void SetFaceStyle(TFaceStyle style) { FaceStyle = style; }
  void SetTransparentColor(QRgb color);
  // Other faces, from the same or another list (a button that shows a
  // choice); the transparent colour stays.
  void SetFaces(const TBitmapList& faces, const TFaceTable& table);
  void SetHint(const QString& hint, bool shown = true);
  // The face drawn in the current state, or -1 when none is.
  int ShownFace() const;

  // The keyboard's way in: a click, and the left button held and let go.
  // A disabled button does nothing.
  void Click();
  void Press();
  void Release();

signals:
  void OnClick();
  void OnMouseDown(Qt::MouseButton button);
  void OnMouseUp(Qt::MouseButton button);

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // With the focus (in dialogs, through Tab), Space presses the button.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void SetState(TButtonState state);
  void CheckPointer();
  bool PointerInside() const;

  const TBitmapList* Faces;
  TFaceTable Table;
  TButtonState CurrentState = bsUp;
  TFaceStyle FaceStyle = fsTopLeft;
  QRgb TransparentColor = qRgb(255, 255, 255);
  QTimer PointerCheck;
};
