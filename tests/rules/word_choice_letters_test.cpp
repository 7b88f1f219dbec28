// The word choice and the shuffle with characters for letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/letters.h"
#include "rules/word_choice.h"

namespace rules {

namespace {

using dictionary::LetterRule;

class WordChoiceLettersTest : public ::testing::Test {
 protected:
  void add(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
  }

  dictionary::ScopedLetterRule characters{LetterRule::kCharacters};
  game_record::WordGame game;
};

std::vector<std::string> sortedLetters(std::string_view word) {
  std::vector<std::string> letters;
  for (std::string_view letter : dictionary::lettersOf(word)) letters.emplace_back(letter);
  std::sort(letters.begin(), letters.end());
  return letters;
}

// éclat is six bytes but five letters; étoffé and a Latin-1 word of six
// letters are six.
TEST_F(WordChoiceLettersTest, SixLettersNotSixBytesAreChosen) {
  add({"éclat", "étoffé", "\xE9tages", "plane", "cafés"});
  std::set<std::string> chosen;
  std::srand(5);
  for (int i = 0; i < 400; ++i) chosen.insert(chooseWord(*game.dictionary));
  EXPECT_EQ(chosen, (std::set<std::string>{"étoffé", "\xE9tages"}));
}

TEST_F(WordChoiceLettersTest, TheShuffleKeepsEachLetterWhole) {
  for (const std::string word : {"étoffé", "straße", "cre\u0300mes", "\xE9t\xE9s\xE9s"}) {
    std::srand(3);
    for (int i = 0; i < 50; ++i) {
      mangleWord(game, word);
      ASSERT_EQ(sortedLetters(game.mangledWord), sortedLetters(word)) << game.mangledWord;
      ASSERT_EQ(dictionary::letterCount(game.mangledWord), 6U);
    }
  }
  // A reshuffle of the letters on show, as Space makes.
  mangleWord(game, game.mangledWord);
  EXPECT_EQ(sortedLetters(game.mangledWord), sortedLetters("\xE9t\xE9s\xE9s"));
}

}  // namespace

}  // namespace rules
