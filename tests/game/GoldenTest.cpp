// Fixed seeds give fixed numbers, deals and decks: a change to the
// generator, its bounded draw or the shuffle shows here. The numbers were
// checked against an independent PCG32 (XSH-RR, 64-bit state, default
// increment) with Lemire's bounded draw.
#include "game/DealCode.h"
#include "tests/game/GameFixture.h"

#include <cctype>

namespace {

TEST(PcgRandom, ASeedGivesItsKnownNumbers)
{
  TPcgRandom random(2024);
  std::vector<std::uint32_t> next;
  for (int i = 0; i < 4; ++i)
    next.push_back(random.Next());
  EXPECT_EQ(next, (std::vector<std::uint32_t> { 2478044888U, 1354038508U, 3871421177U, 3778263754U }));
  std::vector<int> below;
  for (const int n : { 81, 81, 65, 3, 2, 1000000007 })
    below.push_back(random.Below(n));
  EXPECT_EQ(below, (std::vector<int> { 57, 9, 21, 2, 1, 78342539 }));
}

TEST(Deal, ASeedGivesItsKnownTableAndDeck)
{
  TRecordingHost host;
  TPcgRandom random(2024);
  TGame game(host, random);
  game.NewGame();
  const TGameRecord& rec = game.Record();
  EXPECT_EQ(TableOf(rec), (std::vector<int> { 40, 38, 30, 16, 33, 1, 5, 19, 59, 70, 36, 2, 34, 26, 32, 27 }));
  // The deck from its bottom (position 1) to its top.
  ASSERT_EQ(rec.DeckCount, 65);
  const std::vector<int> deck(rec.Deck.begin() + 1, rec.Deck.begin() + 1 + rec.DeckCount);
  EXPECT_EQ(deck, (std::vector<int> { 3, 58, 51, 13, 28, 66, 72, 12, 22, 4, 55, 7, 71, 56, 37, 69, 79, 9, 77, 63, 78, 53, 50, 24, 57, 23,
                    14, 43, 15, 18, 48, 45, 74, 62, 6, 25, 46, 49, 41, 29, 42, 21, 11, 31, 35, 17, 54, 81, 80, 8, 75, 47, 44, 67, 10, 60, 52,
                    68, 39, 65, 61, 76, 64, 20, 73 }));
}

} // namespace

namespace {

// A deal code stands for the generator's state where its game began; the
// same code deals the same table and deck in every later version.
TEST(DealCode, AKnownCodeDealsItsKnownTableAndDeck)
{
  // Where a generator seeded with 2024 stands before its first deal.
  EXPECT_EQ(DealCodeText(TPcgRandom(2024).Position()), "63YVM-6W1AZ-T7TF");
  const std::optional<std::uint64_t> deal = ParseDealCode("63yvm 6w1az t7tf");
  ASSERT_TRUE(deal.has_value());
  TRecordingHost host;
  TPcgRandom random = TPcgRandom::AtPosition(*deal);
  TGame game(host, random);
  game.NewGame();
  const TGameRecord& rec = game.Record();
  // The same as the seed's own deal above: the code took up where it stood.
  EXPECT_EQ(TableOf(rec), (std::vector<int> { 40, 38, 30, 16, 33, 1, 5, 19, 59, 70, 36, 2, 34, 26, 32, 27 }));
  EXPECT_EQ(std::vector<int>(rec.Deck.begin() + 1, rec.Deck.begin() + 6), (std::vector<int> { 3, 58, 51, 13, 28 }));
}

TEST(DealCode, ReadsWhatPeopleTypeAndRefusesTheRest)
{
  for (const std::uint64_t deal : { std::uint64_t { 0 }, std::uint64_t { 1 }, std::uint64_t { 0xFFFFFFFFFFFFFFFF },
         std::uint64_t { 0x0123456789ABCDEF }, TPcgRandom(7).Position() }) {
    const std::string code = DealCodeText(deal);
    ASSERT_EQ(code.size(), 16u) << code;
    EXPECT_EQ(ParseDealCode(code), deal) << code;
    std::string forgiving;
    for (const char c : code)
      if (c != '-')
        forgiving += std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(c)))) + " ";
    EXPECT_EQ(ParseDealCode(" " + forgiving + "\t"), deal) << forgiving;
    // Every single mistyped character is caught (the look-alikes aside).
    for (std::size_t i = 0; i < code.size(); ++i) {
      if (code[i] == '-')
        continue;
      std::string typo = code;
      typo[i] = code[i] == '5' ? '6' : '5';
      EXPECT_NE(ParseDealCode(typo), deal) << typo;
    }
  }
  EXPECT_EQ(ParseDealCode("0O0I1-L0000-0000"), ParseDealCode("00001-10000-0000"));
  for (const char* bad : { "", "-", "0000-0000-0000", "00000-00000-00000", "G0000-00000-0000", "00000-00000-000U", "00000 00000 000+",
         "00000-00000-00\xc3\xa9" })
    EXPECT_FALSE(ParseDealCode(bad).has_value()) << bad;
}

} // namespace
