#include "FormKeeper.h"

#include "IniCtrl.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <cstdlib>

namespace {
constexpr int PlacementMarker = 200;

QRect VirtualDesktop()
{
  QRect desktop;
  for (const QScreen* screen : QGuiApplication::screens())
    desktop = desktop.united(screen->geometry());
  return desktop;
}
} // namespace

std::optional<TPlacement> ParsePlacement(const QString& text)
{
  const QStringList fields = text.split(QLatin1Char(','));
  if (fields.size() != 7 || fields[0] != QString::number(PlacementMarker))
    return std::nullopt;
  int values[7] {};
  for (int i = 1; i < 7; ++i) {
    bool ok = false;
    values[i] = fields[i].toInt(&ok);
    if (!ok)
      return std::nullopt;
  }
  return TPlacement { values[1], values[2], values[3], values[4], values[5], values[6] };
}

QString FormatPlacement(const TPlacement& p)
{
  return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
    .arg(PlacementMarker)
    .arg(p.Flags)
    .arg(p.ShowCmd)
    .arg(p.Left)
    .arg(p.Top)
    .arg(p.Right)
    .arg(p.Bottom);
}

TPlacement KeepOnDesktop(TPlacement p, const QRect& desktop)
{
  const int w = std::abs(p.Right - p.Left);
  const int h = std::abs(p.Bottom - p.Top);
  const int desktopRight = desktop.x() + desktop.width();
  const int desktopBottom = desktop.y() + desktop.height();
  if (p.Right > desktopRight) {
    p.Left = desktopRight - w;
    p.Right = desktopRight;
  }
  if (p.Bottom > desktopBottom) {
    p.Top = desktopBottom - h;
    p.Bottom = desktopBottom;
  }
  if (p.Left < desktop.x()) {
    p.Right = desktop.x() + w;
    p.Left = desktop.x();
  }
  if (p.Top < desktop.y()) {
    p.Bottom = desktop.y() + h;
    p.Top = desktop.y();
  }
  return p;
}

TFormKeeper::TFormKeeper(QWidget& form, TIniCtrl& ini, QString section, QString key)
  : Form(form)
  , Ini(ini)
  , Section(std::move(section))
  , Key(std::move(key))
{
}

void TFormKeeper::RestorePlacement()
{
  // Frame sizes are known only once a window manager has framed the window.
  const QRect frame = Form.frameGeometry();
  const int frameWidth = frame.width() - Form.width();
  const int frameHeight = frame.height() - Form.height();
  Form.setMinimumSize(TrackMinWidth - frameWidth, TrackMinHeight - frameHeight);

  const QRect desktop = VirtualDesktop();
  if (const auto stored = ParsePlacement(Ini.ReadString(Section, Key, QString()))) {
    const TPlacement p = KeepOnDesktop(*stored, desktop);
    Form.move(p.Left, p.Top);
    Form.resize(std::abs(p.Right - p.Left) - frameWidth, std::abs(p.Bottom - p.Top) - frameHeight);
  } else {
    const QRect screen = Form.screen() ? Form.screen()->geometry() : desktop;
    Form.move(screen.x() + (screen.width() - frame.width()) / 2, screen.y() + (screen.height() - frame.height()) / 2);
  }
  Form.resize(std::max(Form.width(), TrackMinWidth - frameWidth), std::max(Form.height(), TrackMinHeight - frameHeight));
}

void TFormKeeper::SavePlacement()
{
  const QRect normal = Form.isMaximized() || Form.isMinimized() || Form.isFullScreen()
    ? Form.normalGeometry()
    : Form.frameGeometry();
  const int showCmd = Form.isMaximized() ? 3 : Form.isMinimized() ? 2 : 1;
  Ini.WriteString(Section, Key, FormatPlacement({ 0, showCmd, normal.x(), normal.y(), normal.x() + normal.width(), normal.y() + normal.height() }));
  Ini.DeleteValue(Section, Key + QStringLiteral("Color"));
  Ini.DeleteValue(Section, Key + QStringLiteral("Font"));
}
