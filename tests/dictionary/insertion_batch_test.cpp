#include "dictionary/insertion_batch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Table = containers::HTable<std::string>;

std::vector<std::string> bucketWords(const Table& table, uint32_t bucket) {
  std::vector<std::string> words;
  for (const auto* node = table.buckets[bucket].head; node != nullptr; node = node->next) {
    words.push_back(node->element);
  }
  return words;
}

// Words of 3 to 6 letters counted in base 26, so many share a bucket.
std::string nthWord(size_t n) {
  std::string word(3 + n % 4, 'a');
  for (size_t i = 0; i < word.size(); ++i, n /= 26) word[i] = static_cast<char>('a' + n % 26);
  return word;
}

TEST(InsertionBatch, EachBucketEndsAsIfEveryWordHadGoneInAtOnce) {
  Table batched;
  Table direct;
  dictionary::InsertionBatch batch;
  for (size_t n = 0; n < 150'000; ++n) {
    std::string word = nthWord(n);
    int32_t bucket = containers::hashWord(word);
    direct.buckets[static_cast<size_t>(bucket)].insert(word);
    batch.add(bucket, word);
    if (batch.full()) batch.insertInto(batched);
  }
  batch.insertInto(batched);
  for (uint32_t bucket = 0; bucket < direct.size; ++bucket) {
    ASSERT_EQ(bucketWords(batched, bucket), bucketWords(direct, bucket)) << "bucket " << bucket;
    EXPECT_EQ(batched.buckets[bucket].count, direct.buckets[bucket].count);
  }
}

TEST(InsertionBatch, InsertingAnEmptyBatchChangesNothing) {
  Table table;
  dictionary::InsertionBatch batch;
  batch.insertInto(table);
  batch.add(338, "cat");
  batch.insertInto(table);
  batch.insertInto(table);
  EXPECT_EQ(bucketWords(table, 338), (std::vector<std::string>{"cat"}));
}

}  // namespace
