#include "toolkit/ShapeHint.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QScreen>
#include <QWindow>

namespace {

QRect VirtualDesktop()
{
  QRect desktop;
  for (const QScreen* screen : QGuiApplication::screens())
    desktop = desktop.united(screen->geometry());
  return desktop;
}

// The control under the pointer that has a hint, walking up to its parents.
QWidget* HintedControl(QObject* object)
{
  for (auto* widget = qobject_cast<QWidget*>(object); widget; widget = widget->parentWidget()) {
    if (!widget->toolTip().isEmpty())
      return widget;
    if (widget->isWindow())
      break;
  }
  return nullptr;
}

QPolygon NosePolygon(const TBalloon& b)
{
  return QPolygon({ b.Nose[0], b.Nose[1], b.Nose[2] });
}

} // namespace

namespace {

// Assistive technology sees a balloon as a tool tip, named by its text.
QAccessibleInterface* BalloonAccessible(const QString& className, QObject* object)
{
  if (className == QLatin1String("QWidget") && object->objectName() == QLatin1String("Balloon"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::ToolTip);
  return nullptr;
}

} // namespace

TBalloonWindow::TBalloonWindow()
  : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
  static const bool accessible = (QAccessible::installFactory(BalloonAccessible), true);
  (void)accessible;
  setObjectName(QStringLiteral("Balloon"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // A Wayland compositor ignores a window's shape: there the window is see-
  // through around the balloon instead (under X11 the mask does it, with or
  // without a compositor).
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    setAttribute(Qt::WA_TranslucentBackground);
}

QImage BalloonPicture(const TBalloon& balloon, const QColor& fill, qreal devicePixelRatio)
{
  QImage picture(balloon.Window.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const QRect& b = balloon.Body;
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(QRect(b.left(), b.top(), b.right() - b.left() - 1, b.bottom() - b.top() - 1), 8, 8);
  painter.drawPolygon(NosePolygon(balloon));
  // Join nose and body: the nose's base line in the fill colour.
  painter.setPen(QPen(fill, 1));
  painter.drawLine(balloon.Nose[0], balloon.Nose[2]);
  return picture;
}

QRegion CoveredRegion(const QImage& picture)
{
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QRegion region;
  QList<QPair<int, int>> runs;
  QList<QPair<int, int>> previous;
  int since = 0;
  const auto flush = [&](int row) {
    for (const auto& [left, right] : previous)
      region += QRect(left, since, right - left, row - since);
  };
  for (int y = 0; y <= argb.height(); ++y) {
    runs.clear();
    if (y < argb.height()) {
      const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
      for (int x = 0; x < argb.width();) {
        if (qAlpha(line[x]) == 0) {
          ++x;
          continue;
        }
        const int left = x;
        while (x < argb.width() && qAlpha(line[x]) != 0)
          ++x;
        runs.append({ left, x });
      }
    }
    if (runs != previous || y == argb.height()) {
      flush(y);
      previous = runs;
      since = y;
    }
  }
  return region;
}

void TBalloonWindow::Show(const QString& text, const QFont& font, const TBalloon& balloon)
{
  Text = text;
  TextFont = font;
  Geometry = balloon;
  Picture = BalloonPicture(balloon, palette().color(QPalette::ToolTipBase));
  setGeometry(balloon.Window);
  setMask(CoveredRegion(Picture));
  show();
  raise();
  update();
}

QSize HintTextRoom(const QString& text, const QFont& font, int maxWidth)
{
  const QFontMetrics metrics(font);
  const QSize measured = metrics.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, text).size();
  // The outline runs three pixels below the text's box and three beside it
  // (the body is the text's size plus a pixel less than the offsets): a line
  // that reaches its full descent, or a last letter that overhangs its
  // advance, would touch or cross it. The room grows by the font's own
  // descent below and a quarter of it at the right, at least a pixel each.
  const int descent = std::max(1, metrics.descent());
  return measured + QSize(std::max(1, descent / 4) + 1, descent + 1);
}

void DrawBalloonText(QPainter& painter, const TBalloon& balloon, const QFont& font, const QString& text)
{
  painter.setFont(font);
  const QRect textArea(balloon.TextOffset, balloon.Window.size());
  painter.drawText(textArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
}

void TBalloonWindow::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  painter.drawImage(0, 0, Picture);
  painter.setPen(palette().color(QPalette::ToolTipText));
  DrawBalloonText(painter, Geometry, TextFont, Text);
}

TShapeHint::TShapeHint(QObject* parent)
  : QObject(parent)
  , Font(QStringLiteral("Arial"))
{
  Font.setPixelSize(13);
  ShowTimer.setSingleShot(true);
  ShowTimer.setInterval(ShowDelayMs);
  HideTimer.setSingleShot(true);
  HideTimer.setInterval(HideDelayMs);
  connect(&ShowTimer, &QTimer::timeout, this, [this] { ShowFor(Pending); });
  connect(&HideTimer, &QTimer::timeout, this, &TShapeHint::Hide);
  qApp->installEventFilter(this);
}

TShapeHint::~TShapeHint()
{
  qApp->removeEventFilter(this);
}

bool TShapeHint::BalloonVisible() const
{
  return Window.isVisible();
}

void TShapeHint::ShowFor(QWidget* control)
{
  if (!control || control->toolTip().isEmpty() || !control->isVisible()) {
    Hide();
    return;
  }
  const QRect desktop = VirtualDesktop();
  const int maxWidth = std::max(HintMinTextWidth, desktop.width() / 4);
  const QSize text = HintTextRoom(control->toolTip(), Font, maxWidth);
  // A popup of the control's window, which is how a compositor that does
  // not let windows place themselves puts it next to the control.
  Window.winId();
  if (QWindow* balloon = Window.windowHandle())
    balloon->setTransientParent(control->window()->windowHandle());
  Window.Show(control->toolTip(), Font, PlaceBalloon(text, Pointer, desktop));
  Shown = control;
  HideTimer.start();
}

void TShapeHint::Point(QWidget* control, const QString& text, int milliseconds)
{
  if (!control || !control->isVisible())
    return;
  Hide();
  const QRect desktop = VirtualDesktop();
  const int maxWidth = std::max(HintMinTextWidth, desktop.width() / 4);
  Window.winId();
  if (QWindow* balloon = Window.windowHandle())
    balloon->setTransientParent(control->window()->windowHandle());
  Window.setAccessibleName(text);
  const QPoint target = control->mapToGlobal(QPoint(control->width() / 2, control->height() * 3 / 4));
  Window.Show(text, Font, PlaceBalloon(HintTextRoom(text, Font, maxWidth), target, desktop));
  Pointing = true;
  HideTimer.start(milliseconds);
}

void TShapeHint::Hide()
{
  if (Pointing) {
    Pointing = false;
    HideTimer.setInterval(HideDelayMs);
  }
  ShowTimer.stop();
  HideTimer.stop();
  Window.hide();
  Shown = nullptr;
}

bool TShapeHint::eventFilter(QObject* watched, QEvent* event)
{
  switch (event->type()) {
  case QEvent::ToolTip:
    return true; // the balloon replaces the platform's tool tips
  case QEvent::Enter:
  case QEvent::MouseMove:
  case QEvent::HoverMove: {
    if (Pointing)
      break;
    // Where the pointer is, as the event tells: the platform may not.
    Pointer = static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint();
    // Over the control by the event's own position: the toolkit's record of
    // which widget the pointer entered depends on the platform's enter events.
    QWidget* control = HintedControl(watched);
    if (!control || !control->rect().contains(control->mapFromGlobal(Pointer)))
      break;
    if (control == Shown || control == Pending)
      break;
    Pending = control;
    if (BalloonVisible() || (SinceLeave.isValid() && SinceLeave.elapsed() < ShowDelayMs))
      ShowFor(control);
    else
      ShowTimer.start();
    break;
  }
  case QEvent::Leave:
    if (Pointing)
      break;
    if (HintedControl(watched) == Pending) {
      Pending = nullptr;
      ShowTimer.stop();
    }
    if (Shown && watched == Shown.data()) {
      Hide();
      SinceLeave.start();
    }
    break;
  case QEvent::MouseButtonPress:
  case QEvent::Wheel:
  case QEvent::KeyPress:
    Hide();
    break;
  default:
    break;
  }
  return QObject::eventFilter(watched, event);
}
