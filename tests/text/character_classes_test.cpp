#include "text/character_classes.h"

#include <gtest/gtest.h>

#include <span>

#include "text/unicode_tables.h"

namespace {

TEST(CharacterClasses, CombiningMarksOfManyScripts) {
  for (const char32_t mark : {U'\u0301', U'\u0489', U'\u05B0', U'\u064B', U'\u0E31', U'\u0E48', U'\u094D',
                              U'\u1DC0', U'\u20DD', U'\uFE20', U'\U0001D167'}) {
    EXPECT_TRUE(text::isCombiningMark(mark)) << static_cast<uint32_t>(mark);
  }
  for (const char32_t other : {U'a', U'\u00E9', U'\u0E01', U'\u05D0', U'\u093E', U'\u200D'}) {
    EXPECT_FALSE(text::isCombiningMark(other)) << static_cast<uint32_t>(other);
  }
}

TEST(CharacterClasses, WideCharacters) {
  for (const char32_t wide :
       {U'\u1100', U'\u4E2D', U'\uAC00', U'\uFF21', U'\u3042', U'\U0001F600', U'\U00020000'}) {
    EXPECT_TRUE(text::isWide(wide)) << static_cast<uint32_t>(wide);
  }
  for (const char32_t narrow : {U'a', U'\u00E9', U'\u0416', U'\uFF61', U'\U0001F321'}) {
    EXPECT_FALSE(text::isWide(narrow)) << static_cast<uint32_t>(narrow);
  }
}

TEST(CharacterClasses, PrintableCharacters) {
  for (const char32_t shown : {U' ', U'a', U'~', U'\u00A0', U'\u00E9', U'\u4E2D', U'\u0301', U'\U0001F600'}) {
    EXPECT_TRUE(text::isPrintable(shown)) << static_cast<uint32_t>(shown);
  }
  for (const char32_t hidden :
       {U'\0', U'\x1B', U'\x7F', U'\u0085', U'\u00AD', U'\u0378', U'\u200B', U'\u2028', U'\u202E', U'\uE000',
        U'\uFEFF', U'\uFFFF', U'\U000E0001', U'\U000F0000', char32_t{0xD800}}) {
    EXPECT_FALSE(text::isPrintable(hidden)) << static_cast<uint32_t>(hidden);
  }
}

TEST(CharacterClasses, Blanks) {
  for (const char32_t blank : {U' ', U'\u00A0', U'\u2003', U'\u3000'}) EXPECT_TRUE(text::isBlank(blank));
  for (const char32_t other : {U'a', U'_', U'\t', U'\u200B'}) EXPECT_FALSE(text::isBlank(other));
}

TEST(CharacterClasses, CombiningClasses) {
  EXPECT_EQ(text::combiningClass(U'a'), 0);
  EXPECT_EQ(text::combiningClass(U'\u0301'), 230);
  EXPECT_EQ(text::combiningClass(U'\u0323'), 220);
  EXPECT_EQ(text::combiningClass(U'\u0327'), 202);
  EXPECT_EQ(text::combiningClass(U'\u05B0'), 10);
  EXPECT_EQ(text::combiningClass(U'\u094D'), 9);
}

// The classes search their tables by halves: each must be in order, with
// no range overlapping the next.
template <typename RangeType>
void expectSortedApart(std::span<const RangeType> ranges, const char* name) {
  ASSERT_FALSE(ranges.empty()) << name;
  for (size_t i = 0; i < ranges.size(); ++i) {
    EXPECT_LE(ranges[i].first, ranges[i].last) << name << " " << i;
    if (i > 0) {
      EXPECT_LT(ranges[i - 1].last, ranges[i].first) << name << " " << i;
    }
  }
}

TEST(CharacterClasses, TablesAreSortedAndApart) {
  expectSortedApart(text::tables::combiningMarks(), "marks");
  expectSortedApart(text::tables::wide(), "wide");
  expectSortedApart(text::tables::unprintable(), "unprintable");
  expectSortedApart(text::tables::blanks(), "blanks");
  expectSortedApart(text::tables::combiningClasses(), "classes");
  const auto decompositions = text::tables::decompositions();
  for (size_t i = 1; i < decompositions.size(); ++i)
    EXPECT_LT(decompositions[i - 1].composite, decompositions[i].composite);
  const auto compositions = text::tables::compositions();
  for (size_t i = 1; i < compositions.size(); ++i) {
    const auto& a = compositions[i - 1];
    const auto& b = compositions[i];
    EXPECT_TRUE(a.first < b.first || (a.first == b.first && a.second < b.second)) << i;
  }
}

}  // namespace
