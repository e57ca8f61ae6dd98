// Writes the program's artwork as PNG files under the given assets folder,
// and a contact sheet of it all under the given docs folder. The output is
// deterministic: a rerun gives the same files.
#include "tools/BoardArt.h"
#include "tools/ButtonArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& path)
{
  if (image.save(path, "PNG"))
    return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

struct TNamedList {
  QString Name;
  TArtList Images;
};

QImage ContactSheet(const std::vector<TNamedList>& lists)
{
  constexpr int cell = 110;
  int rows = 0;
  for (const auto& list : lists)
    rows += (static_cast<int>(list.Images.size()) + 7) / 8;
  QImage sheet(8 * cell * 2 + 20, (rows * cell + static_cast<int>(lists.size()) * 30) * 2 + 20, QImage::Format_RGB32);
  sheet.fill(QColor(64, 64, 72));
  QPainter p(&sheet);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(22);
  p.setFont(font);
  int y = 10;
  for (const auto& list : lists) {
    p.setPen(Qt::white);
    p.drawText(10, y + 26, list.Name);
    y += 60;
    int i = 0;
    for (const auto& [index, image] : list.Images) {
      if (image.isNull())
        continue;
      const int x = 10 + (i % 8) * cell * 2;
      const int top = y + (i / 8) * cell * 2;
      const QImage big = image.width() > 100 ? image.scaled(200, 150, Qt::KeepAspectRatio) : image.scaled(image.size() * 2);
      p.drawImage(x, top, big);
      p.setPen(QColor(220, 220, 220));
      p.drawText(x, top + 190, QString::number(index));
      ++i;
    }
    y += ((i + 7) / 8) * cell * 2;
  }
  return sheet.copy(0, 0, sheet.width(), y + 10);
}

TArtList MakeBmps(int scale)
{
  TArtList bmps = MakeGameButtonFaces(scale);
  bmps[0] = MakeDigitStrip(scale);
  bmps[1] = MakeBackgroundSheet(scale);
  const auto patterns = MakeFillPatterns(scale);
  for (int i = 0; i < 4; ++i)
    bmps[2 + i] = patterns[static_cast<std::size_t>(i)];
  bmps[18] = patterns[4]; // vermillion, for the colours that are easy to tell apart
  return bmps;
}

std::vector<TNamedList> AllLists(int scale)
{
  return {
    { QStringLiteral("bmps"), MakeBmps(scale) },
    { QStringLiteral("dlgs"), MakeDialogArt(scale) },
    { QStringLiteral("opts"), MakeOptionFaces(scale) },
    { QStringLiteral("btns"), MakeProgramFaces(scale) },
    { QStringLiteral("langs"), MakeLanguageFaces(scale) },
  };
}

} // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_artwork ASSETS_FOLDER DOCS_FOLDER\n");
    return 2;
  }
  const QDir assets(QString::fromLocal8Bit(argv[1]));
  const QDir docs(QString::fromLocal8Bit(argv[2]));

  // Every image at scale 1 as "<index>.png" and at scale 2 as
  // "<index>@2x.png"; the contact sheet shows scale 1.
  bool ok = true;
  for (const int scale : { 1, 2 }) {
    const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
    for (const auto& list : AllLists(scale)) {
      assets.mkpath(list.Name);
      for (const auto& [index, image] : list.Images)
        if (!image.isNull())
          ok = Save(image, assets.filePath(QStringLiteral("%1/%2%3").arg(list.Name).arg(index).arg(suffix))) && ok;
    }
  }
  ok = Save(MakeProgramIcon(), assets.filePath(QStringLiteral("trivolo.png"))) && ok;
  // The desktop's icons, in the sizes of the hicolor theme.
  for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
    const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
    assets.mkpath(folder);
    ok = Save(MakeDesktopIcon(size), assets.filePath(folder + QStringLiteral("/trivolo.png"))) && ok;
  }
  docs.mkpath(QStringLiteral("."));
  ok = Save(ContactSheet(AllLists(1)), docs.filePath(QStringLiteral("artwork.png"))) && ok;
  return ok ? 0 : 1;
}
