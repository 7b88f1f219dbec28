#include "text/composition.h"

#include <gtest/gtest.h>

namespace {

using text::composed;

TEST(Composition, BaseAndMarkBecomeOneCharacter) {
  EXPECT_EQ(composed("e\u0301"), "\u00E9");
  EXPECT_EQ(composed("caf"
                     "e\u0301"),
            "caf\u00E9");
  EXPECT_EQ(composed("\u00E9"), "\u00E9");
  EXPECT_EQ(composed("n\u0303o"), "\u00F1o");
  EXPECT_EQ(composed("plain"), "plain");
  EXPECT_EQ(composed(""), "");
}

// Marks are put in canonical order first, so either order of two marks of
// different classes composes to the same letter.
TEST(Composition, MarksInEitherOrderGiveOneForm) {
  EXPECT_EQ(composed("a\u0323\u0302"), "\u1EAD");
  EXPECT_EQ(composed("a\u0302\u0323"), "\u1EAD");
  EXPECT_EQ(composed("\u00E2\u0323"), "\u1EAD");
  // Two marks of one class keep their order: only the first joins.
  EXPECT_EQ(composed("e\u0301\u0300"), "\u00E9\u0300");
}

TEST(Composition, ExclusionsAndSingletonsStayDecomposed) {
  EXPECT_EQ(composed("\u0915\u093C"), "\u0915\u093C");  // क़ is excluded from composition
  EXPECT_EQ(composed("\u0958"), "\u0915\u093C");
  EXPECT_EQ(composed("\u212B"), "\u00C5");  // the Angstrom sign is Å
  EXPECT_EQ(composed("\u0344"), "\u0308\u0301");
}

TEST(Composition, HangulJamoBecomeSyllables) {
  EXPECT_EQ(composed("\u1100\u1161"), "\uAC00");
  EXPECT_EQ(composed("\u1100\u1161\u11A8"), "\uAC01");
  EXPECT_EQ(composed("\uAC00\u11A8"), "\uAC01");
  EXPECT_EQ(composed("\uAC01"), "\uAC01");
}

// A byte that is no part of UTF-8 stays, and nothing joins across it.
TEST(Composition, InvalidBytesAreUntouched) {
  EXPECT_EQ(composed("\xE9t\xE9"), "\xE9t\xE9");
  EXPECT_EQ(composed("e\xFF\xCC\x81"), "e\xFF\xCC\x81");
  EXPECT_EQ(composed("e\xCC\x81\xC3"), "\u00E9\xC3");
}

}  // namespace
