#include "rules/word_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace rules {

namespace {

using containers::hashWord;
using containers::kBucketCount;

class WordChoiceTest : public ::testing::Test {
 protected:
  void add(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(hashWord(word))].insert(word);
    }
  }
  // Bucket index reached by a draw, as the word choice computes it.
  static size_t bucketOf(int draw) { return static_cast<size_t>(draw % kBucketCount); }

  game_record::WordGame game;
};

std::string sorted(std::string letters) {
  std::sort(letters.begin(), letters.end());
  return letters;
}

TEST_F(WordChoiceTest, OnlySixLetterWordsAreReturned) {
  add({"ant", "tan", "plan", "plane", "planet", "bottle", "cats", "dogs", "eel", "lot", "lots", "trout"});
  std::set<std::string> chosen;
  std::srand(11);
  for (int i = 0; i < 300; ++i) chosen.insert(chooseWord(*game.dictionary));
  EXPECT_EQ(chosen, (std::set<std::string>{"planet", "bottle"}));
}

// A word holding a blank loads in the classic game, but a round on it could
// not be won: Space reshuffles, so its blank cannot be typed.
TEST_F(WordChoiceTest, AWordWithABlankIsNeverChosen) {
  add({"plane ", "lane", "pan", "planet", " plane"});
  std::set<std::string> chosen;
  std::srand(5);
  for (int i = 0; i < 300; ++i) chosen.insert(chooseWord(*game.dictionary));
  EXPECT_EQ(chosen, (std::set<std::string>{"planet"}));
}

TEST_F(WordChoiceTest, EmptyBucketsAreDrawnAgainWithoutFailing) {
  add({"planet"});
  for (unsigned seed : {1u, 2u, 3u, 99u, 12345u}) {
    std::srand(seed);
    EXPECT_EQ(chooseWord(*game.dictionary), "planet") << "seed " << seed;
  }
}

// The first draw picks the bucket, the second the position in it, counted
// from the head (the word inserted last).
TEST_F(WordChoiceTest, DrawsBucketThenPosition) {
  std::srand(5);
  int bucketDraw = std::rand();
  int positionDraw = std::rand();
  auto& bucket = game.dictionary->buckets[bucketOf(bucketDraw)];
  std::vector<std::string> words = {"first0", "second", "third0", "fourth", "fifth0"};
  for (const std::string& word : words) bucket.insert(word);
  size_t fromHead = static_cast<size_t>(positionDraw) % words.size();
  std::srand(5);
  EXPECT_EQ(chooseWord(*game.dictionary), words[words.size() - 1 - fromHead]);
}

TEST_F(WordChoiceTest, ShuffleKeepsEveryLetterAndLeavesFlagsFalse) {
  for (unsigned seed : {1u, 7u, 42u}) {
    std::srand(seed);
    game.letterUsed = {true, false, true, true, false, true};
    mangleWord(game, "bottle");
    EXPECT_EQ(sorted(game.mangledWord), sorted("bottle")) << "seed " << seed;
    EXPECT_EQ(std::count(game.letterUsed.begin(), game.letterUsed.end(), true), 0);
  }
}

// Position k of the result is the source letter at the k-th distinct value
// of rand() % 6; repeated values are drawn and thrown away.
TEST_F(WordChoiceTest, ShuffleTakesPositionsInTheOrderFirstDrawn) {
  std::srand(3);
  std::string expected;
  while (expected.size() < 6) {
    char letter = static_cast<char>('a' + std::rand() % 6);
    if (expected.find(letter) == std::string::npos) expected += letter;
  }
  std::srand(3);
  mangleWord(game, "abcdef");
  EXPECT_EQ(game.mangledWord, expected);
}

}  // namespace

}  // namespace rules
