#pragma once

#include <QString>

#include <cstdint>

// The reversible substitution that hides the stored high-score rows. Each
// letter or digit of the alphabet moves by a shift that depends only on the
// key and the character's position; every other character stays, though it
// still takes its step.
class TTextScrambler {
public:
  // An empty alphabet takes A-Z, a-z, 0-9; a key of 0 takes 27491.
  explicit TTextScrambler(const QString& alphabet = QString(), std::int32_t key = 0) { Init(alphabet, key); }
  void Init(const QString& alphabet, std::int32_t key);
  QString Encode(const QString& text) const { return Transform(text, Key); }
  QString Decode(const QString& text) const { return Transform(text, -Key); }
  QString Transform(const QString& text, std::int32_t k) const;

  QString Alphabet;
  std::int32_t Key = 0;

  static constexpr std::int32_t DefaultKey = 27491;
  static constexpr std::int32_t LargestKey = 2147482863;
};
