#include "lines/statistics_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "containers/short_word.h"
#include "support/fake_line_terminal.h"

namespace {

void fill(containers::WordTable& table, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    const containers::ShortWord shortWord(word);
    table.buckets[static_cast<size_t>(table.hash(shortWord))].insert(shortWord);
  }
}

TEST(StatisticsSummary, CountsWordsEmptyBucketsAndTheFullest) {
  containers::WordTable table;
  fill(table, {"act", "cat", "tac", "dogs", "dog"});
  const lines::BucketSummary summary = lines::summarise(table);
  EXPECT_EQ(summary.words, 5U);
  EXPECT_EQ(summary.buckets, 577U);
  const auto actBucket = static_cast<uint32_t>(containers::hashWord(containers::ShortWord("act")));
  ASSERT_FALSE(summary.fullest.empty());
  EXPECT_EQ(summary.fullest[0], std::make_pair(actBucket, 3U));
  EXPECT_EQ(summary.fullest.size(), 3U);
  EXPECT_GE(summary.emptyBuckets, 577U - 3U);
}

TEST(StatisticsSummary, SaidInNumbersAndPagedABucketALine) {
  containers::WordTable table;
  fill(table, {"act", "cat"});
  support::FakeLineTerminal terminal;
  lines::Writer writer(terminal);
  lines::saySummary(writer, lines::summarise(table));
  const std::string said = terminal.output();
  EXPECT_TRUE(said.starts_with("Statistics: 2 words in 577 buckets.\nEmpty: 576 buckets, 99.8 percent.\n"))
      << said;
  EXPECT_NE(said.find("Fullest: bucket "), std::string::npos);
  EXPECT_EQ(lines::bucketPages(table), 29U);
  support::FakeLineTerminal page;
  lines::Writer pageWriter(page);
  lines::sayBucketPage(pageWriter, table, 29);
  EXPECT_EQ(page.output().substr(0, 26), "Bucket 560: 0 words.\nBucke");
  EXPECT_TRUE(page.output().ends_with("Bucket 576: 0 words.\n"));
  EXPECT_TRUE(support::outputProblems(said).empty());
}

}  // namespace
