#include "assets/Artwork.h"
#include "assets/DlgRes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>

#include <cstdint>
#include <vector>

namespace {

TEST(Artwork, EveryButtonFaceIsAFiftyPixelFaceWithItsTransparentColour)
{
  const TBitmapList bmps = LoadBmps();
  const TDlgResources res;
  const TBitmapList* lists[] = { &bmps, &res.dlgs, &res.opts, &res.btns };
  for (const TButtonFaces& button : ButtonFaces) {
    const TBitmapList& list = *lists[button.List];
    const QRgb key = std::string(button.Button) == "GermanBtn" ? qRgb(0, 0, 255)
      : std::string(button.Button) == "EnglishBtn"             ? qRgb(0, 255, 0)
                                                               : qRgb(255, 255, 255);
    for (const int face : { button.Up, button.Disabled, button.Over, button.Down }) {
      ASSERT_TRUE(list.IsValid(face)) << button.Button << " face " << face;
      EXPECT_EQ(list.Bitmap(face).size(), QSize(50, 50)) << button.Button << " face " << face;
      // Disabled dialog buttons show the blank face, whose corners are white.
      const QRgb expected = face == 0 ? qRgb(255, 255, 255) : key;
      EXPECT_EQ(list.TransparentColor(face), expected) << button.Button << " face " << face;
    }
  }
}

// Pixels of the transparent colour that the image's edge does not reach
// through that colour: holes through which the background would show.
int Holes(const QImage& image)
{
  const QRgb key = image.pixel(0, image.height() - 1);
  const int w = image.width();
  const int h = image.height();
  std::vector<char> outside(static_cast<std::size_t>(w * h), 0);
  std::vector<QPoint> todo;
  for (int x = 0; x < w; ++x)
    todo.insert(todo.end(), { QPoint(x, 0), QPoint(x, h - 1) });
  for (int y = 0; y < h; ++y)
    todo.insert(todo.end(), { QPoint(0, y), QPoint(w - 1, y) });
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
      continue;
    char& seen = outside[static_cast<std::size_t>(p.y() * w + p.x())];
    if (seen || image.pixel(p) != key)
      continue;
    seen = 1;
    todo.insert(todo.end(), { p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1) });
  }
  int holes = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      holes += image.pixel(x, y) == key && !outside[static_cast<std::size_t>(y * w + x)];
  return holes;
}

TEST(Artwork, NoFaceIsSeeThroughInsideItsTile)
{
  const TBitmapList bmps = LoadBmps();
  const TDlgResources res;
  const std::pair<const char*, const TBitmapList*> lists[] = { { "bmps", &bmps }, { "dlgs", &res.dlgs },
    { "opts", &res.opts }, { "btns", &res.btns }, { "langs", &res.langs } };
  int faces = 0;
  for (const auto& [name, list] : lists)
    for (int i = 0; i < list->Count(); ++i)
      if (list->IsValid(i) && list->Bitmap(i).size() == QSize(50, 50)) {
        ++faces;
        EXPECT_EQ(Holes(list->Bitmap(i)), 0) << name << " " << i;
        EXPECT_EQ(Holes(list->Bitmap(i, 2)), 0) << name << " " << i << " dense";
      }
  EXPECT_EQ(faces, 71);
}

TEST(Artwork, EveryImageHasADenseTwinOfTwiceTheSizeAndTheSameKey)
{
  const TBitmapList bmps = LoadBmps();
  const TDlgResources res;
  const std::pair<const char*, const TBitmapList*> lists[] = { { "bmps", &bmps }, { "dlgs", &res.dlgs },
    { "opts", &res.opts }, { "btns", &res.btns }, { "langs", &res.langs } };
  for (const auto& [name, list] : lists)
    for (int i = 0; i < list->Count(); ++i) {
      if (!list->IsValid(i))
        continue;
      const QImage& plain = list->Bitmap(i);
      const QImage& dense = list->Bitmap(i, 2);
      ASSERT_EQ(dense.size(), plain.size() * 2) << name << " " << i;
      EXPECT_EQ(dense.devicePixelRatio(), 2) << name << " " << i;
      EXPECT_EQ(dense.pixel(0, dense.height() - 1), plain.pixel(0, plain.height() - 1)) << name << " " << i;
      EXPECT_EQ(&list->Bitmap(i, 1), &plain) << name << " " << i;
    }
}

TEST(Artwork, BoardAndDialogImagesHaveTheirSizes)
{
  const TBitmapList bmps = LoadBmps();
  const TDlgResources res;
  EXPECT_EQ(bmps.Bitmap(0).size(), QSize(220, 54));
  EXPECT_EQ(bmps.Bitmap(1).size(), QSize(320, 600));
  for (int i = 2; i <= 5; ++i)
    EXPECT_EQ(bmps.Bitmap(i).size(), QSize(8, 8));
  EXPECT_EQ(res.dlgs.Bitmap(1).size(), QSize(160, 120));
  EXPECT_EQ(res.dlgs.Bitmap(2).size(), QSize(160, 120));
  EXPECT_EQ(res.dlgs.Bitmap(3).size(), QSize(100, 75));
  EXPECT_EQ(res.dlgs.TransparentColor(3), qRgb(255, 0, 255));
  for (int i : { 0, 7 })
    EXPECT_TRUE(res.opts.IsValid(i));
  EXPECT_EQ(res.dlgs.Count(), 28);
  EXPECT_EQ(ProgramIcon().availableSizes().value(0), QSize(32, 32));

  // The digit mask is the exact silhouette of the glyph row.
  const QImage& strip = bmps.Bitmap(0);
  for (int y = 0; y < 27; ++y)
    for (int x = 0; x < 220; ++x) {
      const bool ink = (strip.pixel(x, y) & 0xFFFFFFU) != 0;
      ASSERT_EQ(strip.pixel(x, y + 27) & 0xFFFFFFU, ink ? 0U : 0xFFFFFFU) << x << "," << y;
    }
  // Patterns: ink on both diagonals, off-white elsewhere.
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(bmps.Bitmap(5).pixel(x, y), (x == y || x + y == 7) ? qRgb(0, 0, 0) : qRgb(248, 252, 248));
}

TEST(Artwork, BackgroundTilesRepeatWithoutSeams)
{
  const QImage sheet = LoadBmps().Bitmap(1);
  // Across a tile's wrap the colour steps no more than inside the tile.
  for (int band = 0; band < 5; ++band)
    for (int half = 0; half < 2; ++half) {
      const int x0 = 160 * half;
      const int y0 = 120 * band;
      const auto step = [&](int xa, int ya, int xb, int yb) {
        const QColor a = sheet.pixelColor(x0 + xa, y0 + ya);
        const QColor b = sheet.pixelColor(x0 + xb, y0 + yb);
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
      };
      long inside = 0;
      long wrap = 0;
      for (int y = 0; y < 120; ++y) {
        inside += step(78, y, 79, y);
        wrap += step(159, y, 0, y);
      }
      for (int x = 0; x < 160; ++x) {
        inside += step(x, 58, x, 59);
        wrap += step(x, 119, x, 0);
      }
      EXPECT_LT(wrap, inside * 2 + 200) << "band " << band << " half " << half;
    }
}

TEST(SoundEffects, HaveTheirFormatAndSizes)
{
  struct TCase {
    int Rate;
    int Bytes;
  };
  const TCase cases[] = { { 11025, 41470 }, { 22050, 11302 }, { 11025, 8292 }, { 22050, 41376 }, { 22050, 934 }, { 22050, 696 }, { 11025, 2862 } };
  for (int i = 0; i < 7; ++i) {
    QFile file(QStringLiteral(":/waves/%1.wav").arg(i + 1));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << i + 1;
    const QByteArray wave = file.readAll();
    const auto word = [&wave](int at) { return static_cast<int>(static_cast<std::uint8_t>(wave[at]) | static_cast<std::uint8_t>(wave[at + 1]) << 8); };
    const auto dword = [&](int at) { return word(at) | word(at + 2) << 16; };
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(word(20), 1) << "PCM";
    EXPECT_EQ(word(22), 1) << "one channel";
    EXPECT_EQ(dword(24), cases[i].Rate) << i + 1;
    EXPECT_EQ(word(34), 8) << "bits";
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(dword(40), cases[i].Bytes) << i + 1;
    EXPECT_EQ(wave.size(), 44 + cases[i].Bytes);
  }
}

} // namespace
