#include "records/table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using records::Entry;
using records::Table;

const std::string kHeader = "Quillop records 1\n";

TEST(RecordsTable, BestFirstTiesBelowTheEarlierAndFiveKeptPerTime) {
  Table table;
  EXPECT_EQ(table.add(60, {50, "2026-01-01"}), 1);
  EXPECT_EQ(table.add(60, {70, "2026-01-02"}), 1);
  EXPECT_EQ(table.add(60, {50, "2026-01-03"}), 3);
  EXPECT_EQ(table.add(60, {10, "2026-01-04"}), 4);
  EXPECT_EQ(table.add(60, {20, "2026-01-05"}), 4);
  EXPECT_EQ(table.add(60, {10, "2026-01-06"}), 0);  // only ties the fifth
  EXPECT_EQ(table.add(60, {60, "2026-01-07"}), 2);
  EXPECT_EQ(table.add(30, {5, "2026-01-08"}), 1);
  EXPECT_EQ(table.add(30, {0, "2026-01-09"}), 0);
  EXPECT_EQ(table.best(60), (std::vector<Entry>{{70, "2026-01-02"},
                                                {60, "2026-01-07"},
                                                {50, "2026-01-01"},
                                                {50, "2026-01-03"},
                                                {20, "2026-01-05"}}));
  EXPECT_EQ(table.best(30), (std::vector<Entry>{{5, "2026-01-08"}}));
  EXPECT_TRUE(table.best(90).empty());
}

TEST(RecordsTable, ItsTextReadsBackAsTheSameTable) {
  Table table;
  table.add(120, {4000000000U, "2026-12-31"});
  table.add(30, {7, "2025-02-03"});
  table.add(30, {7, "2025-02-04"});
  EXPECT_EQ(table.text(), kHeader + "30 7 2025-02-03\n30 7 2025-02-04\n120 4000000000 2026-12-31\n");
  EXPECT_EQ(records::parseTable(table.text()), table);
  EXPECT_EQ(records::parseTable(kHeader), Table());
}

TEST(RecordsTable, TextsThatAreNoRecordsFile) {
  for (const std::string& text :
       {std::string(), std::string("Quillop records 2\n"), std::string("\0", 1),
        "60 5 2026-01-01\n" + kHeader, std::string("Quillop records 1 \n60 5 2026-01-01\n")}) {
    EXPECT_FALSE(records::parseTable(text)) << text;
  }
}

// Line ends, a missing last one and blank lines do not matter; each line
// that makes no sense is skipped and counted, and the others kept.
TEST(RecordsTable, ReadLenientlyLineByLine) {
  Table one;
  one.add(60, {5, "2026-01-01"});
  struct Case {
    std::string text;
    size_t skipped;
  };
  for (const Case& c :
       {Case{"Quillop records 1\r\n60 5 2026-01-01\r\n", 0}, Case{kHeader + "60 5 2026-01-01", 0},
        Case{"\n" + kHeader + "\n\n60 5 2026-01-01\n\r\n", 0},
        Case{kHeader + "45 5 2026-01-01\n60 5 2026-01-01\n60 -5 2026-01-01\n", 2},
        Case{kHeader + "60 4294967296 2026-01-01\n60 5 2026-1-01\n60  5 2026-01-01\n60 5 2026-01-01", 3},
        Case{kHeader + "60 5 2026-01-01 \n60 5\n60 five 2026-01-01\n60 5 2026-01-01\n", 3}}) {
    size_t skipped = 99;
    EXPECT_EQ(records::parseTable(c.text, &skipped), one) << c.text;
    EXPECT_EQ(skipped, c.skipped) << c.text;
  }
}

// The dates are read by the calendar's rule (calendar_date.h), not by
// their digits alone.
TEST(RecordsTable, ADateTheCalendarLacksMakesNoSense) {
  size_t skipped = 0;
  const std::optional<Table> table =
      records::parseTable(kHeader + "60 5 2024-13-45\n60 6 2023-02-29\n60 7 2024-02-29\n", &skipped);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->best(60), (std::vector<Entry>{{7, "2024-02-29"}}));
  EXPECT_EQ(skipped, 2U);
}

}  // namespace
