#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A deal written for people: the random generator's whole state where a game
// began, as 13 characters of an alphabet without look-alikes (0-9 and A-Z
// without I, L, O and U; the first character holds the top 4 bits, each
// other 5), then a check character, in three groups: "7ZK4M-Q2W9X-H3RT".
// The check character is the weighted sum of the 13 values, (1 * v1 + 2 *
// v2 + ... + 13 * v13) mod 31, drawn from the same alphabet; a mistyped
// character or two swapped neighbours change it, unless the two values are
// 0 and Z (31 apart).
std::string DealCodeText(std::uint64_t deal);

// The deal a typed or pasted code stands for. Case, blanks and dashes do
// not matter, and the look-alikes read as what they look like (O as 0, I and
// L as 1); anything else, a wrong length, a value beyond 64 bits or a wrong
// check character gives none.
std::optional<std::uint64_t> ParseDealCode(std::string_view text);
