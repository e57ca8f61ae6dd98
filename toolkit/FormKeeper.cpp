#include "toolkit/FormKeeper.h"

#include "toolkit/IniCtrl.h"
#include "toolkit/IniText.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr int PlacementMarker = 200;
// How long the keeper waits for a window manager to frame a new window:
// polled for the first second, at the window's events for five.
// The frame is looked for every 25 ms in the first second after the window
// is shown, then every 100 ms up to five seconds: a busy window manager can
// frame a window late, and the frame's arrival sends the window no event.
constexpr int FrameCheckMs = 25;
constexpr int FrameCheckCount = 40;
constexpr int LateFrameCheckMs = 100;
constexpr int FrameWatchMs = 5000;
// After the polling, the window's own events (a window manager's framing
// moves the window) are watched for longer: a window manager on a busy
// machine can take that long, and can move a framed window once more.
constexpr int FrameEventWatchMs = 30000;
constexpr int MaxShifts = 3;
// How often the frame is looked at after the first seconds, until the
// window has kept its place and frame this long.
constexpr int SlowFrameCheckMs = 500;
constexpr int StillMs = 3000;

QRect AvailableDesktop()
{
  QRect desktop;
  for (const QScreen* screen : QGuiApplication::screens())
    desktop = desktop.united(screen->availableGeometry());
  return desktop;
}

// A length limited to the smallest size, unless the desktop is smaller.
std::int64_t Limit(std::int64_t length, int smallest, int desktop)
{
  return std::clamp<std::int64_t>(length, std::min(smallest, desktop), desktop);
}

} // namespace

bool WindowsCanBePlaced()
{
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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

QRect PlacedRect(const TPlacement& p, const QRect& desktop)
{
  // 64 bits: the stored numbers may be anything a 32-bit integer holds.
  const std::int64_t w = Limit(std::llabs(std::int64_t { p.Right } - p.Left), TrackMinWidth, desktop.width());
  const std::int64_t h = Limit(std::llabs(std::int64_t { p.Bottom } - p.Top), TrackMinHeight, desktop.height());
  std::int64_t left = std::min(p.Left, p.Right);
  std::int64_t top = std::min(p.Top, p.Bottom);
  const std::int64_t desktopRight = std::int64_t { desktop.x() } + desktop.width();
  const std::int64_t desktopBottom = std::int64_t { desktop.y() } + desktop.height();
  if (left + w > desktopRight)
    left = desktopRight - w;
  if (top + h > desktopBottom)
    top = desktopBottom - h;
  left = std::max<std::int64_t>(left, desktop.x());
  top = std::max<std::int64_t>(top, desktop.y());
  return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(w), static_cast<int>(h));
}

QRect CentredRect(QSize outer, const QRect& screen, const QRect& desktop)
{
  // Centred at the size it has; raising it to the smallest size afterwards
  // keeps the top-left corner where centring put it.
  const std::int64_t left = std::int64_t { screen.x() } + (std::int64_t { screen.width() } - outer.width()) / 2;
  const std::int64_t top = std::int64_t { screen.y() } + (std::int64_t { screen.height() } - outer.height()) / 2;
  const auto field = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
  return PlacedRect({ 0, 1, field(left), field(top), field(left + outer.width()), field(top + outer.height()) }, desktop);
}

TFormKeeper::TFormKeeper(QWidget& form, TIniCtrl& ini, QString section, QString key)
  : Form(form)
  , Ini(ini)
  , Section(std::move(section))
  , Key(std::move(key))
{
  FrameWatch.setInterval(FrameCheckMs);
  connect(&FrameWatch, &QTimer::timeout, this, [this] {
    if (++FrameChecks == FrameCheckCount)
      FrameWatch.setInterval(LateFrameCheckMs);
    CheckFrame();
    // Once the window has kept still, only its own events are watched:
    // the program wakes for nothing else.
    if (Watching && KeptStill())
      FrameWatch.stop();
  });
  Form.installEventFilter(this);
}

bool TFormKeeper::eventFilter(QObject* watched, QEvent* event)
{
  const QEvent::Type type = event->type();
  if (Watching && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate || type == QEvent::Paint))
    CheckFrame();
  return QObject::eventFilter(watched, event);
}

QMargins TFormKeeper::Frame() const
{
  const QWindow* window = Form.windowHandle();
  return window ? window->frameMargins() : QMargins();
}

void TFormKeeper::RestorePlacement()
{
  Stored = ParsePlacement(Ini.ReadString(Section, Key, QString()));
  DesignSize = Form.size();
  Place();
  Watching = true;
  WatchingFor.start();
  FrameChecks = 0;
  Shifts = 0;
  LastLook.reset();
  FrameWatch.start(FrameCheckMs);
}

bool TFormKeeper::KeptStill()
{
  const std::pair<QRect, QMargins> look(OuterRect(), Frame());
  if (look != LastLook) {
    LastLook = look;
    StillFor.start();
    return false;
  }
  return WatchingFor.elapsed() > FrameWatchMs && StillFor.elapsed() >= StillMs;
}

void TFormKeeper::Place()
{
  const QMargins frame = Frame();
  PlacedWith = frame;
  const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
  Form.setMinimumSize(std::max(0, TrackMinWidth - frameSize.width()), std::max(0, TrackMinHeight - frameSize.height()));
  const QRect desktop = AvailableDesktop();
  const QRect screen = Form.screen() ? Form.screen()->availableGeometry() : desktop;
  const QRect outer = Stored ? PlacedRect(*Stored, desktop) : CentredRect(DesignSize + frameSize, screen, desktop);
  // move() places the frame's top-left corner, resize() sizes the inside.
  Intended = outer;
  if (WindowsCanBePlaced())
    Form.move(outer.topLeft());
  Form.resize(outer.size() - frameSize);
}

void TFormKeeper::CheckFrame()
{
  if (!Watching || WatchingFor.elapsed() > FrameEventWatchMs) {
    StopWatching();
    return;
  }
  if (WatchingFor.elapsed() > FrameWatchMs && FrameWatch.interval() != SlowFrameCheckMs)
    FrameWatch.setInterval(SlowFrameCheckMs); // seldom from now on: the window's events come too
  if (!Form.isVisible() || Form.isMaximized() || Form.isFullScreen())
    return;
  const QMargins frame = Frame();
  if (frame != PlacedWith) {
    Place();
    return;
  }
  if (frame.isNull() || !WindowsCanBePlaced())
    return; // not framed yet, or its place cannot be read
  // A busy window manager can frame the window around the client where the
  // frame itself was meant to go, even after it had framed it right: then
  // it is off by exactly the frame, and moved once more. The toolkit
  // believes the window already stands there, so it is moved a pixel aside
  // first, which makes both moves real; and the inside is placed, not the
  // frame, so that the window manager has nothing to reckon. A window that
  // the player has moved stays where it is; a window manager that insists
  // wins after a few tries.
  const QPoint at = OuterRect().topLeft();
  QWindow* window = Form.windowHandle();
  if (window && at != Intended.topLeft() && at == Intended.topLeft() - QPoint(frame.left(), frame.top()) && Shifts < MaxShifts) {
    ++Shifts;
    const QPoint inside = Intended.topLeft() + QPoint(frame.left(), frame.top());
    window->setPosition(inside + QPoint(0, 1));
    window->setPosition(inside);
  }
}

void TFormKeeper::StopWatching()
{
  Watching = false;
  FrameWatch.stop();
}

QRect TFormKeeper::OuterRect() const
{
  const QMargins frame = Frame();
  if (Form.isMaximized() || Form.isMinimized() || Form.isFullScreen())
    return Form.normalGeometry().marginsAdded(frame);
  // Asked of the display server: the toolkit's own idea of a framed
  // window's position can be stale.
  const QPoint inside = Form.mapToGlobal(QPoint(0, 0));
  return QRect(inside, Form.size()).marginsAdded(frame);
}

void TFormKeeper::SavePlacement()
{
  StopWatching();
  QRect outer = OuterRect();
  const bool placeable = WindowsCanBePlaced();
  const int showCmd = Form.isMaximized() ? 3 : Form.isMinimized() ? 2 : 1;
  // A window that stands as it was placed (where its place can be read)
  // writes nothing, so that another copy's stored placement stays.
  const bool moved = showCmd != 1 || outer.size() != Intended.size() || (placeable && outer.topLeft() != Intended.topLeft());
  const QString section = Section;
  const QString key = Key;
  Ini.Edit({ Key }, [=](TIniText& text) mutable {
    const std::optional<QString> stored = text.Value(section, key);
    if (!moved && stored)
      return;
    // Where the position cannot be read, the stored one stays as it was.
    if (!placeable) {
      const auto placement = stored ? ParsePlacement(*stored) : std::nullopt;
      outer.moveTopLeft(placement ? QPoint(std::min(placement->Left, placement->Right), std::min(placement->Top, placement->Bottom))
                                  : QPoint());
    }
    const auto edge = [](int from, int length) {
      return static_cast<int>(std::min<std::int64_t>(std::int64_t { from } + length, INT32_MAX));
    };
    text.SetValue(section, key,
      FormatPlacement({ 0, showCmd, outer.x(), outer.y(), edge(outer.x(), outer.width()), edge(outer.y(), outer.height()) }));
    text.Remove(section, key + QStringLiteral("Color"));
    text.Remove(section, key + QStringLiteral("Font"));
  });
}
