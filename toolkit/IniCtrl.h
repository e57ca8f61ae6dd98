#pragma once

#include <QList>
#include <QStringList>
#include <QString>

#include <functional>
#include <optional>

#include "toolkit/IniText.h"

// The per-user settings store: named string values in sections. Integers
// and Booleans are stored as text ("12", "-1"; "1" and "0"). Every
// operation reads, or writes and replaces, the file by itself, so a value
// written is seen by the next read, in this process or another one.
//
// A read gives what the file holds, or the default for a value it does not
// hold. A write replaces the whole file at once (a new file renamed over the
// old one, under a lock), keeping every line it does not change; when it
// fails, the file keeps what it held, and the failure is told to OnError.
class TIniCtrl {
public:
  // The file is <config>/<organisation>/<application>.ini.
  TIniCtrl(QString organisation, QString application);

  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  bool ReadBool(const QString& section, const QString& key, bool fallback) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void DeleteValue(const QString& section, const QString& key);

  // Changes the file's text as it stands under the lock: what the edit reads
  // is what is stored at that moment, so that it can merge its own change
  // with what another copy of the program stored meanwhile. The keys name
  // what the edit may change, for the report of a failure.
  using TEdit = std::function<void(TIniText&)>;
  void Edit(const QStringList& keys, TEdit edit);

  // Reports through OnError, once, a file that exists but cannot be read,
  // and removes the temporary files that writes killed at the rename left.
  void CheckFile();

  // The writes between BeginUpdate and EndUpdate replace the file together,
  // in one step: a reader, or a crash, sees all of them or none. EndUpdate
  // tells whether they were stored.
  void BeginUpdate();
  bool EndUpdate();

  QString FileName() const { return Path; }

  // Told once about every write that failed, with what was not saved and
  // why; the stored values stay as they were.
  std::function<void(const QString&)> OnError;

  // How old a temporary file must be before it counts as left behind.
  static constexpr int StaleTemporarySeconds = 60;
  // The longest a write waits for another writer's lock.
  static constexpr int LockWaitMs = 2000;
  // A larger file is no settings file of this program's; it is left alone.
  static constexpr qint64 LargestFile = 1 << 20;

private:
  struct TChange {
    QStringList Keys;
    TEdit Apply;
  };
  void Change(TChange change);
  bool Store();
  // Applies the changes to the file in one replacement; what went wrong, or
  // nothing.
  QString Replace(const QList<TChange>& changes) const;
  // The file's text; none when it exists but cannot be read whole or is no
  // regular file (a pipe or a device would block the reader).
  std::optional<TIniText> Load(QString* problem) const;
  // Removes the temporary files of writes that died before their rename:
  // "<file>.XXXXXX", older than a minute. Called under the lock, which every
  // live write holds, so none of them is still being written.
  void RemoveStaleTemporaries() const;

  QString Path;
  QList<TChange> Pending;
  int Updating = 0;
};
