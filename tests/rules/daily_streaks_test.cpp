#include "rules/daily_streaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<rules::DailyResult> resultsOn(const std::vector<std::string>& dates) {
  std::vector<rules::DailyResult> results;
  for (const std::string& date : dates)
    rules::addResult(results, rules::DailyResult{date, "CODE", 7, {{2, 9}}});
  return results;
}

TEST(DailyStreaks, StreaksRunAcrossMonthAndYearEndsAndStopAtAMissedDay) {
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
    const rules::Streaks streaks = rules::streaksOf(resultsOn(c.dates), c.today);
    EXPECT_EQ(streaks.current, c.current) << c.today;
    EXPECT_EQ(streaks.best, c.best) << c.today;
  }
}

// 2024 has a 29 February, 2100 has none: the day after 28 February differs.
TEST(DailyStreaks, LeapDaysDecideWhichDatesFollowEachOther) {
  struct Case {
    std::vector<std::string> dates;
    std::string today;
    uint32_t current;
    uint32_t best;
  };
  for (const Case& c : {Case{{"2024-02-28", "2024-03-01"}, "2024-03-01", 1, 1},
                        Case{{"2100-02-28", "2100-03-01"}, "2100-03-01", 2, 2},
                        Case{{"2024-02-29", "2024-03-01"}, "2024-03-02", 2, 2}}) {
    const rules::Streaks streaks = rules::streaksOf(resultsOn(c.dates), c.today);
    EXPECT_EQ(streaks.current, c.current) << c.dates.front() << ' ' << c.today;
    EXPECT_EQ(streaks.best, c.best) << c.dates.front() << ' ' << c.today;
  }
}

}  // namespace
