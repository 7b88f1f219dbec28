#include "text/letter_case.h"

#include <gtest/gtest.h>

#include "text/unicode_tables.h"

namespace {

using text::lowerCased;

TEST(LetterCase, AccentedCapitalsBecomeSmallLetters) {
  EXPECT_EQ(lowerCased("\u00C9T\u00C9"), "\u00E9t\u00E9");  // ÉTÉ
  EXPECT_EQ(lowerCased("\u00C4RGER"), "\u00E4rger");        // ÄRGER
  EXPECT_EQ(lowerCased("\u00D1and\u00DA"), "\u00F1and\u00FA");
}

TEST(LetterCase, OtherScriptsHaveTheirSmallLetters) {
  EXPECT_EQ(lowerCased("\u0416\u0410\u0420"), "\u0436\u0430\u0440");  // Cyrillic
  EXPECT_EQ(lowerCased("\u03A3\u039F\u03A6"), "\u03C3\u03BF\u03C6");  // Greek, Σ to σ (simple mapping)
  EXPECT_EQ(text::lowerCase(U'\u1E9E'), U'\u00DF');                   // capital sharp s
  EXPECT_EQ(text::lowerCase(U'\u0130'), U'i');                        // dotted capital I
}

TEST(LetterCase, AsciiFoldsAndAllElseStays) {
  EXPECT_EQ(lowerCased("PlAnET 42!"), "planet 42!");
  EXPECT_EQ(lowerCased("plan"), "plan");
  EXPECT_EQ(lowerCased(""), "");
}

// A letter with no lower case: small letters, ß (whose capital form is
// two letters), a caseless script, a mark.
TEST(LetterCase, LettersWithNoLowerCaseAreUnchanged) {
  EXPECT_EQ(lowerCased("stra\u00DFe"), "stra\u00DFe");
  EXPECT_EQ(lowerCased("\u00DF"), "\u00DF");
  EXPECT_EQ(lowerCased("\u05D0\u4E2D\u00AA"), "\u05D0\u4E2D\u00AA");
  EXPECT_EQ(text::lowerCase(U'\u00E9'), U'\u00E9');
  EXPECT_EQ(text::lowerCase(U'\u0301'), U'\u0301');
}

TEST(LetterCase, DecomposedCapitalKeepsItsMark) { EXPECT_EQ(lowerCased("E\u0301T\u00C9"), "e\u0301t\u00E9"); }

TEST(LetterCase, InvalidBytesAreKept) {
  EXPECT_EQ(lowerCased("\xC9T\xC9"), "\xC9t\xC9");  // Latin-1 ÉTÉ: the bytes stay
  EXPECT_EQ(lowerCased("A\xE2\x82"), "a\xE2\x82");  // a sequence cut short
  EXPECT_EQ(lowerCased("\x80\xFF"), "\x80\xFF");
}

TEST(LetterCase, TableIsSortedAndMapsToOtherCharacters) {
  const auto mappings = text::tables::lowerCases();
  ASSERT_FALSE(mappings.empty());
  for (size_t i = 0; i < mappings.size(); ++i) {
    EXPECT_NE(mappings[i].from, mappings[i].to) << i;
    if (i > 0) {
      EXPECT_LT(mappings[i - 1].from, mappings[i].from) << i;
    }
  }
}

}  // namespace
