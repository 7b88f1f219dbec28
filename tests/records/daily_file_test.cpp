#include "records/daily_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "rules/game_code.h"

namespace {

using Result = rules::DailyResult;
using rules::RoundTally;

Result resultOn(const std::string& date, uint32_t score = 7, std::vector<RoundTally> rounds = {{2, 9}}) {
  return Result{date, rules::dailyGameCode(date), score, std::move(rounds)};
}

TEST(DailyFileTest, TheFileHoldsOneLinePerDateOldestFirst) {
  std::vector<Result> results;
  EXPECT_TRUE(rules::addResult(results, resultOn("2026-12-07", 57, {{12, 40}, {8, 31}, {2, 25}})));
  EXPECT_TRUE(rules::addResult(results, resultOn("2026-12-06", 3, {{1, 5}})));
  EXPECT_FALSE(rules::addResult(results, resultOn("2026-12-07", 99)));
  const std::string text = records::historyText(results);
  EXPECT_EQ(text,
            "Quillop daily 1\n"
            "2026-12-06 " +
                rules::dailyGameCode("2026-12-06") +
                " 3 1 1/5\n"
                "2026-12-07 " +
                rules::dailyGameCode("2026-12-07") + " 57 3 12/40 8/31 2/25\n");
  const std::optional<records::History> read = records::parseHistory(text);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->results, results);
  EXPECT_EQ(read->skippedLines, 0U);
  EXPECT_EQ(rules::resultOf(results, "2026-12-07")->score, 57U);
  EXPECT_EQ(rules::resultOf(results, "2026-12-05"), nullptr);
}

// Hand edits that change nothing are fine; a line that makes no sense is
// skipped and counted, and the good lines are kept.
TEST(DailyFileTest, ReadingIsLenient) {
  const std::string good = "2026-12-07 " + rules::dailyGameCode("2026-12-07") + " 57 2 12/40 8/31";
  const std::optional<records::History> read =
      records::parseHistory("Quillop daily 1\r\n\r\n" + good +
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
  EXPECT_FALSE(records::parseHistory("Quillop records 1\n"));
  EXPECT_FALSE(records::parseHistory(""));
}

// The same calendar rule as the best scores' file.
TEST(DailyFileTest, ADateTheCalendarLacksMakesNoSense) {
  std::string text = "Quillop daily 1\n";
  for (const char* date : {"2024-13-45", "2023-02-29", "2024-02-29"}) {
    text += std::string(date) + ' ' + rules::dailyGameCode(date) + " 5 1 1/4\n";
  }
  const std::optional<records::History> read = records::parseHistory(text);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->results, (std::vector<Result>{resultOn("2024-02-29", 5, {{1, 4}})}));
  EXPECT_EQ(read->skippedLines, 2U);
}

}  // namespace
