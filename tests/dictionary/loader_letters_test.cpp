// Loading with characters for letters, as every game but the classic one
// does: accented words count their letters, and ASCII lists load as ever.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dictionary/letters.h"
#include "dictionary/loader.h"
#include "support/fake_terminal.h"
#include "support/temp_folder.h"

namespace {

using dictionary::LetterRule;
using Words = std::vector<std::string>;

// Every word of the table, bucket by bucket from each head.
Words tableWords(const WordGame& game) {
  Words words;
  for (uint32_t i = 0; i < game.dictionary->size; ++i) {
    for (const auto* node = game.dictionary->buckets[i].head; node != nullptr; node = node->next) {
      words.push_back(node->element);
    }
  }
  return words;
}

Words sorted(Words words) {
  std::sort(words.begin(), words.end());
  return words;
}

class LoaderLettersTest : public ::testing::Test {
 protected:
  bool load(std::string_view contents, bool verbose = false) {
    return loadDictionary(folder.write("words.txt", contents), game, verbose);
  }

  support::TempFolder folder;
  support::FakeTerminal terminal;
  dictionary::ScopedLetterRule characters{LetterRule::kCharacters};
  WordGame game;
};

TEST_F(LoaderLettersTest, UsableLinesOfAMixedList) {
  const std::string list =
      "éclat\n"        // 5 letters, 6 bytes
      "étoffé\r\n"     // 6 letters, 8 bytes, CR LF
      "änderungen\n"   // 10 letters
      "ça\n"           // 2 letters
      "l'été\n"        // apostrophe
      "日本語\n"       // wide
      "\xE9t\xE9\n"    // Latin-1: 3 letters
      "cre\u0300me\n"  // 5 letters, one with a combining mark
      "abcdefg\n"      // 7 ASCII letters
      "straße\n"       // 6 letters
      "a\xC3(b\n"      // a cut-short sequence: 4 letters
      "ab\x85"
      "cd\n";  // a Latin-1 control
  ASSERT_TRUE(load(list, true));
  EXPECT_EQ(sorted(tableWords(game)),
            sorted({"éclat", "étoffé", "\xE9t\xE9", "cre\u0300me", "straße", "a\xC3(b"}));
  EXPECT_EQ(terminal.row(0), "Loading and hashing: DONE! (Total usable words: 6 of 12)");
}

// A line with a blank is no word, on the fast path for ASCII lines and the
// one for lines with other characters alike; the classic game keeps them.
TEST_F(LoaderLettersTest, LinesWithABlankAreNoWords) {
  const std::string list = "plane \nlane\npan\npla ne\ncaf\u00E9 x\nno\u00A0ok\n";
  ASSERT_TRUE(load(list));
  EXPECT_EQ(sorted(tableWords(game)), sorted({"lane", "pan"}));
  game.dictionary->clear();
  const dictionary::ScopedLetterRule bytes(LetterRule::kBytes);
  ASSERT_TRUE(load(list));
  EXPECT_EQ(sorted(tableWords(game)), sorted({"plane ", "lane", "pan", "pla ne", "no\u00A0ok"}));
}

// An ASCII list gives the same table and output, word for word and byte
// for byte, whichever rule counts its letters.
TEST_F(LoaderLettersTest, AsciiListsLoadAsInTheClassicGame) {
  const std::string list = "cat\ndogs\na\ndon't\nelephant\r\nabcdef\r\nab\tc\nplanet\n";
  ASSERT_TRUE(load(list, true));
  const Words withCharacters = tableWords(game);
  const std::string output = terminal.output();
  game.dictionary->clear();
  {
    const dictionary::ScopedLetterRule bytes(LetterRule::kBytes);
    ASSERT_TRUE(load(list, true));
  }
  EXPECT_EQ(tableWords(game), withCharacters);
  EXPECT_EQ(terminal.output(), output + output);
}

// A chunk of plain ASCII is split as in the classic game, yet a word that
// begins in it and ends in the next, accented, chunk is still loaded whole.
TEST_F(LoaderLettersTest, AnAccentedWordAcrossTwoChunks) {
  std::string list;
  while (list.size() + 18 <= kLoaderChunkBytes - 3) list += "abcdefgh\n";
  list += std::string(kLoaderChunkBytes - 3 - list.size() - 1, 'z') + "\n";
  list += "affûté\nété\n";
  ASSERT_TRUE(load(list));
  EXPECT_EQ(sorted(tableWords(game)), sorted({"affûté", "été"}));
}

}  // namespace
