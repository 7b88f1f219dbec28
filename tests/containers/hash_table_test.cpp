#include "containers/hash_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using containers::hashWord;
using containers::kBucketCount;
using containers::ShortWord;
using containers::WordTable;
using WordList = containers::SLList<ShortWord>;

std::vector<std::string> walk(const WordList& list) {
  std::vector<std::string> words;
  for (const auto* node = list.head; node != nullptr; node = node->next) words.push_back(node->element);
  return words;
}

void add(WordTable& table, const std::string& word) {
  table.buckets[static_cast<size_t>(table.hash(word))].insert(word);
}

TEST(HashWord, KnownBuckets) {
  struct Case {
    const char* word;
    int32_t bucket;
  };
  for (const Case& c : {Case{"act", 338}, Case{"cat", 338}, Case{"tac", 338}, Case{"plan", 381},
                        Case{"planet", 381}, Case{"planes", 381}, Case{"cats", 453}, Case{"abc", 7}}) {
    EXPECT_EQ(hashWord(c.word), c.bucket) << c.word;
  }
}

TEST(HashWord, OnlyTheFirstFourBytesCount) {
  EXPECT_EQ(hashWord("catsup"), hashWord("cats"));
  EXPECT_NE(hashWord("cats"), hashWord("cat"));
}

TEST(HashWord, HighBytesLandInABucket) {
  for (const std::string word :
       {"\xff\xff\xff\xff", "\x80\x80\x80", "caf\xc3\xa9", "\xe9t\xe9", "a\xff\xfe"}) {
    int32_t bucket = hashWord(word);
    EXPECT_GE(bucket, 0) << word;
    EXPECT_LT(bucket, kBucketCount) << word;
  }
  // Bytes read as unsigned: 255 * 255 * 255 + 255 = 16581630, which is 381 modulo 577.
  EXPECT_EQ(hashWord("\xff\xff\xff\xff"), 381);
}

TEST(HTable, NewTableIsEmpty) {
  WordTable table;
  EXPECT_EQ(table.size, 577U);
  for (uint32_t i = 0; i < table.size; ++i) {
    EXPECT_EQ(table.buckets[i].head, nullptr);
    EXPECT_EQ(table.buckets[i].count, 0U);
  }
  EXPECT_EQ(table.find("cat"), -1);
}

TEST(HTable, FindIsExactAndCaseSensitive) {
  WordTable table;
  add(table, "cat");
  add(table, "act");
  EXPECT_EQ(table.find("cat"), 338);
  EXPECT_EQ(table.find("act"), 338);
  EXPECT_EQ(table.find("tac"), -1);  // its bucket holds other words
  EXPECT_EQ(table.find("Cat"), -1);
  EXPECT_EQ(table.find("cat "), -1);
}

TEST(SLList, NewestFirstAndDuplicatesKept) {
  containers::NodeArena<containers::Node<ShortWord>> nodes;
  WordList list(nodes);
  list.insert("cat");
  list.insert("act");
  list.insert("cat");
  EXPECT_EQ(list.count, 3U);
  EXPECT_EQ(walk(list), (std::vector<std::string>{"cat", "act", "cat"}));
  list.clear();
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(list.count, 0U);
}

TEST(HTable, ClearEmptiesEveryBucket) {
  WordTable table;
  for (const char* word : {"cat", "act", "plan", "planet", "zebra"}) add(table, word);
  table.clear();
  for (uint32_t i = 0; i < table.size; ++i) {
    EXPECT_EQ(table.buckets[i].head, nullptr);
    EXPECT_EQ(table.buckets[i].count, 0U);
  }
  EXPECT_EQ(table.find("plan"), -1);
}

TEST(HTable, FilledAgainAfterClear) {
  WordTable table;
  for (int round = 0; round < 3; ++round) {
    for (const char* word : {"cat", "act", "plan"}) add(table, word);
    EXPECT_EQ(walk(table.buckets[338]), (std::vector<std::string>{"act", "cat"})) << "round " << round;
    EXPECT_EQ(table.find("plan"), 381);
    table.clear();
  }
}

}  // namespace
