#include "records/daily_results.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "rules/game_code.h"

namespace {

using daily::Result;
using daily::RoundTally;

Result resultOn(const std::string& date, uint32_t score = 7, std::vector<RoundTally> rounds = {{2, 9}}) {
  return Result{date, rules::dailyGameCode(date), score, std::move(rounds)};
}

std::vector<Result> resultsOn(const std::vector<std::string>& dates) {
  std::vector<Result> results;
  for (const std::string& date : dates) daily::addResult(results, resultOn(date));
  return results;
}

TEST(DailyResultsTest, TheFileHoldsOneLinePerDateOldestFirst) {
  std::vector<Result> results;
  EXPECT_TRUE(daily::addResult(results, resultOn("2026-12-07", 57, {{12, 40}, {8, 31}, {2, 25}})));
  EXPECT_TRUE(daily::addResult(results, resultOn("2026-12-06", 3, {{1, 5}})));
  EXPECT_FALSE(daily::addResult(results, resultOn("2026-12-07", 99)));
  const std::string text = daily::historyText(results);
  EXPECT_EQ(text,
            "Quillop daily 1\n"
            "2026-12-06 " +
                rules::dailyGameCode("2026-12-06") +
                " 3 1 1/5\n"
                "2026-12-07 " +
                rules::dailyGameCode("2026-12-07") + " 57 3 12/40 8/31 2/25\n");
  const std::optional<daily::History> read = daily::parseHistory(text);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->results, results);
  EXPECT_EQ(read->skippedLines, 0U);
  EXPECT_EQ(daily::resultOf(results, "2026-12-07")->score, 57U);
  EXPECT_EQ(daily::resultOf(results, "2026-12-05"), nullptr);
}

// Hand edits that change nothing are fine; a line that makes no sense is
// skipped and counted, and the good lines are kept.
TEST(DailyResultsTest, ReadingIsLenient) {
  const std::string good = "2026-12-07 " + rules::dailyGameCode("2026-12-07") + " 57 2 12/40 8/31";
  const std::optional<daily::History> read =
      daily::parseHistory("Quillop daily 1\r\n\r\n" + good +
                          "\r\n   \n"
                          "2026-12-08 " +
                          rules::dailyGameCode("2026-12-08") +
                          " 5 2 1/4\n"                   // two rounds named, one given
                          "2026-12-09 K7QX2M 5 1 1/4\n"  // not that date's code
                          "2026-02-30 " +
                          rules::dailyGameCode("2026-02-30") +
                          " 5 1 1/4\n"  // no such date
                          "2026-12-10 " +
                          rules::dailyGameCode("2026-12-10") +
                          " 5 1 5/4\n"  // more found than there were
                          "2026-12-11 " +
                          rules::dailyGameCode("2026-12-11") + " -5 1 1/4\n" +  // a sign
                          good +
                          "\n"  // the date again
                          "2026-12-12 " +
                          rules::dailyGameCode("2026-12-12") + " 5 1 0/4");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->skippedLines, 6U);
  ASSERT_EQ(read->results.size(), 2U);
  EXPECT_EQ(read->results[0], resultOn("2026-12-07", 57, {{12, 40}, {8, 31}}));
  EXPECT_EQ(read->results[1], resultOn("2026-12-12", 5, {{0, 4}}));
  EXPECT_FALSE(daily::parseHistory("Quillop records 1\n"));
  EXPECT_FALSE(daily::parseHistory(""));
}

TEST(DailyResultsTest, DatesCountDaysAcrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(daily::dayNumber("1970-01-01"), 0);
  EXPECT_EQ(*daily::dayNumber("2027-01-01") - *daily::dayNumber("2026-12-31"), 1);
  EXPECT_EQ(*daily::dayNumber("2026-03-01") - *daily::dayNumber("2026-02-28"), 1);
  EXPECT_EQ(*daily::dayNumber("2028-03-01") - *daily::dayNumber("2028-02-29"), 1);
  EXPECT_EQ(*daily::dayNumber("2001-01-01") - *daily::dayNumber("2000-01-01"), 366);
  EXPECT_EQ(*daily::dayNumber("2101-01-01") - *daily::dayNumber("2100-01-01"), 365);
  for (const char* bad : {"2026-02-29", "2100-02-29", "2026-13-01", "2026-00-10", "2026-12-32", "2026-1-01",
                          "20261201", "1969-12-31", "2026-12-0x"}) {
    EXPECT_EQ(daily::dayNumber(bad), std::nullopt) << bad;
  }
}

TEST(DailyResultsTest, StreaksRunAcrossMonthAndYearEndsAndStopAtAMissedDay) {
  struct Case {
    std::vector<std::string> dates;
    std::string today;
    uint32_t current;
    uint32_t best;
  };
  const std::vector<std::string> overNewYear = {"2026-12-30", "2026-12-31", "2027-01-01", "2027-01-02"};
  for (const Case& c :
       {Case{{}, "2027-01-02", 0, 0}, Case{overNewYear, "2027-01-02", 4, 4},
        Case{overNewYear, "2027-01-03", 4, 4},  // today not played yet
        Case{overNewYear, "2027-01-04", 0, 4},  // yesterday missed
        Case{{"2028-02-28", "2028-02-29", "2028-03-01"}, "2028-03-01", 3, 3},
        Case{{"2026-02-27", "2026-02-28", "2026-03-01", "2026-03-03"}, "2026-03-03", 1, 3},
        Case{{"2026-11-29", "2026-11-30", "2026-12-01", "2026-12-05", "2026-12-06"}, "2026-12-07", 2, 3}}) {
    const daily::Streaks streaks = daily::streaksOf(resultsOn(c.dates), c.today);
    EXPECT_EQ(streaks.current, c.current) << c.today;
    EXPECT_EQ(streaks.best, c.best) << c.today;
  }
}

// The lines to paste give away no word and no letter of a round.
TEST(DailyResultsTest, ShareLinesInSquaresOrInPlainCharacters) {
  const Result result = resultOn("2026-12-07", 57, {{12, 40}, {8, 8}, {0, 25}, {1, 30}});
  const std::string head = "Quillop daily 2026-12-07, game code " + rules::dailyGameCode("2026-12-07") +
                           "\n" + "Score 57 in 4 rounds\n";
  EXPECT_EQ(daily::shareLines(result, true),
            head +
                "Round 1  \u25a0\u25a0\u25a0\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1  12/40\n"
                "Round 2  \u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0  8/8\n"
                "Round 3  \u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1  0/25\n"
                "Round 4  \u25a0\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1  1/30\n");
  EXPECT_EQ(daily::shareLines(result, false), head +
                                                  "Round 1  ###.......  12/40\n"
                                                  "Round 2  ##########  8/8\n"
                                                  "Round 3  ..........  0/25\n"
                                                  "Round 4  #.........  1/30\n");
  EXPECT_EQ(daily::shareLines(resultOn("2026-12-07", 1, {{1, 3}}), false),
            "Quillop daily 2026-12-07, game code " + rules::dailyGameCode("2026-12-07") +
                "\nScore 1 in 1 round\nRound 1  ###.......  1/3\n");
}

}  // namespace
