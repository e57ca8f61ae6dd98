// Writes the program's artwork as PNG files under the given assets folder.
// The output is deterministic: a rerun gives the same files.
#include "BoardArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& path)
{
  if (image.save(path, "PNG"))
    return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

} // namespace

int main(int argc, char** argv)
{
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_artwork ASSETS_FOLDER\n");
    return 2;
  }
  const QDir assets(QString::fromLocal8Bit(argv[1]));
  assets.mkpath(QStringLiteral("bmps"));
  bool ok = Save(MakeDigitStrip(), assets.filePath(QStringLiteral("bmps/0.png")));
  ok = Save(MakeBackgroundSheet(), assets.filePath(QStringLiteral("bmps/1.png"))) && ok;
  const auto patterns = MakeFillPatterns();
  for (int i = 0; i < 4; ++i)
    ok = Save(patterns[static_cast<std::size_t>(i)], assets.filePath(QStringLiteral("bmps/%1.png").arg(2 + i))) && ok;
  return ok ? 0 : 1;
}
