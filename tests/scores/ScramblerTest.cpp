#include "scores/TextScrambler.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TTextScrambler Standard()
{
  TTextScrambler scrambler;
  scrambler.Init(QString(), 0);
  return scrambler;
}

// Expected values computed independently with exact rational arithmetic,
// rounding to the 64-bit extended and the 53-bit double significand at each
// step where the values are held.
TEST(TextScrambler, EncodesAsTheArithmeticPrescribes)
{
  const TTextScrambler scrambler = Standard();
  struct TCase {
    const char* Text;
    const char* Encoded;
  };
  const TCase cases[] = {
    { "1234,Mr. Brain", "fHr4,6a. uthc3" },
    { "0,Mr. Brain", "e,Ar. uSPRp" },
    { "-250,Jürgen, der 2.", "-Ht0,3üSVNp, t7Z R." },
    { "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", "oPyAButlztCH4Qds2ZmzIw3sQp0qrP" },
    { "", "" },
  };
  for (const TCase& c : cases)
    EXPECT_EQ(scrambler.Encode(QString::fromUtf8(c.Text)), QString::fromUtf8(c.Encoded)) << c.Text;

  TTextScrambler small;
  small.Init(QString(), -5);
  EXPECT_EQ(small.Key, 5);
  EXPECT_EQ(small.Encode("Hello"), "rYWL9");
  TTextScrambler large;
  large.Init(QString(), INT_MAX);
  EXPECT_EQ(large.Key, TTextScrambler::LargestKey);
  EXPECT_EQ(large.Encode("Hello"), "yqGan");
  TTextScrambler lowest;
  lowest.Init(QString(), INT_MIN);
  EXPECT_EQ(lowest.Key, TTextScrambler::LargestKey);
  EXPECT_EQ(Standard().Key, TTextScrambler::DefaultKey);
  EXPECT_EQ(Standard().Alphabet.size(), 62);
}

TEST(TextScrambler, DecodeUndoesEncodeAndLeavesOtherCharactersAlone)
{
  const TTextScrambler scrambler = Standard();
  const QString texts[] = { "12,Anna", "0,Mr. Brain", "-9999,,,,", "  blanks  ", "Ünïcödé ßtraße €", "<b>x</b>", QString(300, QLatin1Char('z')) };
  for (const QString& text : texts) {
    const QString encoded = scrambler.Encode(text);
    EXPECT_EQ(scrambler.Decode(encoded), text);
    ASSERT_EQ(encoded.size(), text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (!scrambler.Alphabet.contains(text[i])) {
        EXPECT_EQ(encoded[i], text[i]) << text.toStdString();
      }
    }
  }
}

TEST(TextScrambler, TakesOneStepPerCharacterOutsideTheBasicPlane)
{
  const TTextScrambler scrambler = Standard();
  // An emoji is one character: the letters after it shift as they would
  // after any other single character that is not scrambled.
  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
  const QString withEmoji = "120,Ann" + emoji + "Bob" + emoji + emoji + "Cy";
  const QString withDash = "120,Ann-Bob--Cy";
  QString expected = scrambler.Encode(withDash);
  expected.replace(QLatin1Char('-'), emoji);
  EXPECT_EQ(scrambler.Encode(withEmoji), expected);
  EXPECT_EQ(scrambler.Decode(scrambler.Encode(withEmoji)), withEmoji);
  // A lone half of a pair stays one step, as before.
  const QString lone = QString("A") + QChar(0xD83D) + "B";
  EXPECT_EQ(scrambler.Decode(scrambler.Encode(lone)), lone);
}

} // namespace
