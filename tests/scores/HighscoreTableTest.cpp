#include "scores/HighscoreTable.h"
#include "scores/TextScrambler.h"

#include <gtest/gtest.h>

#include <QMap>

namespace {

THighscoreTable TableOf(std::initializer_list<int> scores)
{
  THighscoreTable table;
  QMap<QString, QString> stored;
  const TTextScrambler scrambler;
  int row = 0;
  for (const int score : scores) {
    stored[QStringLiteral("hs%1").arg(row)] = scrambler.Encode(QStringLiteral("%1,P%2").arg(score).arg(row));
    ++row;
  }
  return THighscoreTable::Decode([&](const QString& key) { return stored.value(key); }, "hs", scrambler);
}

TEST(HighscoreTable, ANewResultTakesTheRowItsScoreEarns)
{
  struct TCase {
    std::initializer_list<int> Stored;
    int Score;
    int Direction;
    int Row;
  };
  const TCase cases[] = {
    { {}, 1, 0, 0 },
    { { 90, 80, 70, 50, 40 }, 50, 0, 4 }, // below the equal ones
    { { 90, 80, 70, 50, 40 }, 91, 0, 0 },
    { { 150, 140, 130, 120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10 }, 10, 0, -1 },
    { { 150, 140, 130, 120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10 }, 11, 0, 14 },
    { { 30, 45 }, 40, 1, 1 }, // lower first
    { { 30, 45 }, 50, 1, 2 }, // a stored 0 is an empty row
    { {}, -5, 0, -1 },
  };
  for (const auto& c : cases) {
    THighscoreTable table = TableOf(c.Stored);
    const THighscoreTable before = table;
    EXPECT_EQ(table.Insert(c.Score, "New", c.Direction), c.Row) << c.Score;
    if (c.Row < 0) {
      EXPECT_EQ(table, before);
      continue;
    }
    EXPECT_EQ(table.Row(c.Row), (THighscoreRow { c.Score, "New" }));
    for (int i = 0; i < THighscoreTable::Rows; ++i) {
      if (i != c.Row) {
        EXPECT_EQ(table.Row(i), before.Row(i < c.Row ? i : i - 1)) << c.Score << " row " << i;
      }
    }
  }
}

TEST(HighscoreTable, RowsRoundTripAndDamagedOnesReadAsTheDefault)
{
  const TTextScrambler scrambler;
  THighscoreTable table;
  table.Insert(500, "Ann, the 1st", 0);
  table.Insert(-7, QString::fromUtf8("Jürgen 😀"), 0);
  QMap<QString, QString> stored;
  table.Encode([&](const QString& key, const QString& text) { stored[key] = text; }, "hs", scrambler);
  EXPECT_EQ(stored.size(), 15);
  EXPECT_EQ(scrambler.Decode(stored["hs0"]), "500,Ann, the 1st");
  EXPECT_EQ(THighscoreTable::Decode([&](const QString& key) { return stored.value(key); }, "hs", scrambler), table);

  for (const char* damaged : { "", "no comma", "12x,Bad", "99999999999,Too large", ",Empty score" })
    EXPECT_EQ(THighscoreTable::ParseRow(damaged), (THighscoreRow { 0, "Mr. Brain" })) << damaged;
  table.Clear();
  EXPECT_EQ(table, THighscoreTable());
  EXPECT_EQ(table.Row(14), (THighscoreRow { 0, "Mr. Brain" }));
}

TEST(HighscoreTable, NamesAreLimitedToTwentyFiveCharactersNeverSplittingOne)
{
  const QString emoji = QString::fromUtf8("😀");
  EXPECT_EQ(LimitedName(emoji.repeated(14)), emoji.repeated(14));
  EXPECT_EQ(LimitedName(emoji.repeated(30)), emoji.repeated(25));
  EXPECT_EQ(LimitedName(QString(30, 'a')), QString(25, 'a'));
  EXPECT_EQ(LimitedName(QString(24, 'a') + emoji + "b"), QString(24, 'a') + emoji);
  EXPECT_EQ(LimitedName("short"), "short");
}

} // namespace
