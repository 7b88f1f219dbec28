#include "lines/statistics_summary.h"

#include <algorithm>

namespace lines {
namespace {

// "12.5": a share with one decimal, without the locale's say in it.
std::string percent(uint32_t part, uint32_t whole) {
  const uint32_t tenths = whole == 0 ? 0 : (part * 1000 + whole / 2) / whole;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " percent";
}

std::string wordsText(uint32_t count) { return std::to_string(count) + (count == 1 ? " word" : " words"); }

}  // namespace

BucketSummary summarise(const containers::WordTable& table) {
  BucketSummary summary;
  summary.buckets = table.size;
  std::vector<std::pair<uint32_t, uint32_t>> all;
  for (uint32_t i = 0; i < table.size; ++i) {
    const uint32_t count = table.buckets[i].count;
    summary.words += count;
    if (count == 0) ++summary.emptyBuckets;
    all.emplace_back(i, count);
  }
  std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  all.resize(std::min(all.size(), kFullestShown));
  summary.fullest = all;
  return summary;
}

uint32_t bucketPages(const containers::WordTable& table) {
  return (table.size + kBucketsPerPage - 1) / kBucketsPerPage;
}

void saySummary(Writer& writer, const BucketSummary& summary) {
  writer.say("Statistics", wordsText(summary.words) + " in " + std::to_string(summary.buckets) + " buckets.");
  writer.say("Empty", std::to_string(summary.emptyBuckets) + " buckets, " +
                          percent(summary.emptyBuckets, summary.buckets) + ".");
  std::string fullest;
  for (const auto& [bucket, words] : summary.fullest) {
    fullest +=
        (fullest.empty() ? "bucket " : ", bucket ") + std::to_string(bucket) + " with " + wordsText(words);
  }
  writer.say("Fullest", fullest + ".");
}

void sayBucketPage(Writer& writer, const containers::WordTable& table, uint32_t page) {
  const uint32_t first = (page - 1) * kBucketsPerPage;
  const uint32_t end = std::min(table.size, first + kBucketsPerPage);
  for (uint32_t i = first; i < end; ++i) {
    writer.say("Bucket " + std::to_string(i), wordsText(table.buckets[i].count) + ".");
  }
}

}  // namespace lines
