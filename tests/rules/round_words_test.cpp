#include "rules/round_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace rules {

namespace {

using Words = std::vector<std::string>;

class RoundWordsTest : public ::testing::Test {
 protected:
  void add(const Words& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
  }
  RoundWords wordsOf(const std::string& letters) { return findRoundWords(*game.dictionary, letters); }

  game_record::WordGame game;
};

TEST_F(RoundWordsTest, EachTypeableWordOnceByLengthInByteOrder) {
  // Two t's: tot and tote can be typed, a third t cannot. Capitals only
  // type capitals; a word listed twice counts once.
  add({"bottle", "tot", "tote", "tott", "bet", "bet", "lot", "Bet", "lobe", "belt", "to", "cat"});
  const RoundWords words = wordsOf("ltobte");
  EXPECT_EQ(words.byLength[0], (Words{"bet", "lot", "tot"}));
  EXPECT_EQ(words.byLength[1], (Words{"belt", "lobe", "tote"}));
  EXPECT_EQ(words.byLength[2], Words{});
  EXPECT_EQ(words.byLength[3], Words{"bottle"});
  EXPECT_EQ(words.total(), 7u);
  add({"BOTTLE"});
  EXPECT_EQ(wordsOf("LTOBTE").byLength[3], Words{"BOTTLE"});
}

TEST_F(RoundWordsTest, ABlankOnShowIsNeverTyped) {
  add({"ad hoc", "had", "a h", "cod", "\xe9t\xe9"});
  EXPECT_EQ(wordsOf("ad hoc").byLength[0], (Words{"cod", "had"}));
  EXPECT_EQ(wordsOf("\xe9tat\xe9").byLength[0], Words{"\xe9t\xe9"});
}

bool typeableFrom(std::string letters, const std::string& word) {
  for (char c : word) {
    const size_t at = letters.find(c);
    if (at == std::string::npos) return false;
    letters.erase(at, 1);
  }
  return true;
}

// Checked against the plain rule on a random dictionary: a word is there
// when its bytes are a sub-multiset of the letters.
TEST_F(RoundWordsTest, AgreesWithCountingTheLettersOfEveryWord) {
  std::mt19937 random(7);
  Words dictionary;
  for (int i = 0; i < 20000; ++i) {
    std::string word(3 + random() % 4, ' ');
    for (char& c : word) c = static_cast<char>('a' + random() % 6);
    dictionary.push_back(word);
  }
  add(dictionary);
  for (const std::string letters : {"abcdef", "aabbcc", "aaaaab", "fedcba"}) {
    RoundWords expected;
    for (const std::string& word : dictionary) {
      if (typeableFrom(letters, word)) expected.byLength[word.size() - 3].push_back(word);
    }
    for (Words& ofLength : expected.byLength) {
      std::sort(ofLength.begin(), ofLength.end());
      ofLength.erase(std::unique(ofLength.begin(), ofLength.end()), ofLength.end());
    }
    EXPECT_EQ(wordsOf(letters).byLength, expected.byLength) << letters;
  }
}

}  // namespace

}  // namespace rules
