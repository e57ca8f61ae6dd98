#include "IniCtrl.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {

QString Entry(const QString& section, const QString& key)
{
  return section + QLatin1Char('/') + key;
}

} // namespace

TIniCtrl::TIniCtrl(QString organisation, QString application)
  : Organisation(std::move(organisation))
  , Application(std::move(application))
{
}

QString TIniCtrl::FileName() const
{
  return QSettings(QSettings::IniFormat, QSettings::UserScope, Organisation, Application).fileName();
}

QString TIniCtrl::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organisation, Application);
  if (settings.status() != QSettings::NoError)
    return fallback;
  const QVariant value = settings.value(Entry(section, key));
  if (!value.isValid())
    return fallback;
  // A hand-edited value with unquoted commas reads back as a list.
  if (value.metaType().id() == QMetaType::QStringList)
    return value.toStringList().join(QLatin1Char(','));
  if (!value.canConvert<QString>())
    return fallback;
  return value.toString();
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

bool TIniCtrl::Change(const QString& key, const std::function<void(QSettings&)>& change)
{
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organisation, Application);
  QString problem;
  if (settings.status() == QSettings::FormatError) {
    // Rewriting an unreadable file would throw away whatever it holds.
    problem = QStringLiteral("The settings file \"%1\" is damaged, so \"%2\" was not saved.");
  } else {
    change(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError || QFileInfo(settings.fileName()).isDir())
      problem = QStringLiteral("The settings file \"%1\" could not be written, so \"%2\" was not saved.");
  }
  if (problem.isEmpty()) {
    ErrorReported = false;
    return true;
  }
  if (!ErrorReported && OnError) {
    ErrorReported = true;
    OnError(problem.arg(settings.fileName(), key));
  }
  return false;
}

void TIniCtrl::WriteString(const QString& section, const QString& key, const QString& value)
{
  Change(key, [&](QSettings& settings) { settings.setValue(Entry(section, key), value); });
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
  Change(key, [&](QSettings& settings) { settings.remove(Entry(section, key)); });
}
