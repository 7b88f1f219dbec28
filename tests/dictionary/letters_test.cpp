#include "dictionary/letters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using dictionary::LetterRule;
using dictionary::ScopedLetterRule;
using Letters = std::vector<std::string_view>;

class CharacterLetters : public ::testing::Test {
 protected:
  ScopedLetterRule characters{LetterRule::kCharacters};
};

TEST_F(CharacterLetters, ACharacterOfTwoThreeOrFourBytesIsOneLetter) {
  EXPECT_EQ(dictionary::lettersOf("éclat"), (Letters{"é", "c", "l", "a", "t"}));
  EXPECT_EQ(dictionary::lettersOf("a€b"), (Letters{"a", "€", "b"}));
  EXPECT_EQ(dictionary::lettersOf("x\U0001D49Cy"), (Letters{"x", "\U0001D49C", "y"}));
  EXPECT_EQ(dictionary::letterCount("straße"), 6U);
  EXPECT_EQ(dictionary::letterCount("niño"), 4U);
}

TEST_F(CharacterLetters, CombiningMarksBelongToTheLetterBefore) {
  // e, then a combining acute accent and a combining diaeresis.
  EXPECT_EQ(dictionary::lettersOf("ce\u0301\u0308a"), (Letters{"c", "e\u0301\u0308", "a"}));
  EXPECT_EQ(dictionary::printableLetterCount("ce\u0301a"), 3U);
  // A mark with nothing before it is no letter a player could see.
  EXPECT_EQ(dictionary::printableLetterCount("\u0301abc"), 0U);
}

TEST_F(CharacterLetters, BytesThatAreNoUtf8AreLatin1Letters) {
  // "été" in Latin-1, a lone continuation byte, a lead byte cut short, and
  // an overlong form of '/'.
  EXPECT_EQ(dictionary::lettersOf("\xE9t\xE9"), (Letters{"\xE9", "t", "\xE9"}));
  EXPECT_EQ(dictionary::lettersOf("a\xA9"), (Letters{"a", "\xA9"}));
  EXPECT_EQ(dictionary::lettersOf("\xC3z"), (Letters{"\xC3", "z"}));
  EXPECT_EQ(dictionary::lettersOf("\xC0\xAF"), (Letters{"\xC0", "\xAF"}));
  EXPECT_EQ(dictionary::shownText("\xE9t\xE9"), "été");
  EXPECT_EQ(dictionary::shownText("été"), "été");
}

// Shuffled, a lone Latin-1 © (A9) after a lone Ã (C3) would read as é:
// such a word is refused, and the letters of a usable word with stray
// bytes split the same in every order.
TEST_F(CharacterLetters, AUsableWordSplitsIntoItsLettersInEveryOrder) {
  EXPECT_EQ(dictionary::printableLetterCount("\xC3x\xA9yz"), 0U);
  EXPECT_EQ(dictionary::printableLetterCount("\xC2\xA9xyz"), 4U);  // a whole ©
  const std::string word = std::string("\xC3\xE9t\xC0") + "e\u0301\xF5";
  ASSERT_EQ(dictionary::printableLetterCount(word), 6U);
  std::vector<std::string_view> letters = dictionary::lettersOf(word);
  std::sort(letters.begin(), letters.end());
  do {
    std::string shuffled;
    for (std::string_view letter : letters) shuffled += letter;
    ASSERT_EQ(dictionary::lettersOf(shuffled), letters);
  } while (std::next_permutation(letters.begin(), letters.end()));
}

TEST_F(CharacterLetters, WideAndUnprintableCharactersAreRefused) {
  EXPECT_EQ(dictionary::printableLetterCount("日本語"), 0U);
  EXPECT_EQ(dictionary::printableLetterCount("ａｂｃ"), 0U);     // full-width forms
  EXPECT_EQ(dictionary::printableLetterCount("ab\u200Bc"), 0U);  // zero-width space
  EXPECT_EQ(dictionary::printableLetterCount("ab\x85"), 0U);     // a Latin-1 control
  EXPECT_EQ(dictionary::printableLetterCount("ab\tc"), 0U);
  EXPECT_EQ(dictionary::printableLetterCount("čaj"), 3U);
  EXPECT_EQ(dictionary::printableLetterCount("άλφα"), 4U);
}

TEST_F(CharacterLetters, LeadingLettersKeepEachLetterWhole) {
  EXPECT_EQ(dictionary::leadingLetters("éclat", 2), "éc");
  EXPECT_EQ(dictionary::leadingLetters("ab", 5), "ab");
}

// é as one character, as e and a combining acute, or as the Latin-1 byte
// that shows as é: a word list and a keyboard may each use any of them.
TEST_F(CharacterLetters, CanonicallyEquivalentLettersAreTheSameLetter) {
  EXPECT_TRUE(dictionary::sameLetter("\u00E9", "e\u0301"));
  EXPECT_TRUE(dictionary::sameLetter("e\u0301", "\u00E9"));
  EXPECT_TRUE(dictionary::sameLetter("\xE9", "\u00E9"));
  EXPECT_TRUE(dictionary::sameLetter("\u1EAD", "a\u0302\u0323"));
  EXPECT_TRUE(dictionary::sameLetter("k", "k"));
  EXPECT_FALSE(dictionary::sameLetter("e", "\u00E9"));
  EXPECT_FALSE(dictionary::sameLetter("e", "e\u0301"));
  EXPECT_FALSE(dictionary::sameLetter("\u00E9", "\u00E8"));
  EXPECT_FALSE(dictionary::sameLetter("K", "k"));
}

// A blank shows as nothing and its key, Space, reshuffles a round: no word
// holding one is usable, whether the blank is a space or another separator.
TEST_F(CharacterLetters, BlanksAreNoLettersOfAWord) {
  EXPECT_EQ(dictionary::printableLetterCount("plane "), 0U);
  EXPECT_EQ(dictionary::printableLetterCount("caf\u00E9 x"), 0U);
  EXPECT_EQ(dictionary::printableLetterCount("caf\u00A0e"), 0U);
  EXPECT_EQ(dictionary::printableLetterCount("\u3000abc"), 0U);
  EXPECT_TRUE(dictionary::holdsBlank("plane "));
  EXPECT_TRUE(dictionary::holdsBlank("caf\u00A0e"));
  EXPECT_FALSE(dictionary::holdsBlank("planet"));
  EXPECT_FALSE(dictionary::holdsBlank("\u00E9toff\u00E9"));
}

// Marks of every script join their letter, not only those of Latin letters.
TEST_F(CharacterLetters, MarksOfOtherScriptsJoinTheirLetter) {
  EXPECT_EQ(dictionary::lettersOf("\u0E01\u0E34\u0E19"), (Letters{"\u0E01\u0E34", "\u0E19"}));  // Thai
  EXPECT_EQ(dictionary::lettersOf("\u05E9\u05C1\u05B8"), (Letters{"\u05E9\u05C1\u05B8"}));      // Hebrew
  EXPECT_EQ(dictionary::lettersOf("\u0915\u094D\u0937"), (Letters{"\u0915\u094D", "\u0937"}));  // Devanagari
}

// The classic game counts bytes and shows them as they are.
TEST(LettersClassic, EveryByteIsALetter) {
  const ScopedLetterRule bytes(LetterRule::kBytes);
  EXPECT_EQ(dictionary::letterCount("éclat"), 6U);
  EXPECT_EQ(dictionary::lettersOf("\xC3\xA9"), (Letters{"\xC3", "\xA9"}));
  EXPECT_EQ(dictionary::shownText("\xE9t\xE9"), "\xE9t\xE9");
  EXPECT_EQ(dictionary::leadingLetters("éclat", 2), "\xC3\xA9");
}

// Blanks load as they are in the classic game (no round is played on them),
// and letters are the same only when their bytes are.
TEST(LettersClassic, OnlyTheSpaceIsABlankAndLettersCompareAsBytes) {
  const ScopedLetterRule bytes(LetterRule::kBytes);
  EXPECT_TRUE(dictionary::holdsBlank("plane "));
  EXPECT_FALSE(dictionary::holdsBlank("caf\u00A0e"));
  EXPECT_TRUE(dictionary::sameLetter("\xC3", "\xC3"));
  EXPECT_FALSE(dictionary::sameLetter("\u00E9", "e\u0301"));
}

}  // namespace
