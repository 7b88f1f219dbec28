#include "driver/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "platform/durable_files.h"
#include "platform/local_date.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "rules/game_code.h"
#include "support/fake_line_terminal.h"
#include "support/fake_terminal.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

using game::Extras;
using game::MenuChoice;

namespace {

const std::string kBanner =
    std::string("Quillop - a timed anagram word game\nVersion ") + QUILLOP_VERSION + "\n\n";
const std::string kPrompt = "Press 'S' to view memory statistics, or any other key to continue...\r\n";
const std::string kErrorBlock =
    "\r\n"
    "ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR!\r\n"
    "An error has occured, please check the above error for what whent wrong.    \r\n"
    "If you believe that this is a bug, please contact the program's creator.    \r\n"
    "ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR!\r\n"
    "\r\n";
const std::string kQuietLoad = "Loading and hashing... DONE!" + std::string(38, ' ') + "\r\n";

// Stands in for the statistics viewer, the menu and the game, and records
// how the run called them. Games score scores[0], scores[1], ... and the
// menu asks to play (the daily game at its first dailyChoices) until every
// score has had its game.
struct RecordingParts {
  driver::GameParts parts() {
    driver::GameParts recorded;
    recorded.showBucketStatistics = [this](const containers::WordTable&, bool escapeLeaves) {
      ++viewerOpened;
      viewerEscapeLeaves = escapeLeaves;
    };
    recorded.runMainMenu = [this](game_record::WordGame&, uint32_t highScore, const Extras& extras,
                                  std::string& dailyDate) {
      menuHighScores.push_back(highScore);
      menuExtras.push_back(extras);
      const bool anyRecord = extras.records != nullptr && !extras.records->best(60).empty();
      bestFor60.push_back(anyRecord ? extras.records->best(60)[0].score : 0);
      if (gameExtras.size() >= scores.size()) return MenuChoice::kExit;
      if (menuHighScores.size() > dailyChoices) return MenuChoice::kPlay;
      // As the title screen does: the daily game offered is its date's.
      dailyDate = extras.dailyResults->today();
      return MenuChoice::kDaily;
    };
    // A daily game counts one round, with the score as the words found.
    recorded.playGame = [this](game_record::WordGame& game, const Extras& extras) {
      game.score = scores.at(gameExtras.size());
      gameExtras.push_back(extras);
      gameSeconds.push_back(game.timeToPlay);
      if (extras.dailyPlay != nullptr) {
        extras.dailyPlay->countRound({game.score, 50});
        extras.dailyPlay->finish(game.score);
        dailyPractice.push_back(extras.dailyPlay->practice());
      }
      return game.score;
    };
    return recorded;
  }

  std::vector<uint32_t> scores;
  size_t dailyChoices = 0;  ///< the first menus choose the daily game
  int viewerOpened = 0;
  bool viewerEscapeLeaves = false;
  std::vector<uint32_t> menuHighScores;
  std::vector<Extras> menuExtras;   ///< what each menu was given
  std::vector<uint32_t> bestFor60;  ///< the best 60-second record each menu saw, or 0
  std::vector<Extras> gameExtras;   ///< what each game was given
  std::vector<uint16_t> gameSeconds;
  std::vector<bool> dailyPractice;  ///< for each daily game
};

class RunTest : public ::testing::Test {
 protected:
  int run(std::vector<std::string> options) {
    options.insert(options.begin(), "quillop");
    return driver::runQuillop(options, recorder.parts());
  }
  std::string playable() { return folder.write("words.txt", "cat\nplanet\n"); }
  std::string output() { return terminal.output(); }

  support::TempFolder folder;
  support::ScopedEnvironment stateHome{"XDG_STATE_HOME", folder.path() + "/state"};
  // Windows keeps the records under LOCALAPPDATA, in a folder whose name
  // differs from the one above only in case, which Windows ignores.
  support::ScopedEnvironment localAppData{"LOCALAPPDATA", folder.path() + "/state"};
  // Either would play the run in lines.
  support::ScopedEnvironment accessible{"ACCESSIBLE"};
  support::ScopedEnvironment terminalType{"TERM", "xterm"};
  support::FakeTerminal terminal;
  RecordingParts recorder;
};

TEST_F(RunTest, UsageAloneAfterTheBanner) {
  EXPECT_EQ(run({"-help", "-x"}), driver::kExitSuccess);
  EXPECT_TRUE(output().starts_with(kBanner + "Usage:\n   quillop [arguments]\n\nOptions:\n"));
  EXPECT_TRUE(output().ends_with("   -v             Output loading statistics\r\n"));
  EXPECT_EQ(recorder.viewerOpened, 0);
}

// --help is the usage text of -h, then the options and the environment it
// never named (colour, codes, the daily game, line mode), which -h, as it
// always was, does not name.
TEST_F(RunTest, LongHelpIsTheUsageAndLongVersionALineAlone) {
  EXPECT_EQ(run({"--help"}), driver::kExitSuccess);
  const std::string usage = output();
  support::FakeTerminal shortHelp;
  EXPECT_EQ(run({"-h"}), driver::kExitSuccess);
  std::string shortUsage = shortHelp.output();
  ASSERT_TRUE(shortUsage.ends_with("\r\n"));
  shortUsage.resize(shortUsage.size() - 2);
  EXPECT_EQ(usage, shortUsage +
                       "\n   --color=WHEN   Colours the screens: auto (on a terminal, the default),\n"
                       "                  always or never; -c has no colour\n"
                       "   -c             The classic screens: no counts, codes, colour or records\n"
                       "   -s CODE        Plays the words of a game code\n"
                       "   -d             Plays today's daily game at once\n"
                       "   -l, --lines    Plays in plain lines of text, for screen readers, braille\n"
                       "                  displays, dumb terminals and scripts (not with -c)\n"
                       "   --help         Prints this list\n"
                       "   --version      Prints the version\n\n"
                       "Environment:\n"
                       "   NO_COLOR       Set and not empty: no colour unless --color=always\n"
                       "   ACCESSIBLE     Set, and not empty, 0 or false: line mode unless -c\n"
                       "   TERM           dumb: line mode unless -c\r\n");
  EXPECT_EQ(shortHelp.output().find("--lines"), std::string::npos);

  support::FakeTerminal version;
  EXPECT_EQ(run({"--version", "-h"}), driver::kExitSuccess);
  EXPECT_EQ(version.output(), std::string("quillop ") + QUILLOP_VERSION + "\r\n");
  support::FakeTerminal otherLong;
  EXPECT_EQ(run({"--verbose"}), driver::kExitUsageError);
}

// The q that left the menu, and keys in the goodbye's first half second,
// do not end the run before the goodbye is seen.
TEST_F(RunTest, KeysTypedOnDoNotSkipTheGoodbye) {
  terminal.type("xq");
  terminal.typeAt(400, "y");
  terminal.typeAt(700, "z");
  terminal.typeAt(900, "!");
  EXPECT_EQ(run({"-f", playable()}), driver::kExitSuccess);
  EXPECT_EQ(terminal.row(0), "Thank you for playing Quillop!");
  EXPECT_EQ(terminal.unreadBytes(), 1U);
}

TEST_F(RunTest, WithoutADailyGameNothingIsLeftToWriteAtTheEnd) {
  recorder.scores = {7};
  terminal.type("xx");
  EXPECT_EQ(run({"-f", playable()}), driver::kExitSuccess);
  EXPECT_EQ(recorder.gameExtras.size(), 1U);
  EXPECT_EQ(terminal.closingText, "");
}

TEST_F(RunTest, UnreadableDictionaryEndsWithTheErrorBlock) {
  std::string missing = folder.path() + "/absent.txt";
  terminal.type("s");
  EXPECT_EQ(run({"-f", missing}), driver::kExitDictionaryError);
  EXPECT_EQ(output(), kBanner + "Loading alternate dictionary: " + missing +
                          "\r\nError: File not found (No such file or directory)\r\n" + kErrorBlock);
  EXPECT_EQ(terminal.unreadBytes(), 1U);
  EXPECT_EQ(recorder.viewerOpened, 0);
}

// Control bytes in a name would retitle the window or break the line; they
// are shown as escapes, and the file named is still the one opened.
TEST_F(RunTest, ControlBytesInNamesAreShownAsEscapes) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows allows no control characters in file names";
#endif
  std::string named = folder.write("x\x1b]0;TITLE\x07\n\x7f.txt", "cat\nplanet\n");
  EXPECT_EQ(run({"-n", "-f", named}), driver::kExitSuccess);
  EXPECT_TRUE(output().starts_with(kBanner + "Loading alternate dictionary: " + folder.path() +
                                   "/x\\033]0;TITLE\\007\\n\\177.txt\r\n" + kQuietLoad));
}

TEST_F(RunTest, ControlBytesInAnUnknownOptionAreShownAsEscapes) {
  EXPECT_EQ(run({"-\x1b[2J"}), driver::kExitUsageError);
  EXPECT_TRUE(output().starts_with(kBanner + "UNRECOGNISED OPTION: -\\033[2J\r\n"));
}

// The prompt names S: s and S open the view, any other key goes on, a
// function key or an unknown one too. Escape leaves the view outside the
// classic screens.
TEST_F(RunTest, SInEitherCaseOpensTheStatisticsView) {
  struct Case {
    const char* key;
    int viewerOpened;
  };
  for (const Case& c :
       {Case{"s", 1}, Case{"S", 1}, Case{"x", 0}, Case{"\r", 0}, Case{"\x1bOP", 0}, Case{"\x1b[25~", 0}}) {
    support::FakeTerminal captured;
    RecordingParts parts;
    captured.type(c.key);
    EXPECT_EQ(driver::runQuillop({"quillop", "-n", "-f", playable()}, parts.parts()), driver::kExitSuccess);
    EXPECT_EQ(parts.viewerOpened, c.viewerOpened) << c.key;
    EXPECT_TRUE(parts.viewerEscapeLeaves || c.viewerOpened == 0) << c.key;
    EXPECT_TRUE(captured.output().ends_with(kQuietLoad + kPrompt)) << c.key;
  }
  terminal.type("S");
  EXPECT_EQ(run({"-c", "-n", "-f", playable()}), driver::kExitSuccess);
  EXPECT_EQ(recorder.viewerOpened, 1);
  EXPECT_FALSE(recorder.viewerEscapeLeaves);
}

// F10 is the extended key 224 with 68, a D: the prompt takes it whole, so
// the menu does not take the D for the daily game; and at the goodbye a
// function key counts as a key.
TEST_F(RunTest, FunctionKeysAreWholeKeysAtThePromptAndTheGoodbye) {
  driver::GameParts parts = recorder.parts();
  std::vector<int> menuKeys;
  parts.runMainMenu = [&menuKeys](game_record::WordGame&, uint32_t, const Extras&, std::string&) {
    menuKeys.push_back(console::readKey());
    return MenuChoice::kExit;
  };
  terminal.keepInputOpen();
  terminal.type("\x1b[21~x");
  terminal.typeAt(1000, "\x1b[24~");
  terminal.typeAt(2000, "y");
  EXPECT_EQ(driver::runQuillop({"quillop", "-f", playable()}, parts), driver::kExitSuccess);
  EXPECT_EQ(menuKeys, std::vector<int>{'x'});
  EXPECT_EQ(recorder.viewerOpened, 0);
  EXPECT_EQ(terminal.row(0), "Thank you for playing Quillop!");
  EXPECT_EQ(terminal.unreadBytes(), 1U);
}

TEST_F(RunTest, MemoryOptionOpensTheViewWithoutAsking) {
  terminal.type("x");
  EXPECT_EQ(run({"-m", "-n", "-f", playable()}), driver::kExitSuccess);
  EXPECT_EQ(recorder.viewerOpened, 1);
  EXPECT_EQ(output().find("Press 'S'"), std::string::npos);
  EXPECT_EQ(terminal.unreadBytes(), 1U);
}

TEST_F(RunTest, NoPlayEndsAfterTheStatisticsStep) {
  terminal.type("xy");
  EXPECT_EQ(run({"-n", "-f", playable()}), driver::kExitSuccess);
  EXPECT_TRUE(recorder.menuHighScores.empty());
  EXPECT_FALSE(terminal.fullScreen());
  EXPECT_EQ(terminal.unreadBytes(), 1U);
}

TEST_F(RunTest, HighScoreCarriedIntoEachMenu) {
  recorder.scores = {40, 10, 55};
  terminal.type("xq");
  EXPECT_EQ(run({"-f", playable()}), driver::kExitSuccess);
  EXPECT_EQ(recorder.menuHighScores, (std::vector<uint32_t>{0, 40, 40, 55}));
  EXPECT_TRUE(terminal.drawn().ends_with(
      "\x1b[H\x1b[2JThank you for playing Quillop!\r\n\r\nPress any key to continue..."));
  EXPECT_EQ(terminal.row(0), "Thank you for playing Quillop!");
  EXPECT_EQ(terminal.row(2), "Press any key to continue...");
  EXPECT_EQ(terminal.unreadBytes(), 0U);
}

TEST_F(RunTest, GamesKeepRecordsInTheStateFolderUnlessClassicScreensAreAsked) {
  std::filesystem::create_directories(folder.path() + "/state/quillop");
  folder.write("state/quillop/records.txt", "Quillop records 1\n60 42 2026-01-02\n");
  recorder.scores = {1};
  terminal.type("xx");
  EXPECT_EQ(run({"-f", playable()}), driver::kExitSuccess);
  ASSERT_EQ(recorder.menuExtras.size(), 2u);
  EXPECT_TRUE(recorder.menuExtras[0].shown);
  EXPECT_EQ(recorder.bestFor60, (std::vector<uint32_t>{42, 42}));

  RecordingParts classic;
  classic.scores = {1};
  terminal.type("xx");
  EXPECT_EQ(driver::runQuillop({"quillop", "-c", "-f", playable()}, classic.parts()), driver::kExitSuccess);
  EXPECT_FALSE(classic.menuExtras.at(0).shown);
  EXPECT_EQ(classic.bestFor60, (std::vector<uint32_t>{0, 0}));
}

TEST_F(RunTest, EndOfInputEndsTheRunQuietly) {
  EXPECT_EQ(run({"-f", playable()}), driver::kExitSuccess);
  EXPECT_TRUE(output().ends_with(kQuietLoad + kPrompt));
  EXPECT_TRUE(recorder.menuHighScores.empty());
}

TEST_F(RunTest, EndOfInputInTheMenuSkipsTheGoodbye) {
  terminal.type("x");
  driver::GameParts parts = recorder.parts();
  parts.runMainMenu = [](game_record::WordGame&, uint32_t, const Extras&, std::string&) {
    return console::readKey() != 0 ? MenuChoice::kPlay : MenuChoice::kExit;
  };
  EXPECT_EQ(driver::runQuillop({"quillop", "-f", playable()}, parts), driver::kExitSuccess);
  EXPECT_TRUE(output().ends_with(kPrompt));
}

TEST_F(RunTest, ADictionaryWithoutSixLetterWordsCannotBePlayed) {
  std::string words = folder.write("short.txt", "cat\ndogs\nabcdefg\n");
  terminal.type("xx");
  EXPECT_EQ(run({"-f", words}), driver::kExitDictionaryError);
  EXPECT_TRUE(output().ends_with(kPrompt + "Error: The dictionary holds no six-letter word to play with\r\n" +
                                 kErrorBlock));
  EXPECT_TRUE(recorder.menuHighScores.empty());
  EXPECT_EQ(run({"-n", "-f", words}), driver::kExitSuccess);
}

TEST_F(RunTest, EveryGameHasACodeTheOneOfSOrANewOne) {
  recorder.scores = {1, 2};
  terminal.type("xx");
  EXPECT_EQ(run({"-f", playable(), "-s", "k7qx2m"}), driver::kExitSuccess);
  ASSERT_EQ(recorder.gameExtras.size(), 2U);
  EXPECT_EQ(recorder.gameExtras[0].code, "K7QX2M");
  EXPECT_EQ(recorder.gameExtras[1].code, "K7QX2M");

  RecordingParts fresh;
  fresh.scores = {1, 2};
  terminal.type("xx");
  EXPECT_EQ(driver::runQuillop({"quillop", "-f", playable()}, fresh.parts()), driver::kExitSuccess);
  ASSERT_EQ(fresh.gameExtras.size(), 2U);
  EXPECT_EQ(rules::parseGameCode(fresh.gameExtras[0].code), fresh.gameExtras[0].code);
  EXPECT_NE(fresh.gameExtras[0].code, fresh.gameExtras[1].code);

  RecordingParts classic;
  classic.scores = {1};
  terminal.type("xx");
  EXPECT_EQ(driver::runQuillop({"quillop", "-c", "-f", playable()}, classic.parts()), driver::kExitSuccess);
  EXPECT_EQ(classic.gameExtras.at(0).code, "");
  EXPECT_EQ(classic.menuExtras.at(0).dailyResults, nullptr);
  EXPECT_FALSE(std::filesystem::exists(folder.path() + "/state/quillop/daily.txt"));
}

TEST_F(RunTest, ABadGameCodeIsAUsageError) {
  EXPECT_EQ(run({"-s", "K7QX2O"}), driver::kExitUsageError);
  EXPECT_TRUE(output().starts_with(kBanner +
                                   "NOT A GAME CODE (6 OF 0-9 AND A-Z WITHOUT I, L, O, U): K7QX2O\r\n\r\n"
                                   "Usage:\n"));
}

TEST_F(RunTest, ABadColorChoiceIsAUsageError) {
  EXPECT_EQ(run({"-c", "--color=blue"}), driver::kExitUsageError);
  EXPECT_TRUE(output().starts_with(kBanner +
                                   "COLOR MUST BE --color=auto, always OR never: --color=blue\r\n\r\n"
                                   "Usage:\n"));
}

// The run turns colour on for a terminal, and never for the classic screens,
// which take --color=always without complaint and stay as they always were.
TEST_F(RunTest, ColourIsChosenBeforeTheFirstScreen) {
  support::ScopedEnvironment noColour("NO_COLOR");
  terminal.outputTerminal = true;
  struct Case {
    std::vector<std::string> options;
    bool shown;
  };
  for (const Case& c : {Case{{}, true}, Case{{"--color=never"}, false}, Case{{"-c", "--color=always"}, false},
                        Case{{"-c"}, false}}) {
    driver::GameParts parts;
    bool shownInViewer = !c.shown;
    parts.showBucketStatistics = [&shownInViewer](const containers::WordTable&, bool) {
      shownInViewer = console::colourShown();
    };
    std::vector<std::string> arguments = {"quillop", "-m", "-n", "-f", playable()};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    EXPECT_EQ(driver::runQuillop(arguments, parts), driver::kExitSuccess);
    EXPECT_EQ(shownInViewer, c.shown) << c.options.size();
  }
}

// -d plays the daily game at once, with 60-second rounds whatever the menu
// says; the first one of the date is kept in the state folder (under
// LOCALAPPDATA on Windows), a second one is practice, and the run hands
// the kept result over for sharing.
TEST_F(RunTest, TheDailyGameIsKeptOnceAndSharedAfterTheRun) {
  recorder.scores = {7, 30, 9};
  recorder.dailyChoices = 1;
  terminal.type("xx");
  std::optional<rules::DailyResult> shared;
  EXPECT_EQ(driver::runQuillop({"quillop", "-f", playable(), "-d"}, recorder.parts(), &shared),
            driver::kExitSuccess);
  const std::string today = platform::localDate();
  ASSERT_EQ(recorder.gameExtras.size(), 3U);
  EXPECT_EQ(recorder.gameExtras[0].code, rules::dailyGameCode(today));
  EXPECT_EQ(recorder.gameExtras[1].code, rules::dailyGameCode(today));
  EXPECT_EQ(recorder.gameExtras[2].dailyPlay, nullptr);
  EXPECT_EQ(recorder.dailyPractice, (std::vector<bool>{false, true}));
  EXPECT_EQ(recorder.gameSeconds, (std::vector<uint16_t>{60, 60, 60}));
  EXPECT_EQ(recorder.menuHighScores, (std::vector<uint32_t>{7, 30, 30}));
  ASSERT_TRUE(shared);
  EXPECT_EQ(*shared, (rules::DailyResult{today, rules::dailyGameCode(today), 7, {{7, 50}}}));
  // Handed to the terminal when the daily game was left, so that Ctrl-C at
  // the menu after it still writes them.
  EXPECT_TRUE(terminal.closingText.starts_with("Quillop daily " + today + ", game code " +
                                               rules::dailyGameCode(today) + "\nScore 7 in 1 round\n"))
      << terminal.closingText;
  EXPECT_TRUE(std::filesystem::exists(platform::stateFolder() + "/daily.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() + "/state/quillop/daily.txt"));
}

// The menu says which date's game D plays: the one on the title screen,
// also when the clock has passed midnight since it was drawn.
TEST_F(RunTest, DPlaysTheGameOfTheDateTheMenuOffered) {
  recorder.scores = {7};
  recorder.dailyChoices = 1;
  driver::GameParts parts = recorder.parts();
  parts.runMainMenu = [menu = parts.runMainMenu](game_record::WordGame& game, uint32_t highScore,
                                                 const Extras& extras, std::string& dailyDate) {
    const MenuChoice choice = menu(game, highScore, extras, dailyDate);
    dailyDate = "2001-02-03";  // never the date of the test run
    return choice;
  };
  terminal.type("xx");
  std::optional<rules::DailyResult> shared;
  EXPECT_EQ(driver::runQuillop({"quillop", "-f", playable()}, parts, &shared), driver::kExitSuccess);
  ASSERT_EQ(recorder.gameExtras.size(), 1U);
  EXPECT_EQ(recorder.gameExtras[0].code, rules::dailyGameCode("2001-02-03"));
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->date, "2001-02-03");
}

}  // namespace

namespace {

// Line mode through the whole run: the environment turns it on, its first
// line says why, the banner and the key prompts of the full screen never
// come, and the input's end ends the run with success.
TEST_F(RunTest, AccessibleOrADumbTerminalPlaysTheRunInLines) {
  for (const auto& [name, value, why] : {std::tuple{"ACCESSIBLE", "1", "as ACCESSIBLE is set"},
                                         std::tuple{"TERM", "dumb", "as TERM is dumb"}}) {
    support::ScopedEnvironment setting{name, value};
    support::FakeLineTerminal lines;
    lines.typeAt(0, "6");
    driver::GameParts parts = recorder.parts();
    parts.lineTerminal = &lines;
    EXPECT_EQ(driver::runQuillop({"quillop", "-f", playable()}, parts), driver::kExitSuccess);
    EXPECT_TRUE(lines.output().starts_with(std::string("Line mode: on, ") + why + ".")) << lines.output();
    EXPECT_TRUE(lines.output().ends_with("Goodbye: thank you for playing Quillop.\n"));
    EXPECT_EQ(output(), "");
    EXPECT_TRUE(support::outputProblems(lines.output()).empty());
  }
  EXPECT_TRUE(recorder.menuHighScores.empty());
}

}  // namespace
