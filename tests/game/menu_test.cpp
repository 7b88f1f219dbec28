#include "game/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "rules/game_code.h"
#include "support/fake_terminal.h"
#include "support/temp_folder.h"

namespace game {

namespace {

constexpr const char* kDown = "\x1b[B";
constexpr const char* kUp = "\x1b[A";
constexpr const char* kRight = "\x1b[C";
constexpr const char* kLeft = "\x1b[D";
constexpr const char* kEnter = "\r";

std::string at(size_t x, const std::string& text) { return std::string(x, ' ') + text; }

std::string keys(std::initializer_list<const char*> presses) {
  std::string bytes;
  for (const char* press : presses) bytes += press;
  return bytes;
}

class MenuTest : public ::testing::Test {
 protected:
  /// True for play, false for exit.
  bool run(const std::string& typed, uint32_t highScore = 0) {
    terminal.type(typed);
    return runMainMenu(game, highScore) == MenuChoice::kPlay;
  }
  // Runs the menu until the keys run out, to look at the screen in mid-menu.
  void runUntilKeysEnd(const std::string& typed) {
    terminal.type(typed);
    EXPECT_THROW(runMainMenu(game, 0), console::InputEnded);
  }
  std::vector<std::string> itemRows() { return {terminal.row(8), terminal.row(9), terminal.row(10)}; }

  support::FakeTerminal terminal;
  game_record::WordGame game;
};

const std::vector<std::string> kPlaySelected = {at(34, "-> Play!"), at(37, "Time to Play:   60 seconds"),
                                                at(37, "Exit")};
const std::vector<std::string> kTimeSelected = {at(37, "Play!"), at(34, "-> Time to Play: < 60 seconds >"),
                                                at(37, "Exit")};
const std::vector<std::string> kExitSelected = {at(37, "Play!"), at(37, "Time to Play:   60 seconds"),
                                                at(34, "-> Exit")};

TEST_F(MenuTest, TitleScreen) {
  EXPECT_TRUE(run(kEnter));
  const std::string border(78, '-');
  const std::vector<std::string> expected = {"/" + border + "\\",
                                             "|" + std::string(78, ' ') + "|",
                                             "|" + at(34, "Quillop!") + at(36, "|"),
                                             "|" + std::string(78, ' ') + "|",
                                             "\\" + border + "/",
                                             at(33, "High Score: 0"),
                                             at(33, "Your Score: 0"),
                                             ""};
  for (int y = 0; y < 8; ++y) EXPECT_EQ(terminal.row(y), expected[static_cast<size_t>(y)]) << y;
  EXPECT_EQ(itemRows(), kPlaySelected);
  for (int y = 11; y <= 20; ++y) EXPECT_EQ(terminal.row(y), "") << y;
  EXPECT_EQ(terminal.row(21), "/" + border + "\\");
  EXPECT_EQ(terminal.row(22),
            "|" + at(10, "Up/Down: Choose   Left/Right: Change Time   Enter: Select") + at(11, "|"));
  EXPECT_EQ(terminal.row(23), "\\" + border + "/");
  EXPECT_EQ(terminal.screen().scrolls(), 0);
}

TEST_F(MenuTest, ShowsTheScoreAndTheHighScore) {
  game.score = 10;
  EXPECT_TRUE(run(kEnter, 55));
  EXPECT_EQ(terminal.row(5), at(32, "High Score: 55"));
  EXPECT_EQ(terminal.row(6), at(32, "Your Score: 10"));
}

TEST_F(MenuTest, SelectionMovesAndStopsAtTheEnds) {
  struct Case {
    std::string keys;
    std::vector<std::string> rows;
  };
  const std::vector<Case> cases = {
      {"", kPlaySelected},
      {kUp, kPlaySelected},
      {kDown, kTimeSelected},
      {keys({kDown, kDown}), kExitSelected},
      {keys({kDown, kDown, kDown, kDown}), kExitSelected},
      {keys({kDown, kDown, kDown, kUp}), kTimeSelected},
  };
  for (const Case& c : cases) {
    support::FakeTerminal caseTerminal;
    caseTerminal.type(c.keys);
    EXPECT_THROW(runMainMenu(game, 0), console::InputEnded);
    EXPECT_EQ((std::vector<std::string>{caseTerminal.row(8), caseTerminal.row(9), caseTerminal.row(10)}),
              c.rows)
        << c.keys.size() << " bytes of keys";
  }
}

TEST_F(MenuTest, EnterPlaysOrExits) {
  EXPECT_TRUE(run(kEnter));
  EXPECT_FALSE(run(keys({kDown, kDown, kEnter})));
  EXPECT_TRUE(run(keys({kDown, kDown, kDown, kUp, kUp, kEnter})));
}

TEST_F(MenuTest, EnterOnTheTimeItemDoesNothing) {
  EXPECT_FALSE(run(keys({kDown, kEnter, kEnter, kDown, kEnter})));
  EXPECT_EQ(game.timeToPlay, 60);
  EXPECT_EQ(terminal.unreadBytes(), 0u);
}

TEST_F(MenuTest, OpensWithPlaySelectedEveryTime) {
  EXPECT_FALSE(run(keys({kDown, kDown, kEnter})));
  EXPECT_TRUE(run(kEnter));
  EXPECT_EQ(itemRows(), kPlaySelected);
}

TEST_F(MenuTest, TimeMovesInStepsOfThirtyBetween30And120) {
  struct Case {
    std::vector<const char*> arrows;
    uint16_t seconds;
  };
  const std::vector<Case> cases = {
      {{kRight}, 90},
      {{kRight, kRight}, 120},
      {{kRight, kRight, kRight}, 120},
      {{kRight, kRight, kLeft}, 90},
      {{kRight, kRight, kLeft, kLeft}, 60},
      {{kRight, kRight, kLeft, kLeft, kLeft}, 30},
      {{kRight, kRight, kLeft, kLeft, kLeft, kLeft}, 30},
      {{kLeft, kRight}, 60},
  };
  for (const Case& c : cases) {
    game_record::WordGame fresh;
    support::FakeTerminal caseTerminal;
    caseTerminal.type(kDown);
    for (const char* arrow : c.arrows) caseTerminal.type(arrow);
    EXPECT_THROW(runMainMenu(fresh, 0), console::InputEnded);
    EXPECT_EQ(fresh.timeToPlay, c.seconds);
    EXPECT_EQ(caseTerminal.row(9), at(34, "-> Time to Play: < " + std::to_string(c.seconds) + " seconds >"));
  }
}

TEST_F(MenuTest, LeftAndRightOnlyChangeTheTimeItem) {
  runUntilKeysEnd(keys({kRight, kLeft, kRight, kDown, kDown, kLeft, kRight, kLeft}));
  EXPECT_EQ(game.timeToPlay, 60);
  EXPECT_EQ(itemRows(), kExitSelected);
  // The item rows are drawn on entry and again after each of the 8 keys.
  const std::string output = terminal.drawn();
  size_t draws = 0;
  for (size_t found = output.find("Time to Play:"); found != std::string::npos;
       found = output.find("Time to Play:", found + 1)) {
    ++draws;
  }
  EXPECT_EQ(draws, 9u);
}

TEST_F(MenuTest, TheChosenTimeLastsIntoLaterMenus) {
  EXPECT_TRUE(run(keys({kDown, kRight, kUp, kEnter})));
  EXPECT_EQ(game.timeToPlay, 90);
  EXPECT_FALSE(run(keys({kDown, kDown, kEnter})));
  EXPECT_EQ(terminal.row(9), at(37, "Time to Play:   90 seconds"));
}

TEST_F(MenuTest, OnlyTheExtendedPrefixReadsASecondCode) {
  // 'P' is the down arrow's second code; alone, or after a NUL, it is a key of its own.
  EXPECT_TRUE(run(std::string("P\0P", 3) + kEnter));
  EXPECT_FALSE(run(std::string("\xe0P\xe0P") + kEnter));
  EXPECT_EQ(terminal.screen().scrolls(), 0);
}

std::string centred(const std::string& text) { return at((79 - text.size()) / 2, text); }

class MenuRecordsTest : public MenuTest {
 protected:
  /// Opens the records in a file holding text.
  void keep(const std::string& text) {
    folder.write("records.txt", text);
    store.load();
  }
  std::vector<std::string> bestRows(support::FakeTerminal& shown) {
    std::vector<std::string> rows;
    for (int y = 12; y <= 17; ++y) rows.push_back(shown.row(y));
    return rows;
  }

  support::TempFolder folder;
  records::Store store{folder.path()};
  const Extras extras{true, &store};
};

TEST_F(MenuRecordsTest, TheBestScoresForTheTimeChosenStandUnderTheItems) {
  keep("Quillop records 1\n60 120 2026-03-01\n60 9 2026-03-02\n90 31 2026-02-01\n");
  terminal.type(kEnter);
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_EQ(itemRows(), kPlaySelected);
  EXPECT_EQ(bestRows(terminal),
            (std::vector<std::string>{centred("Best scores for 60 seconds"), centred("1.  120   2026-03-01"),
                                      centred("2.    9   2026-03-02"), "", "", ""}));
  for (const auto& [arrows, rows] :
       {std::pair{keys({kDown, kRight}),
                  std::vector<std::string>{centred("Best scores for 90 seconds"),
                                           centred("1.  31   2026-02-01"), "", "", "", ""}},
        std::pair{keys({kDown, kRight, kRight}),
                  std::vector<std::string>{centred("Best scores for 120 seconds"), centred("No scores yet"),
                                           "", "", "", ""}}}) {
    game_record::WordGame fresh;
    support::FakeTerminal moved;
    moved.type(arrows);
    EXPECT_THROW(runMainMenu(fresh, 0, extras), console::InputEnded);
    EXPECT_EQ(bestRows(moved), rows);
  }
}

TEST_F(MenuRecordsTest, ANoticeAboutTheRecordsIsShownOnce) {
  keep("nonsense");
  terminal.type(kEnter);
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_EQ(terminal.row(20),
            centred("Records file is not in our format: kept as records.txt.bad; records start anew."));
  terminal.type(kEnter);
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_EQ(terminal.row(20), "");
}

TEST_F(MenuRecordsTest, ANoticeTooLongForARowTakesTheRowAbove) {
  keep("Quillop records 1\n60 9 2026-03-02\n60 x\n");
  terminal.type(kEnter);
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_EQ(terminal.row(19),
            centred("Records file: 1 line that made no sense skipped; the file as it was is kept as"));
  EXPECT_EQ(terminal.row(20), centred("records.txt.bad."));
}

class MenuDailyTest : public MenuTest {
 protected:
  /// Opens the daily results of a file holding the lines of these dates.
  void keep(const std::vector<std::string>& dates) {
    std::string text = "Quillop daily 1\n";
    for (const std::string& date : dates)
      text += date + ' ' + rules::dailyGameCode(date) + " 57 3 12/40 8/31 2/25\n";
    folder.write("daily.txt", text);
    results.load();
  }

  support::TempFolder folder;
  records::DailyStore results{folder.path(), [] { return std::string("2027-01-02"); }};
  Extras extras{true, nullptr, {}, &results};
};

TEST_F(MenuDailyTest, DStartsTheDailyGameWhereTheTitleScreenOffersIt) {
  terminal.type("d");
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kDaily);
  terminal.type("D");
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kDaily);
  EXPECT_EQ(terminal.row(18), centred("D: today's game, 2027-01-02"));
  // Without the daily game, as in the classic game, D does nothing.
  terminal.type(std::string("dD") + kEnter);
  EXPECT_EQ(runMainMenu(game, 0), MenuChoice::kPlay);
  EXPECT_EQ(terminal.row(18), "");
  EXPECT_EQ(terminal.row(19), "");
}

TEST_F(MenuDailyTest, TodaysResultAndTheStreaksStandUnderTheBestScores) {
  struct Case {
    std::vector<std::string> dates;
    std::string row;
  };
  for (const Case& c :
       {Case{{}, "Streak: 0 days   Best streak: 0 days"},
        Case{{"2026-12-30", "2026-12-31", "2027-01-01"}, "Streak: 3 days   Best streak: 3 days"},
        Case{{"2026-12-20", "2026-12-21", "2027-01-02"},
             "Today: 57 points in 3 rounds   Streak: 1 day   Best streak: 2 days"}}) {
    keep(c.dates);
    support::FakeTerminal shown;
    shown.type(kEnter);
    EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
    EXPECT_EQ(shown.row(19), centred(c.row));
    EXPECT_EQ(shown.screen().scrolls(), 0);
  }
}

// The title screen waiting past midnight: a date that changes at 10.2 s of
// the installed terminal's clock, with a result kept for the first day.
class MenuMidnightTest : public MenuTest {
 protected:
  MenuMidnightTest() {
    folder.write("daily.txt", "Quillop daily 1\n2026-12-08 " + rules::dailyGameCode("2026-12-08") +
                                  " 57 3 12/40 8/31 2/25\n");
    atMidnight.load();
  }

  support::TempFolder folder;
  int dateLooks = 0;
  records::DailyStore atMidnight{
      folder.path(), [this] {
        ++dateLooks;
        return std::string(console::elapsedMs() < 10200 ? "2026-12-08" : "2026-12-09");
      }};
  Extras extras{true, nullptr, {}, &atMidnight};
};

// The wait for a key looks at the date a second after it began or after
// the last look, sleeping between: the rows follow the date within a
// second, and the wait never spins.
TEST_F(MenuMidnightTest, TheDailyRowsFollowTheDateWhileTheMenuWaits) {
  terminal.typeAt(9500, "x");
  terminal.typeAt(11000, kEnter);
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_EQ(terminal.row(18), centred("D: today's game, 2026-12-09"));
  EXPECT_EQ(terminal.row(19), centred("Streak: 1 day   Best streak: 1 day"));
  EXPECT_LE(dateLooks, 13);

  support::FakeTerminal before;
  before.typeAt(9000, kEnter);
  EXPECT_EQ(runMainMenu(game, 0, extras), MenuChoice::kPlay);
  EXPECT_EQ(before.row(18), centred("D: today's game, 2026-12-08"));
  EXPECT_EQ(before.row(19), centred("Today: 57 points in 3 rounds   Streak: 1 day   Best streak: 1 day"));
}

// D at 10.5 s: the date changed at 10.2 s, but the title shows the day
// before until its next look at 11 s, and D plays what it shows.
TEST_F(MenuMidnightTest, DPlaysTheGameOfTheDateOnTheScreen) {
  std::string played;
  terminal.typeAt(10500, "D");
  EXPECT_EQ(runMainMenu(game, 0, extras, &played), MenuChoice::kDaily);
  EXPECT_EQ(terminal.row(18), centred("D: today's game, 2026-12-08"));
  EXPECT_EQ(played, "2026-12-08");

  support::FakeTerminal later;
  later.setNow(10500);
  later.typeAt(12000, "d");
  EXPECT_EQ(runMainMenu(game, 0, extras, &played), MenuChoice::kDaily);
  EXPECT_EQ(played, "2026-12-09");
}

}  // namespace

}  // namespace game
