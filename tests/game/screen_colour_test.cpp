// The theme on the game's screens: each thing in the colour of its role,
// only while colour is on, and the screens' characters the same either way.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "console/theme.h"
#include "game/menu.h"
#include "game/round_fixture.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "rules/game_code.h"
#include "support/temp_folder.h"

namespace game::game_test {
namespace {

using console::CellAttributes;
using console::Role;

CellAttributes looksOf(Role role) {
  const console::Colour colour = console::colourOf(role);
  return CellAttributes{.bold = colour.bold, .colour = colour.foreground};
}

/// How many of the n cells of row y from column x look so.
int cellsLooking(support::FakeTerminal& shown, int y, size_t x, size_t n, CellAttributes looks) {
  int count = 0;
  for (size_t i = x; i < x + n; ++i) count += shown.screen().attributes(static_cast<int>(i), y) == looks;
  return count;
}

/// True when text stands in row y and every cell of it looks so.
bool textLooks(support::FakeTerminal& shown, int y, const std::string& text, CellAttributes looks) {
  const size_t at = shown.row(y).find(text);
  if (at == std::string::npos) return false;
  return cellsLooking(shown, y, at, text.size(), looks) == static_cast<int>(text.size());
}

class ScreenColourTest : public RoundTest {
 protected:
  ScreenColourTest() {
    extras.shown = true;
    console::setColourShown(true);
  }

  /// Plays the first round with keys typed a second in; the game stops
  /// when they are used up, with the screen as they left it.
  void playUntilKeysEnd(const std::string& keys) {
    terminal.typeAt(kTypingDelayMs, keys);
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
  }
  /// Plays the first round to its end, then types the keys.
  void playThenAtTheEnd(const std::string& keys, const std::string& atTheEnd) {
    terminal.typeAt(kTypingDelayMs, keys);
    terminal.typeAt(kRoundMs + kSpaceAfterRoundMs, atTheEnd);
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
  }
};

// The letters, the typed input, a word taken, every word of a length found,
// and the banner of the six-letter word; the frame and the labels in none.
TEST_F(ScreenColourTest, TheRoundScreenShowsEachThingInItsColour) {
  playUntilKeysEnd("ant\rtan\rlap\rplanet\rpl");
  EXPECT_EQ(cellsLooking(terminal, 7, 73, 6, looksOf(Role::kLetters)), 6) << terminal.screen().dump();
  EXPECT_EQ(cellsLooking(terminal, 7, 0, 2, looksOf(Role::kTyped)), 2);
  EXPECT_EQ(cellsLooking(terminal, 7, 2, 71, CellAttributes{}), 71) << "the input's blanks are plain";
  EXPECT_TRUE(textLooks(terminal, 9, "planet: +", looksOf(Role::kWordTaken))) << terminal.row(9);
  EXPECT_TRUE(textLooks(terminal, 20, "3: 3/3", looksOf(Role::kLengthAllFound))) << terminal.row(20);
  EXPECT_TRUE(textLooks(terminal, 20, "6: 1/1", looksOf(Role::kLengthAllFound)));
  EXPECT_TRUE(textLooks(terminal, 20, "   4: 0/1   5: 0/2   ", CellAttributes{}));
  EXPECT_TRUE(textLooks(terminal, 22, "You got a 6 letter word!", looksOf(Role::kBanner)))
      << terminal.row(22);
  EXPECT_TRUE(textLooks(terminal, 21, std::string(78, '-'), CellAttributes{}));
  EXPECT_TRUE(textLooks(terminal, 6, "Your Input", CellAttributes{}));
  EXPECT_TRUE(textLooks(terminal, 2, "Time Left: 2", looksOf(Role::kTimeLeft))) << terminal.row(2);
}

TEST_F(ScreenColourTest, ARefusedWordShowsInItsOwnColour) {
  for (const std::string keys : {"pla\r", "an\r", "ant\rant\r"}) {
    support::FakeTerminal shown;
    console::setColourShown(true);  // installing a terminal turns it off
    for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) game.foundWords[i].clear();
    shown.typeAt(kTypingDelayMs, keys);
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    const std::string feedback = shown.row(9);
    EXPECT_TRUE(textLooks(shown, 9, feedback, looksOf(Role::kWordRefused))) << keys << ": " << feedback;
  }
}

// The time left turns to the warning colour as it reaches 10 seconds, and
// not a second before.
TEST_F(ScreenColourTest, TheWarningColourOnlyInTheLastTenSeconds) {
  struct Case {
    uint32_t stopMs;
    std::string shown;
    Role role;
  };
  for (const Case& c :
       {Case{1000, "Time Left: 29", Role::kTimeLeft}, Case{19900, "Time Left: 11", Role::kTimeLeft},
        Case{20100, "Time Left: 10", Role::kTimeRunningOut},
        Case{29500, "Time Left: 1", Role::kTimeRunningOut}}) {
    support::FakeTerminal shown;
    console::setColourShown(true);
    shown.typeAt(c.stopMs, "a");
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    EXPECT_EQ(shown.row(2), bannerTextRow(c.shown)) << c.stopMs;
    EXPECT_TRUE(textLooks(shown, 2, c.shown, looksOf(c.role))) << c.stopMs;
    EXPECT_TRUE(textLooks(shown, 0, std::string(78, '-'), CellAttributes{})) << "the frame stays plain";
  }
  EXPECT_NE(looksOf(Role::kTimeLeft), looksOf(Role::kTimeRunningOut));
}

// The line that ends the game with its word, and the place its score took.
TEST_F(ScreenColourTest, TheGameOverLineAndTheNewRecordStandOut) {
  support::TempFolder folder;
  records::Store store(folder.path(), [] { return std::string("2026-05-01"); });
  extras.records = &store;
  playThenAtTheEnd("ant\r", "x");
  EXPECT_TRUE(textLooks(terminal, 2, "GAME OVER! The word was: planet", looksOf(Role::kGameOver)))
      << terminal.row(2);
  EXPECT_TRUE(textLooks(terminal, 5, "New record for 30 seconds!", looksOf(Role::kNewRecord)))
      << terminal.row(5);
  EXPECT_TRUE(textLooks(terminal, 22, "Press SPACE to continue.", CellAttributes{}));
}

// A practice game's note stands where a record's would, and is none.
TEST_F(ScreenColourTest, APracticeGamesNoteIsNoRecord) {
  support::TempFolder folder;
  records::Store best(folder.path(), [] { return std::string("2026-12-07"); });
  records::DailyStore results{folder.path(), [] { return std::string("2026-12-07"); }};
  results.keep(rules::DailyResult{"2026-12-07", rules::dailyGameCode("2026-12-07"), 3, {{2, 5}}});
  records::DailyPlay play(results, "2026-12-07");
  extras.records = &best;
  extras.dailyResults = &results;
  extras.code = play.code();
  extras.dailyPlay = &play;
  playThenAtTheEnd("ant\r", "x");
  EXPECT_TRUE(textLooks(terminal, 5, "Practice games keep no best scores", CellAttributes{}))
      << terminal.row(5);
  EXPECT_TRUE(textLooks(terminal, 2, "GAME OVER! The word was: ", looksOf(Role::kGameOver)));
}

// Found words and missed ones apart, the marks plain as they were, and
// the cursor's word (lap) in reverse video in the terminal's own colour.
TEST_F(ScreenColourTest, TheReviewTellsFoundFromMissedWords) {
  playThenAtTheEnd("ant\rplane\r", "w");
  const CellAttributes found = looksOf(Role::kReviewFound);
  const CellAttributes missed = looksOf(Role::kReviewMissed);
  EXPECT_EQ(terminal.row(6).substr(0, 22), "  *ant     lap     tan");
  EXPECT_EQ(cellsLooking(terminal, 6, 3, 3, found), 3) << terminal.screen().dump();
  EXPECT_EQ(cellsLooking(terminal, 6, 11, 3, CellAttributes{.reverse = true}), 3);
  EXPECT_EQ(cellsLooking(terminal, 6, 19, 3, missed), 3);
  EXPECT_EQ(cellsLooking(terminal, 6, 2, 1, CellAttributes{}), 1) << "the mark stays plain";
  EXPECT_TRUE(textLooks(terminal, 8, "plan", missed)) << terminal.row(8);
  EXPECT_TRUE(textLooks(terminal, 10, "plane", found)) << terminal.row(10);
  EXPECT_NE(found, missed);
}

class TitleColourTest : public ::testing::Test {
 protected:
  TitleColourTest() { console::setColourShown(true); }

  support::FakeTerminal terminal;
  game_record::WordGame game;
  support::TempFolder folder;
  records::DailyStore results{folder.path(), [] { return std::string("2027-01-02"); }};
  Extras extras{true, nullptr, {}, &results};
};

// The daily game's rows, today's result apart from the streaks.
TEST_F(TitleColourTest, TheDailyRowsAndTheStreaksShowInTheirColours) {
  folder.write("daily.txt", "Quillop daily 1\n2027-01-02 " + rules::dailyGameCode("2027-01-02") +
                                " 57 3 12/40 8/31 2/25\n");
  results.load();
  terminal.type("\r");
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_TRUE(textLooks(terminal, 18, "D: today's game, 2027-01-02", looksOf(Role::kDailyRow)))
      << terminal.row(18);
  EXPECT_TRUE(textLooks(terminal, 19, "Today: 57 points in 3 rounds", looksOf(Role::kDailyRow)))
      << terminal.row(19);
  EXPECT_TRUE(textLooks(terminal, 19, "Streak: 1 day   Best streak: 1 day", looksOf(Role::kStreak)));
  EXPECT_EQ(cellsLooking(terminal, 19, terminal.row(19).find("   Streak"), 3, CellAttributes{}), 3)
      << "the gap";
  EXPECT_TRUE(textLooks(terminal, 5, "High Score: 0", CellAttributes{}));
}

// With colour off nothing is coloured, and with it on the screens hold the
// same characters: at each stop of the same scripted game (mid-round, the
// end screen, the review) every row reads the same.
TEST_F(ScreenColourTest, ColourChangesNoCharacterOfTheScreens) {
  struct Stop {
    std::string keys;
    std::string atTheEnd;
  };
  for (const Stop& stop : {Stop{"ant\rpla\rplanet\rpl", ""}, Stop{"ant\rplane\r", "x"},
                           Stop{"ant\rplane\r", "w"}, Stop{"ant\rplane\r", "w\x1b[B\x1b[C"}}) {
    std::vector<std::string> rows[2];
    int colouredCells[2] = {0, 0};
    for (const bool on : {false, true}) {
      support::FakeTerminal shown;
      console::setColourShown(on);
      std::srand(1);  // the same shuffles of the letters both times
      for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) game.foundWords[i].clear();
      shown.typeAt(kTypingDelayMs, stop.keys);
      if (!stop.atTheEnd.empty()) shown.typeAt(kRoundMs + kSpaceAfterRoundMs, stop.atTheEnd);
      EXPECT_THROW(playGame(game, extras), console::InputEnded);
      for (int y = 0; y < 24; ++y) {
        rows[on].push_back(shown.row(y));
        for (int x = 0; x < 80; ++x) {
          const CellAttributes looks = shown.screen().attributes(x, y);
          colouredCells[on] += looks.bold || looks.colour != console::Palette::kDefault;
        }
      }
    }
    EXPECT_EQ(rows[0], rows[1]) << stop.keys << " then " << stop.atTheEnd;
    EXPECT_EQ(colouredCells[0], 0) << stop.keys << " then " << stop.atTheEnd;
    EXPECT_GT(colouredCells[1], 0) << stop.keys << " then " << stop.atTheEnd;
  }
}

}  // namespace
}  // namespace game::game_test
