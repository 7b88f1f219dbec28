#include "stats/statistics_viewer.h"

#include <algorithm>
#include <iostream>
#include <string>

#include "console/console.h"

namespace stats {
namespace {

// The table always has this many buckets; the view does not read its size.
constexpr int32_t kBuckets = containers::kBucketCount;
constexpr int32_t kRowsPerPage = 20;
constexpr int32_t kLastFirstBucket = kBuckets - kRowsPerPage;
// Page keys test against this margin rather than the page height.
constexpr int32_t kPageKeyMargin = 42;
constexpr uint16_t kFirstPageRow = 2;
constexpr uint16_t kFooterRow = 22;
constexpr size_t kRuleWidth = 79;
constexpr size_t kRowWidth = 80;
constexpr size_t kBarWidth = 40;
// The widths of a row's bucket number, count and percentage.
constexpr size_t kBucketField = 9;
constexpr size_t kCountField = 8;
constexpr size_t kPercentField = 3;
// The blanks between a row's bar and its total, fewer where a wide count or
// total would push the row past the screen's edge.
constexpr size_t kTotalGap = 5;

constexpr const char* kGathering = "Gathering Statistics... Please Wait...";
constexpr const char* kHeader =
    "Bucket # | # items |  %  |0        25%       50%       75%     100| Total Items";
constexpr const char* kFooterHelp =
    "'Q': Exit  |  Up/Down: Move 1 Line  |  PgUp/PgDn: Move 1 Page  |  %Empty: ";

struct BucketSpread {
  uint32_t maxCount = 1;  // never 0, so it can divide
  uint32_t emptyBuckets = 0;
};

struct Page {
  const containers::WordTable& dictionary;
  uint32_t maxCount;
  float scale;
  std::string filledCell;
};

BucketSpread gatherSpread(const containers::WordTable& dictionary) {
  BucketSpread spread;
  for (int32_t bucket = 0; bucket < kBuckets; ++bucket) {
    uint32_t count = dictionary.buckets[static_cast<size_t>(bucket)].count;
    if (count > spread.maxCount) spread.maxCount = count;
    if (count == 0) ++spread.emptyBuckets;
  }
  return spread;
}

void drawFixedParts(uint32_t emptyBuckets) {
  console::clearScreen();
  console::moveCursor(0, 0);
  std::cout << kHeader;
  console::lineEnd();
  std::cout << std::string(kRuleWidth, '-');
  console::lineEnd();
  drawStatisticsFooter(emptyBuckets);
}

// A number in a field of width columns, to the right or the left of it.
std::string inField(uint64_t number, size_t width, bool toTheLeft) {
  std::string text = std::to_string(number);
  if (text.size() < width) text.insert(toTheLeft ? text.size() : 0, width - text.size(), ' ');
  return text;
}

// Formatted into a string of its own, one per row, without a stream: the
// view redraws its whole page on every key. The percentage is taken in 64
// bits: a count times 100 passes 32 bits from about 43 million words on.
void drawBucketRow(const Page& page, int32_t bucket) {
  const uint32_t count = page.dictionary.buckets[static_cast<size_t>(bucket)].count;
  const std::string start = inField(static_cast<uint64_t>(bucket), kBucketField, true) + '|' +
                            inField(count, kCountField, false) + " |" +
                            inField(uint64_t{count} * 100 / page.maxCount, kPercentField, false) + "% [";
  const std::string total = std::to_string(page.maxCount);
  const size_t used = start.size() + kBarWidth + 1 + total.size();
  const size_t gap = used + kTotalGap <= kRowWidth ? kTotalGap : std::max<size_t>(kRowWidth - used, 1);
  std::cout << start;
  drawBucketBar(static_cast<float>(count) / page.scale, page.filledCell);
  std::cout << ']' << std::string(gap, ' ') << total;
  console::lineEnd();
}

void drawPage(const Page& page, int32_t firstBucket) {
  console::moveCursor(0, kFirstPageRow);
  for (int32_t row = 0; row < kRowsPerPage; ++row) drawBucketRow(page, firstBucket + row);
}

int32_t movedFirstBucket(int32_t firstBucket, int secondCode) {
  switch (secondCode) {
    case console::kDown: return firstBucket + kRowsPerPage < kBuckets ? firstBucket + 1 : kLastFirstBucket;
    case console::kUp: return firstBucket > 0 ? firstBucket - 1 : 0;
    case console::kPageDown:
      return firstBucket + kPageKeyMargin < kBuckets ? firstBucket + kRowsPerPage : kLastFirstBucket;
    case console::kPageUp: return firstBucket - kPageKeyMargin > 0 ? firstBucket - kRowsPerPage : 0;
    default: return firstBucket;
  }
}

// The footer names Q; with Caps Lock or Shift it arrives as Q, and counts.
bool leavesView(int key, bool escapeLeaves) {
  return key == 'q' || key == 'Q' || (escapeLeaves && key == console::kEscape);
}

}  // namespace

void showBucketStatistics(const containers::WordTable& dictionary, bool escapeLeaves) {
  std::cout << kGathering;
  const BucketSpread spread = gatherSpread(dictionary);
  const Page page{dictionary, spread.maxCount, static_cast<float>(spread.maxCount), filledBarCell()};
  drawFixedParts(spread.emptyBuckets);
  int32_t firstBucket = 0;
  for (;;) {
    drawPage(page, firstBucket);
    const int key = console::readKey();
    if (key == console::kExtendedKey) {
      firstBucket = movedFirstBucket(firstBucket, console::readKey());
    } else if (leavesView(key, escapeLeaves)) {
      return;
    }
  }
}

// Row 23 gets no line end: on a 24-row screen it would scroll everything up.
void drawStatisticsFooter(uint32_t emptyBuckets) {
  console::moveCursor(0, kFooterRow);
  std::cout << std::string(kRuleWidth, '-');
  console::lineEnd();
  const auto emptyPercent = static_cast<uint32_t>(emptyBuckets / static_cast<double>(kBuckets) * 100.0);
  std::cout << kFooterHelp << emptyPercent << '%';
}

}  // namespace stats
