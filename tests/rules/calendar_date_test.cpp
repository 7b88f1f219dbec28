#include "rules/calendar_date.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(CalendarDate, DaysCountAcrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(rules::dayNumber("1970-01-01"), 0);
  EXPECT_EQ(*rules::dayNumber("2027-01-01") - *rules::dayNumber("2026-12-31"), 1);
  EXPECT_EQ(*rules::dayNumber("2026-03-01") - *rules::dayNumber("2026-02-28"), 1);
  EXPECT_EQ(*rules::dayNumber("2028-03-01") - *rules::dayNumber("2028-02-29"), 1);
  EXPECT_EQ(*rules::dayNumber("2001-01-01") - *rules::dayNumber("2000-01-01"), 366);
  EXPECT_EQ(*rules::dayNumber("2101-01-01") - *rules::dayNumber("2100-01-01"), 365);
  for (const char* bad : {"2026-02-29", "2100-02-29", "2026-13-01", "2026-00-10", "2026-12-32", "2026-1-01",
                          "20261201", "1969-12-31", "2026-12-0x"}) {
    EXPECT_EQ(rules::dayNumber(bad), std::nullopt) << bad;
  }
}

// Every file of the state folder reads its dates by this one rule.
TEST(CalendarDate, OnlyDaysTheCalendarHasAreDates) {
  struct Case {
    const char* text;
    bool date;
  };
  for (const Case& c : {Case{"2024-02-29", true}, Case{"2000-02-29", true}, Case{"1970-01-01", true},
                        Case{"9999-12-31", true}, Case{"2026-04-30", true}, Case{"2024-13-45", false},
                        Case{"2023-02-29", false}, Case{"1900-02-29", false}, Case{"2026-04-31", false},
                        Case{"2026-00-01", false}, Case{"2026-01-00", false}, Case{"2026-1-1", false},
                        Case{"2026-01-01 ", false}, Case{"2026/01/01", false}, Case{"+026-01-01", false},
                        Case{"2026-01--1", false}, Case{"", false}}) {
    EXPECT_EQ(rules::isDate(c.text), c.date) << c.text;
  }
}

}  // namespace
