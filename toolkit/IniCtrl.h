#pragma once

#include <QString>

#include <functional>

// The per-user settings store: named string values in sections. Integers
// and Booleans are stored as text ("12", "-1"; "1" and "0"). Every
// operation opens, reads or writes and closes the file by itself, so a value
// written is seen by the next read, in this process or another one.
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

  QString FileName() const;

  // Told once about a write that failed; the stored values stay as they were.
  std::function<void(const QString&)> OnError;

private:
  bool Change(const QString& key, const std::function<void(class QSettings&)>& change);

  QString Organisation;
  QString Application;
  bool ErrorReported = false;
};
