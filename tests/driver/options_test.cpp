#include "driver/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using driver::CommandOutcome;
using driver::parseCommandLine;

driver::Command parse(std::vector<std::string> options) {
  options.insert(options.begin(), "quillop");
  return parseCommandLine(options);
}

TEST(Options, NoArgumentsLoadTheDefaultDictionaryAndPlay) {
  driver::Command command = parse({});
  EXPECT_EQ(command.outcome, CommandOutcome::kRun);
  EXPECT_EQ(command.settings.dictionaryFile, "engldict.txt");
  EXPECT_FALSE(command.settings.alternateDictionary);
  EXPECT_FALSE(command.settings.showStatistics);
  EXPECT_FALSE(command.settings.noPlay);
  EXPECT_FALSE(command.settings.verboseLoading);
  EXPECT_FALSE(command.settings.classicScreens);
}

TEST(Options, FlagsByTheirSecondCharacter) {
  driver::Command command = parse({"-verbose", "words.txt", "", "-mem", "-n", "-classic"});
  EXPECT_EQ(command.outcome, CommandOutcome::kRun);
  EXPECT_TRUE(command.settings.verboseLoading);
  EXPECT_TRUE(command.settings.showStatistics);
  EXPECT_TRUE(command.settings.noPlay);
  EXPECT_TRUE(command.settings.classicScreens);
  EXPECT_EQ(command.settings.dictionaryFile, "engldict.txt");
}

TEST(Options, FileNameIsTheNextArgumentWhateverItIs) {
  struct Case {
    std::vector<std::string> options;
    const char* file;
    bool verbose;
  };
  for (const Case& c : {Case{{"-f", "words.txt"}, "words.txt", false},
                        Case{{"-f", "a.txt", "-f", "b.txt"}, "b.txt", false}, Case{{"-f", "-v"}, "-v", false},
                        Case{{"-file", "-h", "-v"}, "-h", true}, Case{{"-f", ""}, "", false}}) {
    driver::Command command = parse(c.options);
    EXPECT_EQ(command.outcome, CommandOutcome::kRun) << c.file;
    EXPECT_EQ(command.settings.dictionaryFile, c.file);
    EXPECT_TRUE(command.settings.alternateDictionary) << c.file;
    EXPECT_EQ(command.settings.verboseLoading, c.verbose) << c.file;
  }
}

TEST(Options, WhatEndsParsingEarly) {
  struct Case {
    std::vector<std::string> options;
    CommandOutcome outcome;
    const char* offending;
  };
  for (const Case& c :
       {Case{{"-h"}, CommandOutcome::kShowUsage, "-h"},
        Case{{"-v", "-help", "-x"}, CommandOutcome::kShowUsage, "-help"},
        Case{{"-V"}, CommandOutcome::kUnrecognisedOption, "-V"},
        Case{{"-C"}, CommandOutcome::kUnrecognisedOption, "-C"},
        Case{{"-x", "-v"}, CommandOutcome::kUnrecognisedOption, "-x"},
        Case{{"-"}, CommandOutcome::kUnrecognisedOption, "-"},
        Case{{"--memory-statistics"}, CommandOutcome::kUnrecognisedOption, "--memory-statistics"},
        Case{{"-x", "-f"}, CommandOutcome::kUnrecognisedOption, "-x"},
        Case{{"-f"}, CommandOutcome::kMissingFileName, "-f"},
        Case{{"-v", "-fancy"}, CommandOutcome::kMissingFileName, "-fancy"},
        Case{{"-f", "a.txt", "-f"}, CommandOutcome::kMissingFileName, "-f"}}) {
    driver::Command command = parse(c.options);
    EXPECT_EQ(command.outcome, c.outcome) << c.offending;
    EXPECT_EQ(command.offendingArgument, c.offending);
  }
}

}  // namespace

namespace {

TEST(Options, AGameCodeFollowsSInEitherCaseAndDAsksForTheDailyGame) {
  driver::Command command = parse({"-s", "k7qx2m", "-daily"});
  EXPECT_EQ(command.outcome, CommandOutcome::kRun);
  EXPECT_EQ(command.settings.gameCode, "K7QX2M");
  EXPECT_TRUE(command.settings.dailyGame);
  EXPECT_EQ(parse({}).settings.gameCode, "");
  EXPECT_FALSE(parse({}).settings.dailyGame);
}

TEST(Options, ABadOrMissingCodeAndCodesWithTheClassicGameAreUsageErrors) {
  struct Case {
    std::vector<std::string> options;
    CommandOutcome outcome;
    const char* offending;
  };
  for (const Case& c : {Case{{"-s", "K7QX2O"}, CommandOutcome::kBadGameCode, "K7QX2O"},
                        Case{{"-s", "-v"}, CommandOutcome::kBadGameCode, "-v"},
                        Case{{"-seed", "K7QX2"}, CommandOutcome::kBadGameCode, "K7QX2"},
                        Case{{"-v", "-s"}, CommandOutcome::kMissingGameCode, "-s"},
                        Case{{"-c", "-d"}, CommandOutcome::kClassicGameCode, "-d"},
                        Case{{"-s", "K7QX2M", "-classic"}, CommandOutcome::kClassicGameCode, "-s"}}) {
    driver::Command command = parse(c.options);
    EXPECT_EQ(command.outcome, c.outcome) << c.offending;
    EXPECT_EQ(command.offendingArgument, c.offending);
  }
}

}  // namespace

namespace {

using driver::LineModeReason;

TEST(Options, LinesByShortOrLongOptionAndNeverWithTheClassicScreens) {
  EXPECT_TRUE(parse({"-l"}).settings.lineMode);
  EXPECT_TRUE(parse({"-lines"}).settings.lineMode);
  EXPECT_TRUE(parse({"--lines"}).settings.lineMode);
  EXPECT_FALSE(parse({}).settings.lineMode);
  EXPECT_EQ(parse({"--line"}).outcome, CommandOutcome::kUnrecognisedOption);
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"-l", "-c"}, {"-c", "--lines"}, {"-lines", "-v", "-classic"}}) {
    driver::Command command = parse(options);
    EXPECT_EQ(command.outcome, CommandOutcome::kClassicLines) << options[0];
    EXPECT_NE(command.offendingArgument.find('l'), std::string::npos) << options[0];
  }
}

TEST(Options, LongHelpIsItsOwnOutcomeAndShortHelpTheClassicUsage) {
  EXPECT_EQ(parse({"--help"}).outcome, CommandOutcome::kShowHelp);
  EXPECT_EQ(parse({"-h"}).outcome, CommandOutcome::kShowUsage);
  EXPECT_EQ(parse({"-help"}).outcome, CommandOutcome::kShowUsage);
}

TEST(Options, WhereLineModeComesFrom) {
  struct Case {
    std::vector<std::string> options;
    const char* accessible;
    const char* term;
    LineModeReason reason;
  };
  for (const Case& c : {
           Case{{}, nullptr, "xterm-256color", LineModeReason::kNone},
           Case{{}, nullptr, nullptr, LineModeReason::kNone},
           Case{{"-l"}, nullptr, "xterm", LineModeReason::kOption},
           Case{{"-l"}, "1", "dumb", LineModeReason::kOption},
           Case{{}, "1", "xterm", LineModeReason::kAccessible},
           Case{{}, "yes", nullptr, LineModeReason::kAccessible},
           Case{{}, "", "xterm", LineModeReason::kNone},
           Case{{}, "0", "xterm", LineModeReason::kNone},
           Case{{}, "false", "xterm", LineModeReason::kNone},
           Case{{}, "0", "dumb", LineModeReason::kDumbTerminal},
           Case{{}, nullptr, "dumb", LineModeReason::kDumbTerminal},
           Case{{}, nullptr, "dumber", LineModeReason::kNone},
           Case{{"-c"}, "1", "xterm", LineModeReason::kNone},
           Case{{"-c"}, nullptr, "dumb", LineModeReason::kNone},
       }) {
    driver::Command command = parse(c.options);
    ASSERT_EQ(command.outcome, CommandOutcome::kRun);
    EXPECT_EQ(driver::lineModeReason(command.settings, c.accessible, c.term), c.reason)
        << (c.accessible ? c.accessible : "(unset)") << " " << (c.term ? c.term : "(unset)");
  }
}

using driver::ColourWhen;

// --color=WHEN counts only spelt out whole, in small letters, and the last
// one given wins; without it colour is left to the terminal.
TEST(Options, ColorTakesAutoAlwaysOrNever) {
  struct Case {
    std::vector<std::string> options;
    ColourWhen when;
  };
  for (const Case& c : {Case{{}, ColourWhen::kAuto}, Case{{"--color=always"}, ColourWhen::kAlways},
                        Case{{"--color=never", "-v"}, ColourWhen::kNever},
                        Case{{"--color=never", "--color=auto"}, ColourWhen::kAuto},
                        Case{{"-c", "--color=always"}, ColourWhen::kAlways}}) {
    driver::Command command = parse(c.options);
    EXPECT_EQ(command.outcome, CommandOutcome::kRun);
    EXPECT_EQ(command.settings.colourWhen, c.when) << c.options.size();
  }
}

TEST(Options, ABadColorChoiceIsAUsageErrorAndLongHelpIsItsOwn) {
  struct Case {
    std::vector<std::string> options;
    CommandOutcome outcome;
    const char* offending;
  };
  for (const Case& c : {Case{{"--color=yes"}, CommandOutcome::kBadColourWhen, "--color=yes"},
                        Case{{"--color=ALWAYS"}, CommandOutcome::kBadColourWhen, "--color=ALWAYS"},
                        Case{{"--color="}, CommandOutcome::kBadColourWhen, "--color="},
                        Case{{"-v", "--color", "-x"}, CommandOutcome::kBadColourWhen, "--color"},
                        Case{{"--colour=always"}, CommandOutcome::kUnrecognisedOption, "--colour=always"},
                        Case{{"--colors"}, CommandOutcome::kUnrecognisedOption, "--colors"},
                        Case{{"--help", "--color=yes"}, CommandOutcome::kShowHelp, "--help"},
                        Case{{"-h", "--help"}, CommandOutcome::kShowUsage, "-h"}}) {
    driver::Command command = parse(c.options);
    EXPECT_EQ(command.outcome, c.outcome) << c.offending;
    EXPECT_EQ(command.offendingArgument, c.offending);
  }
}

}  // namespace
