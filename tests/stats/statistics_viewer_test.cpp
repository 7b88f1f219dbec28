#include "stats/statistics_viewer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "console/console.h"
#include "stats/locale_scope.h"
#include "support/fake_terminal.h"

namespace {

const std::string kSquare = "\u25a0";
const std::string kRule(79, '-');
const std::string kHeader = "Bucket # | # items |  %  |0        25%       50%       75%     100| Total Items";
const std::string kFooterHelp = "'Q': Exit  |  Up/Down: Move 1 Line  |  PgUp/PgDn: Move 1 Page  |  %Empty: ";

constexpr const char* kDown = "\x1b[B";
constexpr const char* kUp = "\x1b[A";
constexpr const char* kPageDown = "\x1b[6~";
constexpr const char* kPageUp = "\x1b[5~";

std::string repeated(const char* key, int times) {
  std::string keys;
  for (int i = 0; i < times; ++i) keys += key;
  return keys;
}

std::string bucketRow(int bucket, unsigned count, unsigned percent, int filled, unsigned maxCount) {
  char start[32];
  std::snprintf(start, sizeof start, "%-9d|%8u |%3u%% [", bucket, count, percent);
  std::string bar;
  for (int cell = 0; cell < 40; ++cell) {
    bar += cell < filled ? kSquare : std::string(cell % 10 == 0 ? "|" : " ");
  }
  return start + bar + "]     " + std::to_string(maxCount);
}

std::string emptyBucketRow(int bucket) { return bucketRow(bucket, 0, 0, 1, 1); }

class StatisticsViewerTest : public ::testing::Test {
 protected:
  void fill(size_t bucket, int words) {
    for (int i = 0; i < words; ++i) dictionary.buckets[bucket].insert("word");
  }
  // Runs the viewer on keys; it must end on its own (by q).
  void view(const std::string& keys) {
    terminal.type(keys);
    terminal.keepInputOpen();
    stats::showBucketStatistics(dictionary);
    EXPECT_EQ(terminal.screen().scrolls(), 0) << terminal.screen().dump();
  }
  int firstBucketShown() { return std::stoi(terminal.row(2)); }

  stats_test::LocaleScope locale{std::nullopt, std::nullopt, "en_US.UTF-8"};
  support::FakeTerminal terminal;
  containers::WordTable dictionary;
};

TEST_F(StatisticsViewerTest, EmptyTable) {
  view("q");
  // The line is ended before the full screen, so nothing is glued to it.
  EXPECT_EQ(terminal.output().rfind("Gathering Statistics... Please Wait...\r\n\x1b[H", 0), 0u);
  EXPECT_EQ(terminal.row(0), kHeader);
  EXPECT_EQ(terminal.row(1), kRule);
  for (int r = 0; r < 20; ++r) EXPECT_EQ(terminal.row(2 + r), emptyBucketRow(r));
  EXPECT_EQ(terminal.row(22), kRule);
  EXPECT_EQ(terminal.row(23), kFooterHelp + "100%");
}

TEST_F(StatisticsViewerTest, RowsScaleToTheFullestBucket) {
  fill(0, 10);
  fill(1, 7);
  fill(2, 1);
  fill(3, 3);
  fill(9, 10);
  view("q");
  EXPECT_EQ(terminal.row(2), bucketRow(0, 10, 100, 40, 10));
  EXPECT_EQ(terminal.row(3), bucketRow(1, 7, 70, 28, 10));
  EXPECT_EQ(terminal.row(4), bucketRow(2, 1, 10, 5, 10));
  EXPECT_EQ(terminal.row(5), bucketRow(3, 3, 30, 13, 10));
  EXPECT_EQ(terminal.row(6), bucketRow(4, 0, 0, 1, 10));
  EXPECT_EQ(terminal.row(11), bucketRow(9, 10, 100, 40, 10));
  EXPECT_EQ(terminal.row(23), kFooterHelp + "99%");
}

TEST_F(StatisticsViewerTest, TwoOfThreeIsSixtySixPercent) {
  fill(5, 3);
  fill(6, 2);
  view("q");
  EXPECT_EQ(terminal.row(8), bucketRow(6, 2, 66, 27, 3));
}

TEST_F(StatisticsViewerTest, FooterShareOfEmptyBuckets) {
  const std::vector<std::pair<uint32_t, std::string>> cases = {
      {100, "17%"}, {577, "100%"}, {0, "0%"}, {6, "1%"}, {5, "0%"}};
  for (const auto& [emptyBuckets, shown] : cases) {
    support::FakeTerminal caseTerminal;
    stats::drawStatisticsFooter(emptyBuckets);
    EXPECT_EQ(caseTerminal.row(22), kRule);
    EXPECT_EQ(caseTerminal.row(23), kFooterHelp + shown) << emptyBuckets;
    EXPECT_EQ(caseTerminal.screen().cursorY(), 23);
    EXPECT_EQ(caseTerminal.screen().scrolls(), 0);
  }
}

TEST_F(StatisticsViewerTest, OneHundredEmptyBuckets) {
  for (size_t bucket = 100; bucket < 577; ++bucket) fill(bucket, 1);
  view("q");
  EXPECT_EQ(terminal.row(23), kFooterHelp + "17%");
}

TEST_F(StatisticsViewerTest, MovesStopAtBothEnds) {
  struct Case {
    std::string keys;
    int firstBucket;
  };
  const std::vector<Case> cases = {
      {kUp, 0},
      {repeated(kDown, 3), 3},
      {repeated(kDown, 3) + repeated(kUp, 5), 0},
      {repeated(kPageDown, 28) + repeated(kDown, 2), 557},
      {repeated(kDown, 558), 557},
      {repeated(kPageDown, 40) + kPageUp, 537},
      {repeated(kPageDown, 3) + kPageUp, 40},
  };
  for (const Case& c : cases) {
    support::FakeTerminal caseTerminal;
    caseTerminal.type(c.keys + "q");
    stats::showBucketStatistics(dictionary);
    EXPECT_EQ(std::stoi(caseTerminal.row(2)), c.firstBucket) << c.keys.size();
    EXPECT_EQ(caseTerminal.screen().scrolls(), 0);
  }
}

TEST_F(StatisticsViewerTest, PageKeysTestAgainstFortyTwo) {
  struct Case {
    int pageDowns, downs;
    const char* pageKey;
    int firstBucket;
  };
  const std::vector<Case> cases = {
      {26, 14, kPageDown, 554}, {26, 15, kPageDown, 557}, {2, 3, kPageUp, 23}, {2, 2, kPageUp, 0}};
  for (const Case& c : cases) {
    support::FakeTerminal caseTerminal;
    caseTerminal.type(repeated(kPageDown, c.pageDowns) + repeated(kDown, c.downs));
    caseTerminal.type(std::string(c.pageKey) + "q");
    stats::showBucketStatistics(dictionary);
    EXPECT_EQ(std::stoi(caseTerminal.row(2)), c.firstBucket) << c.pageDowns * 20 + c.downs;
  }
}

TEST_F(StatisticsViewerTest, LastPageShowsTheLastBucketOnRow21) {
  view(repeated(kPageDown, 30) + "q");
  EXPECT_EQ(terminal.row(2), emptyBucketRow(557));
  EXPECT_EQ(terminal.row(21), emptyBucketRow(576));
  EXPECT_EQ(terminal.row(22), kRule);
  EXPECT_EQ(terminal.row(0), kHeader);
}

// The footer names Q: q and Q leave, other keys do not; Escape leaves only
// outside the classic screens, where it is one more key that does nothing.
TEST_F(StatisticsViewerTest, QInEitherCaseQuits) {
  view(std::string(kDown) + "x" + kDown + "\r Q");
  EXPECT_EQ(firstBucketShown(), 2);
  EXPECT_EQ(terminal.unreadBytes(), 0u);
  for (const char* keys : {"\x1b[Bq", "\x1b[BQ", "\x1b[B\x1b", "\x1b[B\x1bOP\x1b[25~\x0c\x1b"}) {
    support::FakeTerminal caseTerminal;
    caseTerminal.type(keys);
    stats::showBucketStatistics(dictionary, /*escapeLeaves=*/true);
    EXPECT_EQ(std::stoi(caseTerminal.row(2)), 1) << keys;
  }
}

TEST_F(StatisticsViewerTest, EscapeStaysInTheClassicView) {
  view(std::string("\x1b") + kDown + "q");
  EXPECT_EQ(firstBucketShown(), 1);
}

TEST_F(StatisticsViewerTest, OtherKeysRedrawThePageInPlace) {
  view("Zzq");
  const std::string output = terminal.drawn();
  const std::string firstRow = emptyBucketRow(0);
  size_t pages = 0;
  for (size_t at = output.find(firstRow); at != std::string::npos; at = output.find(firstRow, at + 1))
    ++pages;
  EXPECT_EQ(pages, 3u);
  EXPECT_EQ(output.find(kHeader), output.rfind(kHeader));
  EXPECT_EQ(firstBucketShown(), 0);
}

TEST_F(StatisticsViewerTest, EndOfInputEndsTheView) {
  terminal.type(kDown);
  EXPECT_THROW(stats::showBucketStatistics(dictionary), console::InputEnded);
  EXPECT_EQ(firstBucketShown(), 1);
}

TEST_F(StatisticsViewerTest, WithoutUtf8TheBarUsesHashes) {
  stats_test::LocaleScope plain{"C", std::nullopt, std::nullopt};
  fill(0, 2);
  fill(1, 1);
  view("q");
  EXPECT_EQ(terminal.row(3),
            "1        |       1 | 50% [" + std::string(21, '#') + "         |         ]     2");
}

// Counts past 32 bits' worth of percent: the percentage stays right, and a
// count or total too wide for its column takes blanks from the gap before
// the total, so the row still ends within 80 columns.
TEST_F(StatisticsViewerTest, HugeBucketsKeepTheirPercentAndTheRowWidth) {
  dictionary.buckets[0].count = 50000000;
  dictionary.buckets[1].count = 25000000;
  view("q");
  EXPECT_EQ(terminal.row(2), bucketRow(0, 50000000, 100, 40, 50000000));
  EXPECT_EQ(terminal.row(3), bucketRow(1, 25000000, 50, 21, 50000000));

  dictionary.buckets[0].count = 4000000000;
  view("q");
  std::string widest = terminal.row(2);
  EXPECT_EQ(widest.substr(0, 28), "0        |4000000000 |100% [");
  EXPECT_TRUE(widest.ends_with("] 4000000000")) << widest;
  std::string narrowerGap = bucketRow(1, 25000000, 0, 1, 4000000000);
  narrowerGap.erase(narrowerGap.find("]     ") + 1, 2);
  EXPECT_EQ(terminal.row(3), narrowerGap);  // 80 columns, and nothing wrapped into it
  dictionary.buckets[0].count = dictionary.buckets[1].count = 0;
}

}  // namespace
