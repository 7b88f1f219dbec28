#include "dictionary/insertion_batch.h"

#include <algorithm>
#include <cassert>

namespace dictionary {

void InsertionBatch::add(int32_t bucket, std::string_view word) {
  assert(bucket >= 0 && bucket < containers::kBucketCount && word.size() <= kLongestUsable);
  if (pending_.empty()) pending_.reserve(kCapacity);
  PendingWord pending{};
  std::copy(word.begin(), word.end(), pending.bytes.begin());
  pending.length = static_cast<uint8_t>(word.size());
  pending.bucket = static_cast<uint16_t>(bucket);
  pending_.push_back(pending);
}

void InsertionBatch::insertInto(containers::HTable<std::string>& table) {
  // A counting sort by bucket, which keeps the order within each bucket.
  std::array<size_t, containers::kBucketCount + 1> firstOfBucket{};
  for (const PendingWord& word : pending_) ++firstOfBucket[word.bucket + 1U];
  for (size_t i = 1; i < firstOfBucket.size(); ++i) firstOfBucket[i] += firstOfBucket[i - 1];
  byBucket_.resize(pending_.size());
  for (const PendingWord& word : pending_) byBucket_[firstOfBucket[word.bucket]++] = word;
  std::string element;
  for (const PendingWord& word : byBucket_) {
    element.assign(word.bytes.data(), word.length);
    table.buckets[word.bucket].insert(element);
  }
  pending_.clear();
}

}  // namespace dictionary
