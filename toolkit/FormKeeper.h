#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QWidget;
class TIniCtrl;

// The stored placement "200,flags,show,left,top,right,bottom": the window's
// outer rectangle in its normal state.
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
// Moves the rectangle back onto the desktop, right and bottom edges first.
TPlacement KeepOnDesktop(TPlacement placement, const QRect& desktop);

// Remembers a window's position and size in the settings store and keeps
// the window at least 640 x 480 pixels large.
class TFormKeeper {
public:
  TFormKeeper(QWidget& form, TIniCtrl& ini, QString section, QString key);

  void RestorePlacement();
  void SavePlacement();

  static constexpr int TrackMinWidth = 640;
  static constexpr int TrackMinHeight = 480;

private:
  QWidget& Form;
  TIniCtrl& Ini;
  QString Section;
  QString Key;
};
