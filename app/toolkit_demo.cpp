// A small window that shows the toolkit's parts on their own: a framed,
// tiled panel, image buttons with hints, the balloon hint, the placement
// memory and the opening effect.
#include "assets/Artwork.h"
#include "scores/StoredKeys.h"
#include "toolkit/BackPanel.h"
#include "toolkit/FormKeeper.h"
#include "toolkit/ImageButton.h"
#include "toolkit/IniCtrl.h"
#include "toolkit/OpeningEffect.h"
#include "toolkit/ShapeHint.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPainter>

namespace {

QImage DemoFace(QColor colour, const QString& mark)
{
  QImage face(50, 50, QImage::Format_RGB32);
  face.fill(Qt::white);
  QPainter painter(&face);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 3));
  painter.setBrush(colour);
  painter.drawRoundedRect(QRectF(2.5, 2.5, 45, 45), 9, 9);
  painter.setFont(QFont(QStringLiteral("Liberation Sans"), 18, QFont::Bold));
  painter.drawText(face.rect(), Qt::AlignCenter, mark);
  return face;
}

} // namespace

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  TShapeHint hints;
  const TBitmapList bmps = LoadBmps();
  const TBitmapList faces({ DemoFace(QColor(70, 110, 230), "A"), DemoFace(QColor(120, 160, 255), "A"),
    DemoFace(QColor(160, 160, 160), "A") });

  QWidget window;
  window.setWindowTitle(QStringLiteral("Trivolo toolkit"));
  window.resize(420, 260);
  auto* panel = new TBackPanel(&window, bmps, 1);
  panel->setGeometry(window.rect());
  auto* button = new TImageButton(panel, faces, FaceTable(0, 2, 1, 0));
  button->move(20, 20);
  button->SetHint(QStringLiteral("An image button with a balloon hint."));
  auto* disabled = new TImageButton(panel, faces, FaceTable(0, 2, 1, 0));
  disabled->move(80, 20);
  disabled->setEnabled(false);
  auto* label = new QLabel(panel);
  label->setGeometry(20, 90, 380, 40);
  label->setStyleSheet(QStringLiteral("color: white;"));
  QObject::connect(button, &TImageButton::OnClick, label, [label] { label->setText(QStringLiteral("Clicked.")); });

  TIniCtrl ini(QStringLiteral("Mollberg"), QStringLiteral("Trivolo/ToolkitDemo"));
  TFormKeeper keeper(window, ini, StoredKey::Common, StoredKey::Placement);
  keeper.RestorePlacement();
  window.show();
  TOpeningEffect::Play(QCursor::pos(), window.frameGeometry());
  const int result = QApplication::exec();
  keeper.SavePlacement();
  return result;
}
