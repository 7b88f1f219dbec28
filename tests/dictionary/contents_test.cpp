#include "dictionary/contents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/letters.h"
#include "game_record/word_game.h"

namespace {

class ContentsTest : public ::testing::Test {
 protected:
  void add(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
  }

  WordGame game;
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
