#include "shell/FramedDialog.h"

#include "assets/DlgRes.h"
#include "toolkit/BackPanel.h"
#include "toolkit/ImageButton.h"

#include <QKeyEvent>
#include <QLabel>


TFramedDialog::TFramedDialog(QWidget* mainform, const TDlgResources& resources, int width, int height)
  : QDialog(mainform, Qt::Dialog | Qt::FramelessWindowHint)
  , Mainform(mainform)
  , Resources(resources)
  , Back(new TBackPanel(this, resources.dlgs, dlgDialogGranite))
{
  setModal(true);
  setFixedSize(width, height);
  Back->setGeometry(0, 0, width, height);
}

void TFramedDialog::keyPressEvent(QKeyEvent* event)
{
  event->accept();
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
  auto* panel = new TBackPanel(Back, Resources.dlgs, dlgPanelGranite);
  panel->setGeometry(left, top, width, height);
  return panel;
}

QLabel* TFramedDialog::TextLabel(QWidget* parent, int left, int top, int width, int height, int pixelSize, bool bold)
{
  auto* label = new QLabel(parent);
  label->setGeometry(left, top, width, height);
  label->setTextFormat(Qt::PlainText);
  // Top-aligned, so that descenders stay inside labels lower than a line.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return label;
}

TImageButton* TFramedDialog::FaceButton(QWidget* parent, const char* name, int left, int top)
{
  return Resources.FaceButton(parent, name, left, top);
}

QLabel* TFramedDialog::Emblem()
{
  auto* picture = new QLabel(Back);
  picture->setGeometry(0, 12, 105, 77);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap::fromImage(KeyedOut(Resources.dlgs.Bitmap(dlgEmblem, picture->devicePixelRatioF()), Resources.dlgs.TransparentColor(dlgEmblem))));
  picture->setStyleSheet(QStringLiteral("background: transparent;"));
  return picture;
}
