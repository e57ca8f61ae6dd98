#include "scores/HighscoreTable.h"

#include "scores/StoredKeys.h"
#include "scores/TextScrambler.h"
#include "toolkit/IniCtrl.h"
#include "toolkit/IniText.h"

#include <QStringList>

const QString THighscoreTable::DefaultName = QStringLiteral("Mr. Brain");

int THighscoreTable::RowFor(std::int32_t score, int direction) const
{
  for (int i = 0; i < Rows; ++i) {
    const std::int32_t stored = Row(i).Score;
    if (direction == 0 ? stored < score : (stored == 0 || stored > score))
      return i;
  }
  return -1;
}

int THighscoreTable::Insert(std::int32_t score, const QString& name, int direction)
{
  const int row = RowFor(score, direction);
  if (row < 0)
    return -1;
  for (int i = Rows - 2; i >= row; --i)
    Entries[static_cast<std::size_t>(i + 1)] = Entries[static_cast<std::size_t>(i)];
  Entries[static_cast<std::size_t>(row)] = { score, name };
  return row;
}

void THighscoreTable::Clear()
{
  Entries.fill({ 0, DefaultName });
}

THighscoreRow THighscoreTable::ParseRow(const QString& decoded)
{
  const qsizetype comma = decoded.indexOf(QLatin1Char(','));
  if (comma < 0)
    return { 0, DefaultName };
  bool ok = false;
  const std::int32_t score = decoded.left(comma).toInt(&ok);
  if (!ok)
    return { 0, DefaultName };
  return { score, decoded.mid(comma + 1) };
}

THighscoreTable THighscoreTable::Decode(
  const std::function<QString(const QString& key)>& read, const QString& prefix, const TTextScrambler& scrambler)
{
  THighscoreTable table;
  for (int i = 0; i < Rows; ++i)
    table.Entries[static_cast<std::size_t>(i)] = ParseRow(scrambler.Decode(read(prefix + QString::number(i))));
  return table;
}

void THighscoreTable::Encode(const std::function<void(const QString& key, const QString& text)>& write, const QString& prefix,
  const TTextScrambler& scrambler) const
{
  for (int i = 0; i < Rows; ++i)
    write(prefix + QString::number(i), scrambler.Encode(QString::number(Row(i).Score) + QLatin1Char(',') + Row(i).Name));
}

QString LimitedName(const QString& name)
{
  qsizetype end = 0;
  for (int count = 0; end < name.size() && count < NameLimit; ++count)
    end += QChar::isHighSurrogate(name[end].unicode()) && end + 1 < name.size() && name[end + 1].isLowSurrogate() ? 2 : 1;
  return name.left(end);
}

void StoreHighscores(TIniCtrl& ini, const QString& prefix, const TTextScrambler& scrambler, const THighscoreChange& change)
{
  QStringList keys { StoredKey::Player };
  for (int i = 0; i < THighscoreTable::Rows; ++i)
    keys << prefix + QString::number(i);
  ini.Edit(keys, [&](TIniText& text) {
    THighscoreTable table;
    if (!change.Clear) {
      table = THighscoreTable::Decode([&text](const QString& key) { return text.Value(StoredKey::Common, key).value_or(QString()); }, prefix,
        scrambler);
      table.Insert(change.Score, change.Name, change.Direction);
    }
    text.SetValue(StoredKey::Common, StoredKey::Player, change.Name);
    table.Encode([&text](const QString& key, const QString& value) { text.SetValue(StoredKey::Common, key, value); }, prefix, scrambler);
  });
}
