#include "support/transcript_checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lines/writer.h"
#include "support/fake_line_terminal.h"

namespace {

using support::outputProblems;
using support::TranscriptLine;
using support::transcriptProblems;

TEST(TranscriptChecker, PlainLabelledLinesPass) {
  EXPECT_TRUE(outputProblems("Letters: B O S S E D\nYes: BOSS, 3 points, score 3.\n").empty());
  EXPECT_TRUE(outputProblems("Time: up.\r\n", {.timed = false, .crlf = true}).empty());
}

TEST(TranscriptChecker, EachBrokenRuleIsFound) {
  for (const std::string& output :
       {std::string("Score: 3\x1b[K\n"), std::string("Score: 3\b4\n"), std::string("Score: 3\r\n"),
        std::string("Bar: \xe2\x96\xa0\xe2\x96\xa0\n"), std::string("Rule: -----\n"),
        std::string("no label here\n"), "Long: " + std::string(75, 'x') + "\n", std::string("Score: 3")}) {
    EXPECT_FALSE(outputProblems(output).empty()) << output;
  }
}

TEST(TranscriptChecker, TimeUnaskedAtMostOnceInTenSeconds) {
  EXPECT_FALSE(
      transcriptProblems({{0, false, "Time: 60 seconds left."}, {9999, false, "Time: 50 seconds left."}})
          .empty());
  EXPECT_TRUE(
      transcriptProblems({{0, false, "Time: 60 seconds left."}, {10000, false, "Time: 50 seconds left."}})
          .empty());
  // Asked for: not an announcement.
  EXPECT_TRUE(transcriptProblems({{0, false, "Time: 60 seconds left."},
                                  {3000, true, "/time"},
                                  {3000, false, "Time: 57 seconds left."}})
                  .empty());
}

TEST(TranscriptChecker, EveryTypedWordGetsExactlyOneResult) {
  const std::vector<TranscriptLine> good = {
      {1, true, "boss"},     {1, false, "Yes: BOSS, 3 points, score 3."},
      {2, true, "/letters"}, {2, false, "Letters: B O S S E D"},
      {3, true, "2"},        {3, false, "Menu: time per round."}};
  EXPECT_TRUE(transcriptProblems(good).empty());
  EXPECT_FALSE(transcriptProblems({{1, true, "boss"}, {1, false, "Score: 3."}}).empty());
  EXPECT_FALSE(
      transcriptProblems({{1, true, "boss"}, {1, false, "Yes: BOSS."}, {1, false, "No: BOSS."}}).empty());
}

TEST(TranscriptChecker, TheFakeTerminalGivesTheTranscriptItChecks) {
  support::FakeLineTerminal terminal;
  terminal.echoing = true;
  terminal.typeAt(500, "boss");
  lines::Writer writer(terminal);
  std::string line;
  ASSERT_EQ(terminal.readLineWithin(1000, line), lines::LineRead::kLine);
  writer.say("Yes", "BOSS, 3 points, score 3.");
  writer.sayUnasked("Time", "10 seconds left.");
  EXPECT_EQ(terminal.output(), "Yes: BOSS, 3 points, score 3.\n\nTime: 10 seconds left.\n");
  EXPECT_TRUE(transcriptProblems(terminal.transcript()).empty());
  EXPECT_EQ(terminal.readLineWithin(1000, line), lines::LineRead::kEnded);
}

}  // namespace
