#include "shell/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DataFolder(const QString& programFolder)
{
  const QString own = QDir(programFolder).absolutePath() + QLatin1Char('/');
  if (QFileInfo::exists(own + QStringLiteral("trivolo.html")))
    return own;
  const QString installed = QDir::cleanPath(own + QStringLiteral("../share/games/trivolo")) + QLatin1Char('/');
  if (QFileInfo::exists(installed + QStringLiteral("trivolo.html")))
    return installed;
  return own;
}

QString UserDataFolder()
{
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/trivolo");
}
