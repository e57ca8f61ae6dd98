#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class TIniCtrl;
class TTextScrambler;

// One result of the list.
struct THighscoreRow {
  std::int32_t Score = 0;
  QString Name;

  bool operator==(const THighscoreRow&) const = default;
};

// The fifteen best results, best first, and the rules that keep them: where
// a new result goes, what "remove all entries" leaves, and how a row is
// stored (scrambled "score,name" under the key prefix and the row's number).
class THighscoreTable {
public:
  static constexpr int Rows = 15;
  static const QString DefaultName;

  THighscoreTable() { Clear(); }

  // The row a result earns, or -1. Direction 0 ranks a higher score first
  // and puts a result below the equal ones; direction 1 ranks a lower score
  // first and takes a stored 0 as an empty row.
  int RowFor(std::int32_t score, int direction) const;
  // Puts the result into the row it earns, moving the rows below it down
  // and dropping the last; returns the row, or -1 when it earns none.
  int Insert(std::int32_t score, const QString& name, int direction);
  // Every row becomes the default entry.
  void Clear();

  const THighscoreRow& Row(int row) const { return Entries[static_cast<std::size_t>(row)]; }
  void SetName(int row, const QString& name) { Entries[static_cast<std::size_t>(row)].Name = name; }

  // Reads or writes the rows as stored, through the store's reader and
  // writer of (key, text).
  static THighscoreTable Decode(
    const std::function<QString(const QString& key)>& read, const QString& prefix, const TTextScrambler& scrambler);
  void Encode(const std::function<void(const QString& key, const QString& text)>& write, const QString& prefix,
    const TTextScrambler& scrambler) const;

  // A decoded row: "score,name" with the score a decimal 32-bit integer;
  // anything else, the empty text included, is the default entry.
  static THighscoreRow ParseRow(const QString& decoded);

  bool operator==(const THighscoreTable&) const = default;

private:
  std::array<THighscoreRow, Rows> Entries;
};

// What OK stores: a result merged into the table as it is stored at that
// moment, under the settings lock, or, with Clear, fifteen default rows.
// Either way the player name is stored with it, in the same step.
struct THighscoreChange {
  bool Clear = false;
  std::int32_t Score = 0;
  QString Name;
  int Direction = 0;
};
void StoreHighscores(TIniCtrl& ini, const QString& prefix, const TTextScrambler& scrambler, const THighscoreChange& change);

// Player names are limited to 25 characters, counted as code points, so
// that a character outside the basic plane is never cut in half.
constexpr int NameLimit = 25;
QString LimitedName(const QString& name);
