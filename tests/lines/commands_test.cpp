#include "lines/commands.h"

#include <gtest/gtest.h>

namespace lines {
namespace {

TEST(Commands, AFirstLetterNamesACommandInEitherCase) {
  struct Case {
    const char* line;
    Command command;
  };
  for (const Case& c :
       {Case{"/letters", Command::kLetters}, Case{"/L", Command::kLetters},
        Case{"/shuffle", Command::kShuffle}, Case{"/t", Command::kTime}, Case{"/found", Command::kFound},
        Case{"/end", Command::kEnd}, Case{"/review", Command::kReview}, Case{"/help", Command::kHelp},
        Case{"?", Command::kHelp}, Case{"??", Command::kHelp}, Case{"/quit", Command::kQuit},
        Case{"/", Command::kUnknown}, Case{"/x", Command::kUnknown}, Case{"", Command::kEmpty},
        Case{"   ", Command::kEmpty}, Case{"boss", Command::kWord}, Case{"3 90", Command::kWord}}) {
    EXPECT_EQ(parseTypedLine(c.line).command, c.command) << c.line;
  }
}

TEST(Commands, BlanksAroundCountForNothingAndAValueFollowsABlank) {
  const TypedLine typed = parseTypedLine("  3   90 \t");
  EXPECT_EQ(typed.text, "3   90");
  EXPECT_EQ(typed.argument, "90");
  EXPECT_EQ(parseTypedLine(" boss ").text, "boss");
}

}  // namespace
}  // namespace lines
