#include "game/DealCode.h"

#include <array>

namespace {

constexpr std::string_view Alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int Digits = 13;
constexpr int CheckModulus = 31;

int CheckValue(const std::array<int, Digits>& values)
{
  int sum = 0;
  for (int i = 0; i < Digits; ++i)
    sum += (i + 1) * values[static_cast<std::size_t>(i)];
  return sum % CheckModulus;
}

// A character's value, or -1: look-alikes read as the digit they resemble.
int ValueOf(char c)
{
  if (c >= 'a' && c <= 'z')
    c = static_cast<char>(c - 'a' + 'A');
  if (c == 'O')
    c = '0';
  else if (c == 'I' || c == 'L')
    c = '1';
  const std::size_t at = Alphabet.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string DealCodeText(std::uint64_t deal)
{
  std::array<int, Digits> values {};
  for (int i = Digits - 1; i >= 0; --i) {
    values[static_cast<std::size_t>(i)] = static_cast<int>(deal & 31U);
    deal >>= 5U;
  }
  std::string text;
  for (int i = 0; i < Digits; ++i) {
    if (i == 5 || i == 10)
      text += '-';
    text += Alphabet[static_cast<std::size_t>(values[static_cast<std::size_t>(i)])];
  }
  text += Alphabet[static_cast<std::size_t>(CheckValue(values))];
  return text;
}

std::optional<std::uint64_t> ParseDealCode(std::string_view text)
{
  std::array<int, Digits + 1> values {};
  int count = 0;
  for (const char c : text) {
    if (c == ' ' || c == '-' || c == '\t')
      continue;
    const int value = ValueOf(c);
    if (value < 0 || count == Digits + 1)
      return std::nullopt;
    values[static_cast<std::size_t>(count++)] = value;
  }
  // The first character holds only the top four bits.
  if (count != Digits + 1 || values[0] > 15)
    return std::nullopt;
  std::array<int, Digits> digits {};
  std::uint64_t deal = 0;
  for (int i = 0; i < Digits; ++i) {
    digits[static_cast<std::size_t>(i)] = values[static_cast<std::size_t>(i)];
    deal = (deal << 5U) | static_cast<std::uint64_t>(values[static_cast<std::size_t>(i)]);
  }
  if (CheckValue(digits) != values[Digits])
    return std::nullopt;
  return deal;
}
