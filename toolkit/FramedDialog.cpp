#include "toolkit/FramedDialog.h"

#include "toolkit/BackPanel.h"
#include "toolkit/BitmapList.h"
#include "toolkit/ImageButton.h"

#include <QAccessible>
#include <QCheckBox>

#include <QKeyEvent>
#include <QLabel>

TFramedDialog::TFramedDialog(QWidget* mainform, TDialogArt art, int width, int height)
  : QDialog(mainform, Qt::Dialog | Qt::FramelessWindowHint)
  , Mainform(mainform)
  , Art(std::move(art))
  , Back(new TBackPanel(this, *Art.Bitmaps, Art.DialogBackground))
{
  setModal(true);
  setFixedSize(width, height);
  Back->setGeometry(0, 0, width, height);
}

namespace {

// J, Y and Enter: the keys that answer Yes in both languages.
bool IsYesKey(int key)
{
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_J || key == Qt::Key_Y;
}

} // namespace

void TFramedDialog::changeEvent(QEvent* event)
{
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange && isVisible())
    Reword();
}

void TFramedDialog::showEvent(QShowEvent* event)
{
  Place();
  QDialog::showEvent(event);
  for (QWidget* control : TabOrder)
    if (control->isVisible() && control->isEnabled()) {
      control->setFocus(Qt::TabFocusReason);
      break;
    }
}

void TFramedDialog::SetTabOrder(const QList<QWidget*>& controls)
{
  TabOrder = controls;
  for (QWidget* control : controls)
    if (control->focusPolicy() == Qt::NoFocus)
      control->setFocusPolicy(Qt::TabFocus);
  for (qsizetype i = 1; i < controls.size(); ++i)
    setTabOrder(controls[i - 1], controls[i]);
}

void TFramedDialog::SetSpoken(const QString& title, const QString& text)
{
  setAccessibleName(title);
  setAccessibleDescription(text);
  if (isVisible() && QAccessible::isActive()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void TFramedDialog::keyPressEvent(QKeyEvent* event)
{
  event->accept();
  const int key = event->key();
  if (event->isAutoRepeat())
    return;
  if (YesAnswer && IsYesKey(key))
    done(*YesAnswer);
  else if (NoAnswer && (key == Qt::Key_Escape || key == Qt::Key_N))
    done(*NoAnswer);
}

void TFramedDialog::SetKeyAnswers(std::optional<int> yes, std::optional<int> no)
{
  YesAnswer = yes;
  NoAnswer = no;
}

void TFramedDialog::ApplyPlacementRule()
{
  if (!Mainform || !Mainform->isVisible())
    return;
  const QRect outer = Mainform->frameGeometry();
  move(outer.x() + (outer.width() - width()) / 2, outer.y() + outer.height() - (Mainform->height() + height()) / 2);
}

TBackPanel* TFramedDialog::InnerPanel(int left, int top, int width, int height)
{
  auto* panel = new TBackPanel(Back, *Art.Bitmaps, Art.PanelBackground);
  panel->setGeometry(left, top, width, height);
  return panel;
}

QLabel* TFramedDialog::WhiteLabel(QWidget* parent, const QRect& geometry, const QFont& font, Qt::Alignment alignment)
{
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return label;
}

QLabel* TFramedDialog::TextLabel(QWidget* parent, int left, int top, int width, int height, int pixelSize, bool bold)
{
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return WhiteLabel(parent, QRect(left, top, width, height), font, Qt::AlignLeft | Qt::AlignTop);
}

QLabel* TFramedDialog::TitlePanel(int left, int top, int width)
{
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(19);
  font.setBold(true);
  QLabel* title = WhiteLabel(InnerPanel(left, top, width, 33), QRect(12, 4, width - 25, 25), font, Qt::AlignHCenter | Qt::AlignVCenter);
  title->setObjectName(QStringLiteral("title"));
  return title;
}

QCheckBox* TFramedDialog::CheckRow(int left, int top, int width, const QString& labelName, QLabel*& label)
{
  TBackPanel* panel = InnerPanel(left, top, width, 29);
  auto* box = new QCheckBox(QStringLiteral(" "), panel);
  box->setGeometry(16, 7, 17, 17);
  box->setStyleSheet(QStringLiteral("QCheckBox:focus { background: rgb(254, 201, 18); }"));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  label = WhiteLabel(panel, QRect(40, 8, width - 53, 17), font, Qt::AlignLeft | Qt::AlignVCenter);
  label->setObjectName(labelName);
  return box;
}

TImageButton* TFramedDialog::FaceButton(QWidget* parent, const char* name, int left, int top)
{
  return Art.FaceButton(parent, name, left, top);
}

QLabel* TFramedDialog::Emblem()
{
  auto* picture = new QLabel(Back);
  picture->setGeometry(0, 12, 105, 77);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap::fromImage(KeyedOut(Art.Bitmaps->Bitmap(Art.Emblem, picture->devicePixelRatioF()), Art.Bitmaps->TransparentColor(Art.Emblem))));
  picture->setStyleSheet(QStringLiteral("background: transparent;"));
  return picture;
}
