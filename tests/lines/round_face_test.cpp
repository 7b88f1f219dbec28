#include "lines/round_face.h"

#include <algorithm>
#include <string>

#include "lines/line_face_fixture.h"
#include "rules/round.h"

namespace lines {
namespace {

class RoundFaceTest : public LineFaceTest {
 protected:
  RoundEnding play() {
    rules::Round round(game, "ABC123", 1, true);
    return playRound(session, round, 1);
  }
};

TEST_F(RoundFaceTest, StartsWithTheRoundAndItsLettersAsCapitals) {
  terminal.endInputAt(1000);
  play();
  const std::vector<std::string> lines = written();
  ASSERT_GE(lines.size(), 2U);
  EXPECT_EQ(lines[0], "Round 1: 60 seconds, 9 words to find; ? for help.");
  std::string letters = lines[1];
  EXPECT_TRUE(letters.starts_with("Letters: ")) << letters;
  letters = letters.substr(9);
  std::erase(letters, ' ');
  std::sort(letters.begin(), letters.end());
  EXPECT_EQ(letters, "AELNPT");
}

TEST_F(RoundFaceTest, EachWordGetsOneLineSayingWhyOrWhatItEarned) {
  for (const char* word : {"ant", "ANT", "an", "plaza", "tpa", "plane", "planet"})
    terminal.typeAt(1000, word);
  terminal.endInputAt(2000);
  EXPECT_EQ(play(), RoundEnding::kInputEnd);
  const std::vector<std::string> results = terminal.writtenFrom("Yes: ant");
  ASSERT_GE(results.size(), 7U);
  EXPECT_EQ(results[0], "Yes: ant, 1 point, score 1.");
  EXPECT_EQ(results[1], "No: ant was found already.");
  EXPECT_EQ(results[2], "No: an is too short: words have 3 to 6 letters.");
  EXPECT_EQ(results[3], "No: plaza is not from these letters.");
  EXPECT_EQ(results[4], "No: tpa is not in the dictionary.");
  EXPECT_EQ(results[5], "Yes: plane, 6 points, score 7.");
  EXPECT_EQ(results[6], "Yes: planet, 10 points, score 17. Round passed.");
}

// The figure line mode promises: a minute with nothing typed is a few
// short lines.
TEST_F(RoundFaceTest, AMinuteWithNoInputSaysTheTimeFourTimesInFewLines) {
  terminal.endInputAt(120000);
  EXPECT_EQ(play(), RoundEnding::kTimeUp);
  const std::vector<std::string> lines = written();
  EXPECT_EQ(lines.size(), 4U);
  EXPECT_EQ(lines[2], "Time: 30 seconds left.");
  EXPECT_EQ(lines[3], "Time: 10 seconds left.");
  EXPECT_EQ(terminal.nowMs(), 60000U);
  EXPECT_LE(terminal.output().size(), 200U);
}

TEST_F(RoundFaceTest, OnAnEchoingTerminalWhatComesUnaskedStartsALineOfItsOwn) {
  terminal.echoing = true;
  terminal.endInputAt(120000);
  play();
  EXPECT_NE(terminal.output().find("\n\nTime: 30 seconds left.\n\nTime: 10 seconds left.\n"),
            std::string::npos);
}

TEST_F(RoundFaceTest, AnEmptyLineOrLettersSaysWhereTheRoundIs) {
  terminal.typeAt(5000, "plan");
  terminal.typeAt(15500, "");
  terminal.typeAt(16000, "/t");
  terminal.endInputAt(17000);
  play();
  const std::vector<std::string> lines = terminal.writtenFrom("Yes: plan");
  ASSERT_EQ(lines.size(), 5U) << ::testing::PrintToString(lines);
  EXPECT_TRUE(lines[1].starts_with("Letters: ")) << lines[1];
  EXPECT_EQ(lines[2], "Time: 45 seconds left.");
  EXPECT_EQ(lines[3], "Words: 4 of 3 letters, 1 of 4, 2 of 5, 1 of 6 to find.");
  EXPECT_EQ(lines[4], "Time: 44 seconds left.");
}

TEST_F(RoundFaceTest, ShuffleFoundHelpAndAnUnknownCommand) {
  for (const char* line : {"/shuffle", "lap", "/found", "?", "/zap"}) terminal.typeAt(1000, line);
  terminal.endInputAt(2000);
  play();
  const std::vector<std::string> lines = written();
  EXPECT_TRUE(lines[2].starts_with("Letters: ")) << lines[2];
  EXPECT_TRUE(wrote("Found: lap."));
  EXPECT_TRUE(wrote("Help: type a word and press Enter to check it."));
  EXPECT_TRUE(wrote("Command: /zap is not one; ? lists them."));
}

TEST_F(RoundFaceTest, EndAndQuitEndTheRoundAtOnce) {
  terminal.typeAt(3000, "/end");
  EXPECT_EQ(play(), RoundEnding::kAsked);
  EXPECT_EQ(terminal.nowMs(), 3000U);
  terminal.typeAt(4000, "/Quit");
  EXPECT_EQ(play(), RoundEnding::kQuit);
}

TEST_F(RoundFaceTest, ALineAfterTheTimeIsUpIsNotChecked) {
  terminal.typeAt(60000, "plan");
  EXPECT_EQ(play(), RoundEnding::kTimeUp);
  EXPECT_TRUE(wrote("No: plan came after the time was up."));
  EXPECT_EQ(game.score, 0U);
}

TEST_F(RoundFaceTest, WithNoLimitTheRoundWaitsForTheEndAndSaysNoTime) {
  session.noLimit = true;
  terminal.typeAt(600000, "/time");
  terminal.typeAt(900000, "/end");
  EXPECT_EQ(play(), RoundEnding::kAsked);
  const std::vector<std::string> lines = written();
  EXPECT_EQ(lines[0], "Round 1: no time limit, 9 words to find; ? for help.");
  EXPECT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[2], "Time: no limit; /end ends the round.");
}

}  // namespace
}  // namespace lines
