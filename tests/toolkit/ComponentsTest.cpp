#include "toolkit/BalloonGeometry.h"
#include "toolkit/BitmapList.h"
#include "toolkit/ImageButton.h"
#include "toolkit/ShapeHint.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

TEST(FaceTable, DecodesTheLastThirtySixBytesOnly)
{
  const TFaceTable table = FaceTable(6, 8, 7, 6);
  QByteArray stored = EncodeFaceTable(table);
  ASSERT_EQ(stored.size(), 72);
  EXPECT_EQ(DecodeFaceTable(stored), table);
  stored.replace(0, 36, QByteArray(36, '\x55'));
  EXPECT_EQ(DecodeFaceTable(stored), table);
  // Entry 0 is stored last: list index 6, image index 0, little-endian.
  EXPECT_EQ(stored.mid(68), QByteArray("\x06\x00\x00\x00", 4));
  EXPECT_EQ(stored.mid(36, 4), QByteArray("\x06\x00\x00\x00", 4)); // entry 8 repeats the up face
  stored[64] = '\x07';
  stored[65] = '\x01';
  EXPECT_EQ(DecodeFaceTable(stored)[1].ListIndex, 0x0107);
}

QImage Face(QRgb colour)
{
  QImage image(50, 50, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

class TImageButtonTest : public ::testing::Test {
protected:
  // Items: 0 up (red), 1 over (green), 2 down (blue), 3 empty.
  TBitmapList Faces { { Face(qRgb(255, 0, 0)), Face(qRgb(0, 255, 0)), Face(qRgb(0, 0, 255)), QImage() } };
  QWidget Window;
  TImageButton* Button = new TImageButton(&Window, Faces, FaceTable(0, 9, 1, 2));

  void SetUp() override
  {
    Window.resize(200, 100);
    Button->move(10, 10);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
};

TEST_F(TImageButtonTest, MouseMovesTheButtonThroughItsStates)
{
  QSignalSpy clicks(Button, &TImageButton::OnClick);
  QSignalSpy downs(Button, &TImageButton::OnMouseDown);
  QTest::mouseMove(&Window, QPoint(100, 80));
  QTest::mouseMove(Button, QPoint(25, 25));
  EXPECT_EQ(Button->State(), bsMouseOver);
  EXPECT_EQ(Button->ShownFace(), 1);

  QTest::mousePress(Button, Qt::LeftButton, {}, QPoint(25, 25));
  EXPECT_EQ(Button->State(), bsDown);
  EXPECT_EQ(Button->ShownFace(), 2);
  QTest::mouseRelease(Button, Qt::LeftButton, {}, QPoint(25, 25));
  EXPECT_EQ(Button->State(), bsMouseOver);
  EXPECT_EQ(clicks.count(), 1);

  // Dragged off before the release: no click, the up face.
  QTest::mousePress(Button, Qt::LeftButton, {}, QPoint(25, 25));
  QMouseEvent drag(QEvent::MouseMove, QPointF(80, 25), Button->mapToGlobal(QPointF(80, 25)), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(Button, &drag);
  EXPECT_EQ(Button->State(), bsUp);
  QTest::mouseRelease(Button, Qt::LeftButton, {}, QPoint(80, 25));
  EXPECT_EQ(Button->State(), bsUp);
  EXPECT_EQ(clicks.count(), 1);

  // Other mouse buttons report but change no state.
  QTest::mousePress(Button, Qt::RightButton, {}, QPoint(25, 25));
  EXPECT_EQ(downs.count(), 3);
  EXPECT_EQ(downs.last().at(0).value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_NE(Button->State(), bsDown);
  QTest::mouseRelease(Button, Qt::RightButton, {}, QPoint(25, 25));
}

TEST_F(TImageButtonTest, InvalidFacesFallBack)
{
  Button->setEnabled(false);
  EXPECT_EQ(Button->State(), bsDisabled);
  EXPECT_EQ(Button->ShownFace(), 0); // disabled entry 9 is invalid: the up face
  Button->setEnabled(true);
  EXPECT_EQ(Button->State(), bsUp);

  TImageButton blank(&Window, Faces, FaceTable(3, 3, 3, 2));
  EXPECT_EQ(blank.ShownFace(), -1); // no up face: nothing at all
  blank.setEnabled(false);
  EXPECT_EQ(blank.ShownFace(), -1);
}

TEST(BitmapList, ValidityAndTransparentColour)
{
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(qRgb(9, 9, 9));
  image.setPixel(0, 2, qRgb(0, 255, 0));
  const TBitmapList list({ image, QImage() });
  EXPECT_TRUE(list.IsValid(0));
  EXPECT_FALSE(list.IsValid(1));
  EXPECT_FALSE(list.IsValid(2));
  EXPECT_FALSE(list.IsValid(-1));
  EXPECT_EQ(list.TransparentColor(0) & 0xFFFFFFU, 0x00FF00U);
}

TEST(Balloon, PicksTheFirstPositionThatFitsOnTheDesktop)
{
  const QRect desktop(0, 0, 1024, 768);
  const QSize text(100, 16);
  struct TCase {
    QPoint Pointer;
    THintPosition Position;
  };
  const TCase cases[] = {
    { { 500, 400 }, hpAboveRight },
    { { 500, 10 }, hpBelowLeft },
    { { 50, 10 }, hpBelowRight },
    { { 1000, 750 }, hpAboveLeft },
  };
  for (const auto& c : cases) {
    const TBalloon b = PlaceBalloon(text, c.Pointer, desktop);
    EXPECT_EQ(b.Position, c.Position) << c.Pointer.x() << "," << c.Pointer.y();
    EXPECT_EQ(b.Window.size(), QSize(129, 40));
    EXPECT_TRUE(desktop.contains(b.Window)) << c.Pointer.x() << "," << c.Pointer.y();
  }
  const TBalloon above = PlaceBalloon(text, { 500, 400 }, desktop);
  EXPECT_EQ(above.Window.topLeft(), QPoint(501, 359));
  EXPECT_EQ(above.Nose[1], QPoint(0, 34));
  EXPECT_EQ(above.TextOffset, QPoint(19, 4));

  EXPECT_EQ(PlaceBalloon(QSize(8, 16), { 500, 400 }, desktop).Window.width(), 75);

  // Nowhere fits on a tiny desktop: the balloon still stays on it.
  const QRect tiny(0, 0, 140, 60);
  const TBalloon squeezed = PlaceBalloon(text, { 70, 30 }, tiny);
  EXPECT_GE(squeezed.Window.left(), 0);
  EXPECT_GE(squeezed.Window.top(), 0);
  EXPECT_LE(squeezed.Window.right(), 140);
  EXPECT_LE(squeezed.Window.bottom(), 60);
}

TEST(Balloon, MaskAdmitsExactlyThePaintedBalloonInFewRectangles)
{
  const QRect desktop(0, 0, 1024, 768);
  const QColor fill(255, 255, 225);
  for (const QPoint pointer : { QPoint(500, 400), QPoint(500, 10), QPoint(50, 10), QPoint(1000, 750) }) {
    const TBalloon b = PlaceBalloon(QSize(100, 16), pointer, desktop);
    const QImage picture = BalloonPicture(b, fill);
    const QRegion mask = CoveredRegion(picture);
    int outline = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        ASSERT_EQ(mask.contains(QPoint(x, y)), qAlpha(pixel) != 0) << b.Position << " at " << x << "," << y;
        outline += pixel == qRgb(0, 0, 0);
      }
    // The rounded corners leave the body's corner pixel outside, the nose's
    // tip (the window's last column where the tip lies just past it) is
    // outlined and inside.
    EXPECT_FALSE(mask.contains(QPoint(b.Body.left(), b.Body.top()))) << b.Position;
    const QPoint tip(std::min(b.Nose[1].x(), picture.width() - 1), b.Nose[1].y());
    EXPECT_EQ(picture.pixel(tip), qRgb(0, 0, 0)) << b.Position;
    EXPECT_GT(outline, 2 * (b.Body.width() + b.Body.height())) << b.Position;
    EXPECT_LT(mask.rectCount(), 60) << b.Position;

    TBalloonWindow window;
    window.Show(QStringLiteral("Hint"), QFont(), b);
    EXPECT_EQ(window.mask(), mask) << b.Position;
  }
}

} // namespace
