#include "toolkit/ImageButton.h"

#include "toolkit/BitmapList.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPen>
#include <QPainter>

namespace {
constexpr int FaceSize = 50;
constexpr int PointerCheckMs = 100;

// What assistive technology sees of an image button: a push button named by
// its hint, unavailable while disabled, that can be pressed.
class TImageButtonAccessible final : public QAccessibleWidget {
public:
  explicit TImageButtonAccessible(TImageButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
  {
  }

  QStringList actionNames() const override { return { pressAction() }; }
  void doAction(const QString& action) override
  {
    if (action == pressAction())
      static_cast<TImageButton*>(widget())->Click();
  }
};

QAccessibleInterface* ImageButtonAccessible(const QString& className, QObject* object)
{
  if (className == QLatin1String("TImageButton"))
    if (auto* button = qobject_cast<TImageButton*>(object))
      return new TImageButtonAccessible(button);
  return nullptr;
}
} // namespace

TFaceTable FaceTable(int up, int disabled, int over, int down)
{
  TFaceTable table {};
  for (TFaceEntry& entry : table)
    entry.ListIndex = static_cast<std::uint16_t>(up);
  table[bsDisabled].ListIndex = static_cast<std::uint16_t>(disabled);
  table[bsMouseOver].ListIndex = static_cast<std::uint16_t>(over);
  table[bsDown].ListIndex = static_cast<std::uint16_t>(down);
  return table;
}

TFaceTable DecodeFaceTable(const QByteArray& stored)
{
  TFaceTable table {};
  if (stored.size() != 72)
    return table;
  const auto word = [&stored](int offset) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(stored[offset]) | (static_cast<std::uint8_t>(stored[offset + 1]) << 8));
  };
  for (int i = 0; i < 9; ++i) {
    const int offset = 36 + 4 * i;
    table[static_cast<std::size_t>(8 - i)] = TFaceEntry { word(offset), word(offset + 2) };
  }
  return table;
}

QByteArray EncodeFaceTable(const TFaceTable& table)
{
  QByteArray entries;
  for (int state = 8; state >= 0; --state)
    for (const std::uint16_t value : { table[static_cast<std::size_t>(state)].ListIndex, table[static_cast<std::size_t>(state)].ImageIndex }) {
      entries.append(static_cast<char>(value & 0xFF));
      entries.append(static_cast<char>(value >> 8));
    }
  // The leading copy starts two bytes into the table.
  QByteArray stored = entries.mid(2, 34);
  stored.append(entries.left(2));
  return stored + entries;
}

TImageButton::TImageButton(QWidget* parent, const TBitmapList& faces, const TFaceTable& table)
  : QWidget(parent)
  , Faces(&faces)
  , Table(table)
{
  static const bool accessible = (QAccessible::installFactory(ImageButtonAccessible), true);
  (void)accessible;
  setFixedSize(FaceSize, FaceSize);
  setAttribute(Qt::WA_Hover);
  PointerCheck.setInterval(PointerCheckMs);
  connect(&PointerCheck, &QTimer::timeout, this, &TImageButton::CheckPointer);
}

void TImageButton::SetFaces(const TBitmapList& faces, const TFaceTable& table)
{
  Faces = &faces;
  Table = table;
  update();
}

void TImageButton::SetTransparentColor(QRgb color)
{
  TransparentColor = color | 0xFF000000U;
  update();
}

void TImageButton::SetHint(const QString& hint, bool shown)
{
  setToolTip(shown ? hint : QString());
  setAccessibleName(hint.trimmed());
}

void TImageButton::Click()
{
  if (isEnabled())
    emit OnClick();
}

void TImageButton::Press()
{
  if (!isEnabled())
    return;
  SetState(bsDown);
  emit OnMouseDown(Qt::LeftButton);
}

void TImageButton::Release()
{
  if (CurrentState != bsDown)
    return;
  SetState(PointerInside() ? bsMouseOver : bsUp);
  emit OnMouseUp(Qt::LeftButton);
}

int TImageButton::ShownFace() const
{
  const auto valid = [this](int state) { return Faces->IsValid(Table[static_cast<std::size_t>(state)].ListIndex); };
  int state = CurrentState;
  if (!valid(state)) {
    switch (state) {
    case bsDisabled:
    case bsMouseOver:
    case 5:
      state = bsUp;
      break;
    case bsLatched:
    case bsDown:
    case bsMenuOpen:
    case bsDisabledLatched:
      state = bsDown;
      break;
    default:
      return -1;
    }
    if (!valid(state))
      return -1;
  }
  return Table[static_cast<std::size_t>(state)].ListIndex;
}

void TImageButton::paintEvent(QPaintEvent*)
{
  const int face = ShownFace();
  if (face < 0)
    return;
  // Key out the transparent colour so that the parent shows around the face.
  const QImage image = KeyedOut(Faces->Bitmap(face, devicePixelRatioF()), TransparentColor);
  QPainter painter(this);
  const QSize size = Faces->Bitmap(face).size();
  const QPoint at = FaceStyle == sbCenter ? QPoint((width() - size.width()) / 2, (height() - size.height()) / 2) : QPoint(0, 0);
  painter.drawImage(at, image);
  if (hasFocus()) {
    // The focus: a black and a white dotted ring, seen on every face.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 2, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void TImageButton::keyPressEvent(QKeyEvent* event)
{
  if (event->key() != Qt::Key_Space) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat() && isEnabled())
    SetState(bsDown);
}

void TImageButton::keyReleaseEvent(QKeyEvent* event)
{
  if (event->key() != Qt::Key_Space) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (event->isAutoRepeat() || CurrentState != bsDown)
    return;
  SetState(PointerInside() ? bsMouseOver : bsUp);
  Click();
}

void TImageButton::focusInEvent(QFocusEvent* event)
{
  QWidget::focusInEvent(event);
  update();
}

void TImageButton::focusOutEvent(QFocusEvent* event)
{
  if (CurrentState == bsDown)
    SetState(bsUp);
  QWidget::focusOutEvent(event);
  update();
}

void TImageButton::SetState(TButtonState state)
{
  if (state == CurrentState)
    return;
  CurrentState = state;
  if (state == bsMouseOver)
    PointerCheck.start();
  else
    PointerCheck.stop();
  update();
}

bool TImageButton::PointerInside() const
{
  return rect().contains(mapFromGlobal(QCursor::pos()));
}

void TImageButton::CheckPointer()
{
  if (CurrentState == bsMouseOver && !underMouse() && !PointerInside())
    SetState(bsUp);
}

void TImageButton::enterEvent(QEnterEvent*)
{
  if (isEnabled() && CurrentState == bsUp)
    SetState(bsMouseOver);
}

void TImageButton::leaveEvent(QEvent*)
{
  if (CurrentState == bsMouseOver)
    SetState(bsUp);
}

void TImageButton::mousePressEvent(QMouseEvent* event)
{
  if (event->button() == Qt::LeftButton)
    SetState(bsDown);
  emit OnMouseDown(event->button());
}

void TImageButton::mouseMoveEvent(QMouseEvent* event)
{
  const bool inside = rect().contains(event->position().toPoint());
  if (event->buttons() & Qt::LeftButton)
    SetState(inside ? bsDown : bsUp);
  else if (inside && CurrentState == bsUp)
    SetState(bsMouseOver);
}

void TImageButton::mouseReleaseEvent(QMouseEvent* event)
{
  const bool click = event->button() == Qt::LeftButton && CurrentState == bsDown && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton)
    SetState(click ? bsMouseOver : bsUp);
  emit OnMouseUp(event->button());
  if (click)
    emit OnClick();
}

void TImageButton::changeEvent(QEvent* event)
{
  if (event->type() == QEvent::EnabledChange)
    SetState(isEnabled() ? bsUp : bsDisabled);
  QWidget::changeEvent(event);
}
