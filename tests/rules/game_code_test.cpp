#include "rules/game_code.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace rules {

namespace {

TEST(GameCodeTest, TheAlphabetHasNoLookAlikes) {
  EXPECT_EQ(kGameCodeAlphabet.size(), 32U);
  EXPECT_EQ(std::set<char>(kGameCodeAlphabet.begin(), kGameCodeAlphabet.end()).size(), 32U);
  for (const char lookAlike : {'I', 'L', 'O', 'U'}) {
    EXPECT_EQ(kGameCodeAlphabet.find(lookAlike), std::string_view::npos) << lookAlike;
  }
}

TEST(GameCodeTest, CodesAreReadInEitherCaseAndNothingElse) {
  EXPECT_EQ(parseGameCode("K7QX2M"), std::optional<std::string>("K7QX2M"));
  EXPECT_EQ(parseGameCode("k7qx2m"), std::optional<std::string>("K7QX2M"));
  for (const std::string& bad :
       std::vector<std::string>{"", "K7QX2", "K7QX2MM", "K7QX2O", "k7qx2l", "K7QX2I", "K7-X2M", "K7QX2 ",
                                std::string("K7QX2\0", 6), "K7QX2\xc3"}) {
    EXPECT_EQ(parseGameCode(bad), std::nullopt) << bad;
  }
}

TEST(GameCodeTest, ANumberGivesACodeOfFiveBitsACharacter) {
  EXPECT_EQ(gameCodeOf(0), "000000");
  EXPECT_EQ(gameCodeOf((1U << 30) - 1), "ZZZZZZ");
  EXPECT_EQ(gameCodeOf(1U << 30), "000000");  // only the low 30 bits count
  EXPECT_EQ(gameCodeOf(31), "Z00000");
}

// Codes from nearby numbers, and from one number over and over (a clock
// that did not move, a random source that could not be read), all differ.
TEST(GameCodeTest, NewCodesAreCodesAndDiffer) {
  std::set<std::string> made;
  for (uint64_t freshness : {1ULL, 2ULL, 3ULL, 0ULL, 0ULL, 0ULL, 0ULL}) {
    const std::string code = newGameCode(freshness);
    EXPECT_EQ(parseGameCode(code), std::optional<std::string>(code));
    made.insert(code);
  }
  EXPECT_EQ(made.size(), 7U);
}

// Everyone gets the same daily code for a date, whatever the machine.
TEST(GameCodeTest, TheDailyCodeComesFromTheDateAlone) {
  EXPECT_EQ(dailyGameCode("2026-12-07"), "DCH8A2");
  EXPECT_EQ(dailyGameCode("2026-12-08"), "MHVF6X");
  EXPECT_EQ(dailyGameCode("2027-01-01"), "FA5EV4");
}

}  // namespace

}  // namespace rules
