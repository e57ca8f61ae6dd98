#include "toolkit/IniCtrl.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  const auto fail = [problem](const QString& why) -> std::optional<TIniText> {
    if (problem)
      *problem = why;
    return std::nullopt;
  };
  // Opened without waiting, so that a pipe put in the file's place cannot
  // block; only a regular file is read.
  const int fd = ::open(QFile::encodeName(Path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT ? std::optional<TIniText>(TIniText()) : fail(QStringLiteral("it cannot be read"));
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return fail(QStringLiteral("it is not a regular file"));
  }
  if (status.st_size > LargestFile) {
    ::close(fd);
    return fail(QStringLiteral("it is too large to be a settings file"));
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return fail(QStringLiteral("it cannot be read"));
  }
  // As much as the file holds, and one byte more to notice a file that grew.
  const QByteArray bytes = file.read(static_cast<qint64>(status.st_size) + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > LargestFile)
    return fail(QStringLiteral("it cannot be read"));
  return TIniText(bytes);
}

void TIniCtrl::CheckFile()
{
  QString problem;
  if (!Load(&problem) && OnError)
    OnError(QStringLiteral("The settings file \"%1\" could not be read, because %2. The game starts with its defaults.")
              .arg(Path, problem));
  QLockFile lock(Path + QStringLiteral(".lock"));
  if (lock.tryLock(0))
    RemoveStaleTemporaries();
}

void TIniCtrl::RemoveStaleTemporaries() const
{
  const QFileInfo info(Path);
  // QSaveFile's temporary files: the file's name, a dot and six letters or
  // digits; nothing else is touched.
  static const QRegularExpression temporary(QStringLiteral("^[A-Za-z0-9]{6}$"));
  const QDateTime oldest = QDateTime::currentDateTimeUtc().addSecs(-StaleTemporarySeconds);
  const QString prefix = info.fileName() + QLatin1Char('.');
  const QFileInfoList candidates
    = QDir(info.absolutePath()).entryInfoList({ prefix + QStringLiteral("??????") }, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
  for (const QFileInfo& candidate : candidates)
    if (temporary.match(candidate.fileName().mid(prefix.size())).hasMatch() && candidate.lastModified().toUTC() < oldest)
      QFile::remove(candidate.absoluteFilePath());
}

QString TIniCtrl::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
  std::optional<TIniText> text = Load(nullptr);
  // What an update has written is seen before the update is stored.
  if (!Pending.isEmpty()) {
    if (!text)
      text = TIniText();
    for (const TChange& change : Pending)
      change.Apply(*text);
  }
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
  Change({ { key }, [section, key, value](TIniText& text) { text.SetValue(section, key, value); } });
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
  Change({ { key }, [section, key](TIniText& text) { text.Remove(section, key); } });
}

void TIniCtrl::Edit(const QStringList& keys, TEdit edit)
{
  Change({ keys, std::move(edit) });
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
    for (const QString& key : change.Keys)
      if (!keys.contains(key))
        keys << key;
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
  RemoveStaleTemporaries();
  QString unreadable;
  std::optional<TIniText> text = Load(&unreadable);
  if (!text)
    return unreadable;
  const QByteArray before = text->Bytes();
  for (const TChange& change : changes)
    change.Apply(*text);
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
