#include "game/round.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/round_fixture.h"

namespace game {

namespace game_test {
namespace {

TEST_F(RoundTest, RoundStartsWithGoalCountdownAndEmptyPanels) {
  playRoundsThenStop({""});
  EXPECT_NE(terminal.output().find("You need a 6 letter word to go to the next round."), std::string::npos);
  EXPECT_EQ(terminal.row(6),
            "Your Input" + repeat(' ', 23) + "Your Score: 0" + repeat(' ', 21) + "Mangled Text");
  EXPECT_EQ(terminal.row(7), inputRow(""));
  EXPECT_EQ(terminal.row(12), " 3 Letter Words:");
  EXPECT_EQ(terminal.row(13), "");
}

TEST_F(RoundTest, CountdownRunsFromTheFullTimeDownToOne) {
  playRoundsThenStop({""});
  std::vector<unsigned> shown = countdown(terminal.drawn());
  ASSERT_EQ(shown.size(), 600u);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), 30u), 20);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), 1u), 20);
  EXPECT_TRUE(std::is_sorted(shown.rbegin(), shown.rend()));
  EXPECT_EQ(shown.back(), 1u);
}

TEST_F(RoundTest, UnknownKeyDoesNotHoldUpTheCountdown) {
  playRoundsThenStop({"\x1b[15~"});
  EXPECT_EQ(countdown(terminal.drawn()).size(), 600u);
}

TEST_F(RoundTest, FirstRoundScoresByLengthAndListsTheWords) {
  playRoundsThenStop({"ant\rplan\rplane\rplanet\r"});
  EXPECT_EQ(game.score, 20u);
  EXPECT_EQ(terminal.row(13), "  ant");
  EXPECT_EQ(terminal.row(15), "  plan");
  EXPECT_EQ(terminal.row(17), "  plane");
  EXPECT_EQ(terminal.row(19), "  planet");
  EXPECT_EQ(terminal.row(6),
            "Your Input" + repeat(' ', 22) + "Your Score: 20" + repeat(' ', 21) + "Mangled Text");
  EXPECT_EQ(terminal.row(2), bannerTextRow("You go to the next round!"));
  EXPECT_EQ(terminal.row(22), bannerTextRow("Press SPACE to continue."));
}

TEST_F(RoundTest, RoundTwoPaysTwoForThreeLetters) {
  playRoundsThenStop({"planet\r", "ant\r"});
  EXPECT_EQ(game.score, 10u + 2u);
}

TEST_F(RoundTest, RoundTwoPaysTwelveForFiveLetters) {
  playRoundsThenStop({"planet\r", "plane\r"});
  EXPECT_EQ(game.score, 10u + 12u);
}

TEST_F(RoundTest, RoundThreePaysThirtyForSixLetters) {
  playRoundsThenStop({"planet\r", "planet\r", "planet\r"});
  EXPECT_EQ(game.score, 10u + 20u + 30u);
  EXPECT_EQ(terminal.row(19), "  planet");
}

TEST_F(RoundTest, SecondSixLetterWordScoresAgain) {
  add({"platen"});
  playRoundsThenStop({"planet\rplaten\r"});
  EXPECT_EQ(game.score, 20u);
  EXPECT_EQ(terminal.row(19), "  planet platen");
  EXPECT_EQ(occurrences(terminal.drawn(), "You got a 6 letter word!"), 2u);
}

TEST_F(RoundTest, WordSubmittedTwiceScoresOnce) {
  playRoundsThenStop({"ant\rant\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  ant");
}

TEST_F(RoundTest, RejectedInputCostsNothing) {
  // Empty, too short, and not a word; each must also give its letters back.
  playRoundsThenStop({"\r\ran\rnat\rtan\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  tan");
  EXPECT_EQ(terminal.row(7), inputRow(""));
}

TEST_F(RoundTest, LostRoundRevealsTheWordAndEndsTheGame) {
  EXPECT_EQ(playWholeGame({"planet\r", "ant\r"}), 12u);
  EXPECT_EQ(game.score, 12u);
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
  EXPECT_EQ(terminal.row(22), bannerTextRow("Press SPACE to continue."));
  EXPECT_EQ(terminal.unreadBytes(), 0u);
}

TEST_F(RoundTest, SameWordScoresAgainInALaterRoundOnEmptyPanels) {
  playRoundsThenStop({"ant\rplanet\r", "ant\r"});
  EXPECT_EQ(game.score, 1u + 10u + 2u);
  EXPECT_EQ(terminal.row(13), "  ant");
  EXPECT_EQ(terminal.row(19), "");
  EXPECT_EQ(game.foundWords[0].count, 1);
}

TEST_F(RoundTest, EveryRoundEmptiesTheFoundWordsAtItsEnd) {
  playWholeGame({"planet\r", "ant\rplan\r"});
  for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) {
    EXPECT_EQ(game.foundWords[i].root, nullptr);
    EXPECT_EQ(game.foundWords[i].count, 0);
  }
}

TEST_F(RoundTest, EachGameStartsFromNothing) {
  EXPECT_EQ(playWholeGame({"planet\r", "ant\r"}), 12u);
  support::FakeTerminal next;
  next.typeAt(kTypingDelayMs, "planet\r");
  next.typeAt(roundStartMs(1), " ");
  next.typeAt(roundStartMs(2), " ");
  EXPECT_EQ(playGame(game), 10u);
}

// Keys typed as the time ran out, too late for any pass, and keys in the
// first half second of the end screen leave it no more than other keys do:
// only the Space after that ends the game.
TEST_F(RoundTest, KeysTypedAsTheTimeRunsOutDoNotSkipTheEndScreen) {
  terminal.typeAt(kTypingDelayMs, "ant\r");
  terminal.typeAt(kRoundMs - 10, "q ");
  terminal.typeAt(kRoundMs + 400, " ");
  terminal.typeAt(kRoundMs + 600, " ");
  EXPECT_EQ(playGame(game), 1u);
  EXPECT_EQ(terminal.unreadBytes(), 0u);
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
}

TEST_F(RoundTest, RoundWithNoTimeLeftGoesStraightToGameOver) {
  terminal.autoAdvanceMs = kRoundMs;
  terminal.type("ant\r");
  terminal.typeAt(10 * kRoundMs, " ");
  EXPECT_EQ(playGame(game), 0u);
  EXPECT_EQ(terminal.output().find("Time Left"), std::string::npos);
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
}

// The clock moves a little on every reading, so a pass that spun on the
// clock instead of sleeping would still finish, with no sleeps counted.
TEST_F(RoundTest, EachPassSleepsForAtLeastFiftyMilliseconds) {
  terminal.autoAdvanceMs = 1;
  playRoundsThenStop({""});
  size_t passes = countdown(terminal.drawn()).size();
  // The end screen sleeps as well while it lets keys pass unheeded.
  const size_t endSleeps = static_cast<size_t>(terminal.sleeps()) - passes;
  EXPECT_LE(endSleeps, console::kUnheededKeysMs / 50);
  EXPECT_LE(passes, kRoundMs / 50);
  EXPECT_GE(passes, kRoundMs / 60);
}

// The round's clock is real time: a window too small for the screen does
// not stop it, and keys typed while the request shows never reach the round.
TEST_F(RoundTest, AWindowTooSmallMidRoundHoldsTheKeysButNotTheClock) {
  terminal.setWindowSize(80, 24);
  terminal.resizeAt(5000, 60, 20);
  terminal.typeAt(6000, "ant\r");
  terminal.resizeAt(kRoundMs + 10000, 80, 24);
  terminal.typeAt(kRoundMs + 11000, "x");
  EXPECT_THROW(playGame(game), console::InputEnded);
  EXPECT_EQ(game.score, 0u);
  EXPECT_EQ(countdown(terminal.drawn()).size(), 600u);
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
  EXPECT_EQ(terminal.row(13), "");
  EXPECT_EQ(terminal.row(22), bannerTextRow("Press SPACE to continue."));
}

// A round dealt while the window is too small waits behind the request:
// its clock starts when the window is enlarged and its screen shows, and a
// key meanwhile answers the request rather than the round.
TEST_F(RoundTest, ARoundDealtBehindTheSizeRequestStartsItsClockOnceShown) {
  constexpr uint32_t kEnlargedMs = 100000;
  terminal.setWindowSize(60, 20);
  terminal.typeAt(50000, "x");
  terminal.resizeAt(kEnlargedMs, 80, 24);
  terminal.typeAt(kEnlargedMs + kTypingDelayMs, "ant\r");
  terminal.typeAt(kEnlargedMs + kRoundMs - 100, "p");
  terminal.typeAt(kEnlargedMs + kRoundMs + 100, "x");
  EXPECT_THROW(playGame(game), console::InputEnded);
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(7), inputRow("p"));
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
}

TEST_F(RoundTest, QAtTheSizeRequestBeforeTheRoundShowsEndsTheRun) {
  terminal.setWindowSize(60, 20);
  terminal.typeAt(70000, "q");
  terminal.typeAt(71000, " ");
  EXPECT_THROW(playGame(game), console::InputEnded);
  EXPECT_TRUE(countdown(terminal.drawn()).empty());
  EXPECT_EQ(terminal.unreadBytes(), 1u);
}

}  // namespace
}  // namespace game_test

}  // namespace game
