#pragma once

#include <array>
#include <cstdint>

// A card is named by a code 1..81; 0 marks an empty slot. The four attributes
// are the base-3 digits of code - 1, lowest first: colour, shape, fill, number.
constexpr int CardCount = 81;

enum TAttrDigit : int { adColour = 0, adShape = 1, adFill = 2, adNumber = 3 };

// AttrMatch lists the attributes as colour, shape, number, fill; this maps an
// AttrMatch position to the digit it reads.
constexpr std::array<int, 4> MatchOrderDigits { adColour, adShape, adNumber, adFill };

constexpr int AttrDigit(int code, int digit)
{
  int v = code - 1;
  for (int k = 0; k < digit; ++k)
    v /= 3;
  return v % 3;
}

// 1 when the three values are all alike, 2 when all different, 0 otherwise.
constexpr int MatchValue(int a, int b, int c)
{
  if (a == b && a == c)
    return 1;
  if (a != b && a != c && b != c)
    return 2;
  return 0;
}

// Fills the four match values, in AttrMatch order, of three cards and tells
// whether they form a SET (every value 1 or 2).
bool ComputeMatch(int card1, int card2, int card3, std::array<std::int32_t, 4>& match);

// The one card that completes a SET with two different cards.
int ThirdCard(int card1, int card2);

bool IsSet(int card1, int card2, int card3);
