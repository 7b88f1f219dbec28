#pragma once
// How the dictionary's words spread over the hash table's buckets, said in
// numbers: the full-screen view's bars become a short summary, and its
// pages lines of one bucket each, asked for one page at a time.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "containers/hash_table.h"
#include "lines/writer.h"

namespace lines {

constexpr uint32_t kBucketsPerPage = 20;
constexpr size_t kFullestShown = 3;

struct BucketSummary {
  uint32_t words = 0;
  uint32_t buckets = 0;
  uint32_t emptyBuckets = 0;
  /// The fullest buckets, fullest first (the lower number first among
  /// equals): bucket number and words.
  std::vector<std::pair<uint32_t, uint32_t>> fullest;
};

BucketSummary summarise(const containers::WordTable& table);
uint32_t bucketPages(const containers::WordTable& table);

/// The summary, a fact a line.
void saySummary(Writer& writer, const BucketSummary& summary);
/// Page page (from 1) of the buckets, a bucket a line.
void sayBucketPage(Writer& writer, const containers::WordTable& table, uint32_t page);

}  // namespace lines
