#include "toolkit/IniCtrl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

namespace {

// Why the lock of a settings file could not be taken.
QString LockProblem(const QLockFile& lock)
{
  const QStorageInfo storage(QFileInfo(lock.fileName()).absolutePath());
  if (storage.isReadOnly())
    return QStringLiteral("its file system is read-only");
  if (storage.isValid() && storage.bytesAvailable() < 4096)
    return QStringLiteral("the disk is full");
  if (lock.error() == QLockFile::LockFailedError)
    return QStringLiteral("another program holds its lock \"%1\" (or it cannot be read)").arg(lock.fileName());
  if (lock.error() == QLockFile::PermissionError)
    return QStringLiteral("its folder cannot be written to");
  return QStringLiteral("its lock \"%1\" cannot be made").arg(lock.fileName());
}

} // namespace

TIniCtrl::TIniCtrl(QString organisation, QString application)
  : Path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + organisation
      + QLatin1Char('/') + application + QStringLiteral(".ini"))
{
}

std::optional<TIniText> TIniCtrl::Load(QString* problem) const
{
  const QFileInfo info(Path);
  if (!info.exists())
    return TIniText();
  QFile file(Path);
  if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
    if (problem)
      *problem = QStringLiteral("it cannot be read");
    return std::nullopt;
  }
  if (file.size() > LargestFile) {
    if (problem)
      *problem = QStringLiteral("it is too large to be a settings file");
    return std::nullopt;
  }
  const QByteArray bytes = file.read(LargestFile + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > LargestFile) {
    if (problem)
      *problem = QStringLiteral("it cannot be read");
    return std::nullopt;
  }
  return TIniText(bytes);
}

QString TIniCtrl::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
  // A value written inside an update is seen before the update is stored.
  for (qsizetype i = Pending.size() - 1; i >= 0; --i)
    if (Pending[i].Section == section && Pending[i].Key == key)
      return Pending[i].Value.value_or(fallback);
  const std::optional<TIniText> text = Load(nullptr);
  if (!text)
    return fallback;
  return text->Value(section, key).value_or(fallback);
}

int TIniCtrl::ReadInteger(const QString& section, const QString& key, int fallback) const
{
  bool ok = false;
  const int value = ReadString(section, key, QString()).toInt(&ok);
  return ok ? value : fallback;
}

bool TIniCtrl::ReadBool(const QString& section, const QString& key, bool fallback) const
{
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniCtrl::WriteString(const QString& section, const QString& key, const QString& value)
{
  Change({ section, key, value });
}

void TIniCtrl::WriteInteger(const QString& section, const QString& key, int value)
{
  WriteString(section, key, QString::number(value));
}

void TIniCtrl::WriteBool(const QString& section, const QString& key, bool value)
{
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniCtrl::DeleteValue(const QString& section, const QString& key)
{
  Change({ section, key, std::nullopt });
}

void TIniCtrl::Change(TChange change)
{
  Pending.append(std::move(change));
  if (Updating == 0)
    Store();
}

void TIniCtrl::BeginUpdate()
{
  ++Updating;
}

bool TIniCtrl::EndUpdate()
{
  if (Updating == 0 || --Updating > 0)
    return true;
  return Store();
}

bool TIniCtrl::Store()
{
  const QList<TChange> changes = std::exchange(Pending, {});
  if (changes.isEmpty())
    return true;
  const QString problem = Replace(changes);
  if (problem.isEmpty())
    return true;
  QStringList keys;
  for (const TChange& change : changes)
    if (!keys.contains(change.Key))
      keys << change.Key;
  if (OnError)
    OnError(QStringLiteral("The settings file \"%1\" could not be written, because %2. It keeps what it held before; "
                           "not saved: %3.")
              .arg(Path, problem, keys.join(QStringLiteral(", "))));
  return false;
}

QString TIniCtrl::Replace(const QList<TChange>& changes) const
{
  QDir().mkpath(QFileInfo(Path).absolutePath());
  QLockFile lock(Path + QStringLiteral(".lock"));
  if (!lock.tryLock(LockWaitMs))
    return LockProblem(lock);
  QString unreadable;
  std::optional<TIniText> text = Load(&unreadable);
  if (!text)
    return unreadable;
  const QByteArray before = text->Bytes();
  for (const TChange& change : changes) {
    if (change.Value)
      text->SetValue(change.Section, change.Key, *change.Value);
    else
      text->Remove(change.Section, change.Key);
  }
  const QByteArray after = text->Bytes();
  if (after == before && QFileInfo::exists(Path))
    return QString(); // nothing to change
  QSaveFile file(Path);
  if (!file.open(QIODevice::WriteOnly) || file.write(after) != after.size() || !file.commit()) {
    const QString problem = file.errorString();
    file.cancelWriting();
    return problem;
  }
  return QString();
}
