#include "dictionary/contents.h"

#include <gtest/gtest.h>

namespace {

TEST(DictionaryContents, FindsAWordOfTheGivenLengthInAnyBucket) {
  containers::HTable<std::string> table;
  EXPECT_FALSE(dictionary::holdsWordOfLength(table, 6));
  for (const std::string word : {"cat", "dogs", "abcde"}) {
    table.buckets[static_cast<size_t>(table.hash(word))].insert(word);
  }
  EXPECT_TRUE(dictionary::holdsWordOfLength(table, 3));
  EXPECT_TRUE(dictionary::holdsWordOfLength(table, 5));
  EXPECT_FALSE(dictionary::holdsWordOfLength(table, 6));
  std::string last = "zzzzzz";
  table.buckets[static_cast<size_t>(table.hash(last))].insert(last);
  EXPECT_TRUE(dictionary::holdsWordOfLength(table, 6));
}

}  // namespace
