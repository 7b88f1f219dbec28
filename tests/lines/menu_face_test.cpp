#include "lines/menu_face.h"

#include <string>

#include "dictionary/meanings.h"
#include "lines/game_face.h"
#include "lines/line_face_fixture.h"
#include "lines/round_end_face.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "support/temp_folder.h"

namespace lines {
namespace {

class MenuFaceTest : public LineFaceTest {
 protected:
  void keepStores() {
    records.load();
    dailyResults.load();
    session.records = &records;
    session.dailyResults = &dailyResults;
  }

  support::TempFolder folder;
  records::Store records{folder.path(), [] { return std::string("2026-12-08"); }};
  records::DailyStore dailyResults{folder.path(), [] { return std::string("2026-12-08"); }};
};

TEST_F(MenuFaceTest, NumberedChoicesAndAWordIsRefusedInALine) {
  for (const char* line : {"", "9", "play", "4", "6"}) terminal.typeAt(0, line);
  runMenu(session, false);
  const std::vector<std::string> lines = written();
  EXPECT_EQ(lines[0], "Menu: 1 play, 2 daily, 3 time (60 seconds), 4 records, 5 statistics, 6 quit.");
  EXPECT_EQ(lines[1], lines[0]);
  EXPECT_EQ(lines[2], "No: 9 is not a choice; type 1 to 6.");
  EXPECT_EQ(lines[3], lines[0]);
  EXPECT_EQ(lines[4], "No: play is not a choice; type 1 to 6.");
  EXPECT_EQ(lines[5], lines[0]);
  EXPECT_EQ(lines[6], "Records: none are kept in this run.");
  EXPECT_EQ(lines.size(), 7U);
}

TEST_F(MenuFaceTest, TheTimeStepsThroughLongerOnesAndNoLimit) {
  EXPECT_EQ(roundTimes(), (std::vector<uint16_t>{30, 60, 90, 120, 180, 300, 0}));
  EXPECT_EQ(nextRoundTime(300), 0);
  EXPECT_EQ(nextRoundTime(0), 30);
  for (const char* line : {"3", "3 300", "3", "4", "3 45", "3 120"}) terminal.typeAt(0, line);
  runMenu(session, false);
  EXPECT_TRUE(wrote("Time per round: 90 seconds."));
  EXPECT_TRUE(wrote("Time per round: 5 minutes."));
  EXPECT_TRUE(wrote("Time per round: no limit. Rounds end at /end, and keep no records."));
  EXPECT_TRUE(wrote("Records: games with no limit keep no records."));
  EXPECT_EQ(written().back(), "Time per round: 2 minutes.");
  EXPECT_FALSE(session.noLimit);
  EXPECT_EQ(game.timeToPlay, 120);
}

TEST_F(MenuFaceTest, StatisticsAsASummaryAndPagesOnRequest) {
  terminal.typeAt(0, "5");
  terminal.typeAt(0, "5 29");
  runMenu(session, false);
  EXPECT_TRUE(wrote("Statistics: 9 words in 577 buckets."));
  EXPECT_TRUE(wrote("Pages: type 5 and a page from 1 to 29 for the buckets, as 5 2."));
  EXPECT_EQ(written().back(), "Bucket 576: 0 words.");
}

// A whole game: the round ends by the clock, the game is over, its score
// meets the records, and the review is given on request.
TEST_F(MenuFaceTest, AGameEndsWithItsFactsARecordAndTheReviewOnRequest) {
  keepStores();
  terminal.typeAt(0, "1");
  terminal.typeAt(1000, "plan");
  terminal.typeAt(70000, "/review");
  terminal.typeAt(71000, "");
  terminal.typeAt(72000, "4");
  session.fixedCode = "ABC123";
  runMenu(session, false);
  const std::vector<std::string> end = terminal.writtenFrom("Time: up.");
  ASSERT_GE(end.size(), 7U);
  EXPECT_EQ(end[1], "Found: 1 of 9 words.");
  EXPECT_EQ(end[2], "Points: 3 this round, score 3.");
  EXPECT_EQ(end[3], "Passed: no, the game is over.");
  EXPECT_TRUE(end[4] == "Word: planet." || end[4] == "Word: plate.") << end[4];
  EXPECT_EQ(end[5], "Record: first best score for 60 seconds a round.");
  EXPECT_EQ(end[6], "Code: ABC123; quillop -l -s ABC123 plays these words again.");
  EXPECT_TRUE(wrote("Missed: ant."));
  EXPECT_FALSE(wrote("Missed: plan."));
  EXPECT_TRUE(wrote("Place 1: 3 points on 2026-12-08."));
  ASSERT_EQ(records.best(60).size(), 1U);
}

// The input's end after a six-letter word ends the game, but the round
// was not lost.
TEST_F(MenuFaceTest, TheInputsEndAfterASixLetterWordSaysTheRoundWasPassed) {
  terminal.typeAt(0, "1");
  terminal.typeAt(500, "planet");
  terminal.endInputAt(1000);
  session.fixedCode = "ABC123";
  runMenu(session, false);
  EXPECT_TRUE(wrote("Passed: yes, a six-letter word was found; the game ends here."));
  EXPECT_FALSE(wrote("Passed: no, the game is over."));
}

TEST_F(MenuFaceTest, TheInputsEndEndsTheGameWithItsResultKept) {
  keepStores();
  terminal.typeAt(0, "2");
  terminal.typeAt(500, "plan");
  terminal.endInputAt(1000);
  game.timeToPlay = 30;
  runMenu(session, false);
  EXPECT_TRUE(wrote("Passed: no, the game is over."));
  ASSERT_EQ(dailyResults.results().size(), 1U);
  EXPECT_EQ(dailyResults.results()[0].score, 3U);
  EXPECT_TRUE(wrote("Daily: today's result is kept."));
  EXPECT_EQ(records.best(60).size(), 1U);  // the daily game's rounds are of 60 seconds
  EXPECT_EQ(game.timeToPlay, 30);
  const std::vector<std::string> lines = written();
  EXPECT_TRUE(lines[lines.size() - 2].starts_with("Share: Quillop daily 2026-12-08, code "))
      << lines[lines.size() - 2];
  EXPECT_EQ(lines.back(), "Streak: 1 day, best 1 day.");
}

TEST_F(MenuFaceTest, PassingARoundGoesOnToTheNextWithItsPoints) {
  session.fixedCode = "ABC123";
  for (const char* line : {"1", "planet", "plate", "/end", ""}) terminal.typeAt(0, line);
  terminal.typeAt(0, "/e");
  terminal.endInputAt(0);
  runMenu(session, false);
  EXPECT_TRUE(wrote("Passed: yes, a six-letter word was found."));
  EXPECT_TRUE(wrote("Round 2: 60 seconds, 9 words to find; ? for help."));
  EXPECT_EQ(game.score, 16U);
}

TEST_F(MenuFaceTest, NoLimitGamesKeepNoRecords) {
  keepStores();
  for (const char* line : {"3 0", "1", "plan", "/end", ""}) terminal.typeAt(0, line);
  runMenu(session, false);
  EXPECT_TRUE(wrote("Points: 3 this round, score 3."));
  EXPECT_TRUE(records.best(60).empty());
  EXPECT_TRUE(records.best(0).empty());
}

}  // namespace
}  // namespace lines

namespace lines {
namespace {

TEST_F(LineFaceTest, AMeaningNamesItsBaseAndBothSensesOnItsLabelledLines) {
  support::TempFolder folder;
  const std::string path = folder.write("engldict.meanings",
                                        "planes\tplane\tn\tan aircraft\n"
                                        "abate\t\tv\tmake less active\tbecome less\n");
  dictionary::MeaningsOnDemand meanings([&] { return path; });
  session.meanings = &meanings;
  EXPECT_EQ(meaningOf(session, "planes"), "planes (plane, noun): an aircraft.");
  EXPECT_EQ(meaningOf(session, "abate"), "abate (verb): make less active; also become less.");
  EXPECT_EQ(meaningOf(session, "ought"), std::nullopt);
}

}  // namespace
}  // namespace lines
