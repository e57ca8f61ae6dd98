#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

#include <optional>
#include <utility>

class QWidget;
class TIniCtrl;

// The stored placement "200,flags,show,left,top,right,bottom": the window's
// outer rectangle (frame included) in its normal state.
struct TPlacement {
  int Flags = 0;
  int ShowCmd = 1;
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// A placement value that is not seven integers with the marker 200 is none.
std::optional<TPlacement> ParsePlacement(const QString& text);
QString FormatPlacement(const TPlacement& placement);

constexpr int TrackMinWidth = 640;
constexpr int TrackMinHeight = 480;

// The outer rectangle that a stored placement gives on the desktop, whatever
// the stored numbers: its size at least 640 x 480 and at most the desktop,
// then moved wholly onto the desktop, right and bottom edges first.
QRect PlacedRect(const TPlacement& stored, const QRect& desktop);
// The outer rectangle of a window of the given outer size centred on the
// screen, its size limited as above.
QRect CentredRect(QSize outer, const QRect& screen, const QRect& desktop);

// Remembers a window's position and size in the settings store and keeps
// the window at least 640 x 480 pixels large, frame included.
//
// A window manager frames a window only after it is shown, and only then are
// the frame's sizes known; until then the keeper places the window as if it
// had no frame and, once the frame appears, places it again so that the
// outer rectangle is the one wanted.
class TFormKeeper final : public QObject {
public:
  TFormKeeper(QWidget& form, TIniCtrl& ini, QString section, QString key);

  void RestorePlacement();
  void SavePlacement();

  // The window's outer rectangle on the desktop as it really is.
  QRect OuterRect() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Place();
  void CheckFrame();
  void StopWatching();
  // Whether the window's place and frame have stayed as they are for a
  // while, past the first seconds.
  bool KeptStill();
  QMargins Frame() const;

  QWidget& Form;
  TIniCtrl& Ini;
  QString Section;
  QString Key;
  std::optional<TPlacement> Stored;
  QSize DesignSize;
  QMargins PlacedWith;
  QRect Intended; // the outer rectangle the window was placed at
  int Shifts = 0; // the times the window was moved back by its frame
  // Watching for the frame: at the window's moves and activations, which a
  // window manager's framing brings, and every few milliseconds for a while.
  bool Watching = false;
  QElapsedTimer WatchingFor;
  QTimer FrameWatch;
  int FrameChecks = 0;
  std::optional<std::pair<QRect, QMargins>> LastLook;
  QElapsedTimer StillFor;
};

// Top-level windows cannot be placed, nor their position read, on Wayland.
bool WindowsCanBePlaced();
