#include "game/CardCode.h"

namespace {

struct TThirdCardTable {
  std::array<std::array<std::uint8_t, CardCount + 1>, CardCount + 1> Third {};

  constexpr TThirdCardTable()
  {
    for (int a = 1; a <= CardCount; ++a)
      for (int b = 1; b <= CardCount; ++b) {
        int code = 0;
        int weight = 1;
        for (int digit = 0; digit < 4; ++digit) {
          // Per attribute the three digits of a SET sum to a multiple of 3.
          const int c = (6 - AttrDigit(a, digit) - AttrDigit(b, digit)) % 3;
          code += c * weight;
          weight *= 3;
        }
        Third[a][b] = static_cast<std::uint8_t>(code + 1);
      }
  }
};

constexpr TThirdCardTable ThirdCards;

} // namespace

bool ComputeMatch(int card1, int card2, int card3, std::array<std::int32_t, 4>& match)
{
  bool all = true;
  for (int i = 0; i < 4; ++i) {
    const int digit = MatchOrderDigits[i];
    match[i] = MatchValue(AttrDigit(card1, digit), AttrDigit(card2, digit), AttrDigit(card3, digit));
    all = all && match[i] > 0;
  }
  return all;
}

int ThirdCard(int card1, int card2)
{
  return ThirdCards.Third[card1][card2];
}

bool IsSet(int card1, int card2, int card3)
{
  return card1 != card2 && ThirdCards.Third[card1][card2] == card3;
}
