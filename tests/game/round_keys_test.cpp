#include "game/round_keys.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/round_fixture.h"

namespace game {

namespace game_test {
namespace {

constexpr const char* kBackspace = "\x7f";

size_t usedFlags(const game_record::WordGame& game) {
  return static_cast<size_t>(std::count(game.letterUsed.begin(), game.letterUsed.end(), true));
}

TEST_F(RoundTest, BackspaceTakesBackTheLastLetterAndPadsTheRow) {
  playRoundsThenStop({std::string("plan") + kBackspace + kBackspace + kBackspace + kBackspace + kBackspace});
  EXPECT_EQ(terminal.row(7), inputRow(""));
  EXPECT_EQ(usedFlags(game), 0u);
}

TEST_F(RoundTest, BackspaceFreesTheFirstUsedPositionOfARepeatedLetter) {
  useWords({"bottle", "tot"});
  playRoundsThenStop({std::string("ottx") + kBackspace});
  size_t firstT = game.mangledWord.find('t');
  size_t secondT = game.mangledWord.find('t', firstT + 1);
  EXPECT_FALSE(game.letterUsed[firstT]);
  EXPECT_TRUE(game.letterUsed[secondT]);
  EXPECT_EQ(terminal.row(7), inputRow("ot"));
}

TEST_F(RoundTest, ThirdPressOfATwicePresentLetterIsIgnored) {
  useWords({"bottle", "tot"});
  playRoundsThenStop({"tott\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  tot");
}

TEST_F(RoundTest, CapitalsDoNotTypeSmallLetters) {
  playRoundsThenStop({"ANTant\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  ant");
}

TEST_F(RoundTest, SpaceClearsTheInputAndKeepsFoundWordsAndScore) {
  // Were "pla" kept, "tan" would make "platn" and score nothing.
  playRoundsThenStop({"ant\rpla tan\rpl "});
  EXPECT_EQ(game.score, 2u);
  EXPECT_EQ(terminal.row(7), inputRow(""));
  EXPECT_EQ(usedFlags(game), 0u);
  EXPECT_EQ(terminal.row(13), "  ant tan");
  std::string letters = game.mangledWord;
  std::sort(letters.begin(), letters.end());
  EXPECT_EQ(letters, "aelnpt");
}

// Up arrives as 224 and then 72, the code of 'H': the prefix matches no
// letter, the code types the H on show.
TEST_F(RoundTest, ExtendedKeyIsHandledAsTwoKeys) {
  useWords({"HOTELS", "HOT"});
  playRoundsThenStop({"\x1b[AOT\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  HOT");
}

// Outside the classic game the same arrow, and a function key, type nothing.
TEST_F(RoundTest, ExtendedKeyTypesNothingOutsideTheClassicGame) {
  extras.shown = true;
  useWords({"HOTELS", "HOT", "OTS"});
  playRoundsThenStop({"\x1b[AOT\r\x1bOSOTS\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  OTS");
}

TEST_F(RoundTest, KeysTypedAtOnceAreHandledOnePerPass) {
  // Typed in one burst, the four keys after the first Enter take four
  // passes, each with its own countdown.
  playRoundsThenStop({"plane\rtan\r"});
  EXPECT_EQ(game.score, 7u);
  std::string output = terminal.drawn();
  size_t firstScore = output.find("Your Score: 6");
  size_t secondScore = output.find("Your Score: 7");
  ASSERT_NE(secondScore, std::string::npos);
  EXPECT_EQ(countdown(output.substr(firstScore, secondScore - firstScore)).size(), 4u);
}

}  // namespace
}  // namespace game_test

}  // namespace game
