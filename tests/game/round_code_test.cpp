#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/round_fixture.h"
#include "records/daily_store.h"
#include "rules/game_code.h"
#include "support/temp_folder.h"

namespace game {

// Games with a code: their words depend on the code and the round alone,
// and their last screen gives the code; the daily game's rounds are counted
// and a practice game says so.
namespace game_test {
namespace {

const std::string kFrameSides = "|" + repeat(' ', 78) + "|";

class RoundCodeTest : public RoundTest {
 protected:
  RoundCodeTest() {
    // Every six-letter word has the same letters, so typing planet passes
    // any round; which word and which first order a round gets still varies.
    useWords({"planet", "platen", "pletan", "letpan", "plan", "ant"});
    extras.shown = true;
    extras.code = "K7QX2M";
  }

  /// Plays round 1 with keys, passing it, and ends the input in round 2's
  /// end wait; gives round 2's first letters and its revealed word.
  std::pair<std::string, std::string> secondRoundAfter(const std::string& keys) {
    support::FakeTerminal played;
    played.typeAt(kTypingDelayMs, keys);
    played.typeAt(roundStartMs(1), " ");
    played.typeAt(roundStartMs(2), "x");
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    EXPECT_EQ(played.row(3), bannerTextRow("Game code K7QX2M: quillop -s K7QX2M plays these words again"));
    return {game.mangledWord, played.row(2)};
  }

  /// Plays a lost round 1, ending the input in its end wait; gives the
  /// letters on show and the revealed word.
  std::pair<std::string, std::string> firstRound() {
    support::FakeTerminal played;
    played.typeAt(roundStartMs(1), "x");
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    return {game.mangledWord, played.row(2)};
  }
};

TEST_F(RoundCodeTest, TheSameCodeDealsTheSameWordsAndADifferentOneOthers) {
  const auto first = firstRound();
  EXPECT_EQ(firstRound(), first);
  extras.code = "000000";
  EXPECT_NE(firstRound(), first);
}

TEST_F(RoundCodeTest, SpacePressesNeverChangeTheWordsOfLaterRounds) {
  const auto unshuffled = secondRoundAfter("planet\r");
  EXPECT_EQ(secondRoundAfter("     planet\r"), unshuffled);
  EXPECT_EQ(secondRoundAfter(" planet\r   "), unshuffled);
}

TEST_F(RoundCodeTest, OnlyTheLastScreenOfAGameWithACodeShowsIt) {
  terminal.typeAt(kTypingDelayMs, "planet\r");
  terminal.typeAt(kRoundMs + 100, "x");
  EXPECT_THROW(playGame(game, extras), console::InputEnded);
  EXPECT_EQ(terminal.row(2), bannerTextRow("You go to the next round!"));
  EXPECT_EQ(terminal.row(1), kFrameSides);
  EXPECT_EQ(terminal.row(3), kFrameSides);

  support::FakeTerminal classic;
  classic.typeAt(kRoundMs + 100, "x");
  EXPECT_THROW(playGame(game), console::InputEnded);
  EXPECT_EQ(classic.row(2).substr(0, 30), bannerTextRow("GAME OVER! The word was: planet").substr(0, 30));
  EXPECT_EQ(classic.row(3), kFrameSides);
}

class RoundDailyTest : public RoundTest {
 protected:
  RoundDailyTest() {
    extras.shown = true;
    extras.dailyResults = &results;
  }

  support::TempFolder folder;
  records::DailyStore results{folder.path(), [] { return std::string("2026-12-07"); }};
};

// The result is kept as the game ends, before its last screen waits.
TEST_F(RoundDailyTest, TheDailyGameCountsItsRoundsAndKeepsItsResult) {
  records::DailyPlay play(results, "2026-12-07");
  extras.code = play.code();
  extras.dailyPlay = &play;
  playRoundsThenStop({"planet\r", "ant\r"});
  EXPECT_EQ(terminal.row(1), kFrameSides);
  EXPECT_EQ(records::historyText(results.results()),
            "Quillop daily 1\n2026-12-07 " + rules::dailyGameCode("2026-12-07") + " 12 2 1/7 1/7\n");
}

TEST_F(RoundDailyTest, APracticeGameSaysSoAsItStartsAndAtItsEnd) {
  results.keep(rules::DailyResult{"2026-12-07", rules::dailyGameCode("2026-12-07"), 3, {{2, 5}}});
  records::DailyPlay play(results, "2026-12-07");
  extras.code = play.code();
  extras.dailyPlay = &play;
  {
    support::FakeTerminal playing;
    playing.typeAt(kTypingDelayMs, "p");
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    EXPECT_EQ(playing.row(1), bannerTextRow("Practice: today's result is kept already"));
  }
  playRoundsThenStop({"ant\r"});
  EXPECT_EQ(terminal.row(1), bannerTextRow("Today's result was already kept: this game was practice"));
  EXPECT_EQ(results.results()[0].score, 3U);
}

}  // namespace
}  // namespace game_test

}  // namespace game
