#include "dictionary/contents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "dictionary/letters.h"
#include "game_record/word_game.h"

namespace {

using dictionary::sampleWords;

void add(containers::WordTable& table, const std::string& text) {
  const containers::ShortWord word(text);
  table.buckets[static_cast<size_t>(table.hash(word))].insert(word);
}

std::vector<std::string> sorted(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  return words;
}

TEST(SampleWords, EveryWordOfASmallTableAndNoneOfAnEmptyOne) {
  containers::WordTable table;
  EXPECT_TRUE(sampleWords(table, 10).empty());
  for (const char* word : {"ant", "tan", "planet"}) add(table, word);
  EXPECT_EQ(sorted(sampleWords(table, 3)), (std::vector<std::string>{"ant", "planet", "tan"}));
  EXPECT_EQ(sorted(sampleWords(table, 256)), (std::vector<std::string>{"ant", "planet", "tan"}));
  EXPECT_TRUE(sampleWords(table, 0).empty());
}

// Words that share their first letters share a bucket: a sample of the first
// buckets alone would hold only the words made first.
TEST(SampleWords, ALargeTableGivesAtMostTheCountAskedSpreadOverItsWords) {
  containers::WordTable table;
  std::vector<std::string> words;
  for (char first = 'a'; first <= 'z'; ++first) {
    for (char second = 'a'; second <= 'z'; ++second) words.push_back(std::string{first, second, 'x'});
  }
  for (const std::string& word : words) add(table, word);
  const std::vector<std::string> sample = sampleWords(table, 100);
  EXPECT_LE(sample.size(), 100u);
  EXPECT_GE(sample.size(), 90u);
  std::set<char> firsts;
  for (const std::string& word : sample) {
    EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << word;
    firsts.insert(word[0]);
  }
  EXPECT_GE(firsts.size(), 20u);
  EXPECT_EQ(std::set<std::string>(sample.begin(), sample.end()).size(), sample.size());
}

class ContentsTest : public ::testing::Test {
 protected:
  void add(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
  }

  game_record::WordGame game;
};

TEST_F(ContentsTest, AWordOfTheLengthIsFound) {
  add({"lane", "pan", "planet"});
  EXPECT_TRUE(dictionary::holdsWordOfLength(*game.dictionary, 6));
  EXPECT_TRUE(dictionary::holdsWordOfLength(*game.dictionary, 3));
  EXPECT_FALSE(dictionary::holdsWordOfLength(*game.dictionary, 5));
}

// In the classic game "plane " loads as a six-letter word, but no round can
// be played on it: a list with no other is one with no word to play.
TEST_F(ContentsTest, AWordWithABlankIsNoneARoundCanUse) {
  const dictionary::ScopedLetterRule bytes(dictionary::LetterRule::kBytes);
  add({"plane ", "lane", "pan"});
  EXPECT_FALSE(dictionary::holdsWordOfLength(*game.dictionary, 6));
}

}  // namespace
