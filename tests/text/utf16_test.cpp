#include "text/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf16, PairsJoinAndLoneSurrogatesAreReplaced) {
  const std::u16string pair = u"\U0001F600";
  ASSERT_EQ(pair.size(), 2u);
  EXPECT_EQ(text::decodeUtf16(pair).codePoint, U'\U0001F600');
  EXPECT_EQ(text::decodeUtf16(pair).length, 2u);
  EXPECT_EQ(text::decodeUtf16(u"\u00e9").codePoint, U'\u00e9');
  const std::u16string loneHigh = {char16_t{0xD83D}, u'a'};
  EXPECT_EQ(text::decodeUtf16(loneHigh).codePoint, text::kReplacementCharacter);
  EXPECT_EQ(text::decodeUtf16(loneHigh).length, 1u);
  const std::u16string loneLow = {char16_t{0xDE00}};
  EXPECT_EQ(text::decodeUtf16(loneLow).codePoint, text::kReplacementCharacter);
}

TEST(Utf16, CharactersBeyondThePlaneBecomePairs) {
  std::u16string units;
  text::appendUtf16(units, U'a');
  text::appendUtf16(units, U'\U0001F600');
  text::appendUtf16(units, U'\U0010FFFF');
  EXPECT_EQ(units, (std::u16string{u'a', 0xD83D, 0xDE00, 0xDBFF, 0xDFFF}));
}

}  // namespace
