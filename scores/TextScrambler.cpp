#include "scores/TextScrambler.h"

#include <cmath>
#include <cstdlib>

namespace {

// The shift sequence is defined in x87 extended precision with every value
// stored back as a double; long double is that format on this platform.
static_assert(sizeof(long double) >= 10, "the scrambler needs 80-bit extended precision");
constexpr long double PiExtended = 3.141592653589793238462643383279502884L;

QString DefaultAlphabet()
{
  QString alphabet;
  for (char c = 'A'; c <= 'Z'; ++c)
    alphabet += QLatin1Char(c);
  for (char c = 'a'; c <= 'z'; ++c)
    alphabet += QLatin1Char(c);
  for (char c = '0'; c <= '9'; ++c)
    alphabet += QLatin1Char(c);
  return alphabet;
}

} // namespace

void TTextScrambler::Init(const QString& alphabet, std::int32_t key)
{
  Alphabet = alphabet.isEmpty() ? DefaultAlphabet() : alphabet;
  const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(key));
  Key = magnitude == 0 ? DefaultKey : static_cast<std::int32_t>(std::min<std::int64_t>(magnitude, LargestKey));
}

QString TTextScrambler::Transform(const QString& text, std::int32_t k) const
{
  if (text.isEmpty() || Alphabet.isEmpty())
    return text;
  const int n = static_cast<int>(Alphabet.size());
  double x = static_cast<double>(fabsl(static_cast<long double>(k) / PiExtended));
  QString result = text;
  for (qsizetype i = 0; i < result.size(); ++i) {
    // One step per character: a character outside the Basic Multilingual
    // Plane is two UTF-16 units, passed through together.
    if (result[i].isHighSurrogate() && i + 1 < result.size() && result[i + 1].isLowSurrogate())
      ++i;
    x = x - std::trunc(x);
    int d = static_cast<int>(truncl(static_cast<long double>(n) * static_cast<long double>(x)));
    if (k < 0)
      d = -d;
    x = static_cast<double>(997.0L * static_cast<long double>(x) + PiExtended);
    const qsizetype j = Alphabet.indexOf(result[i]);
    if (j >= 0)
      result[i] = Alphabet[(static_cast<int>(j) + d + n) % n];
  }
  return result;
}
