#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Read {
  char32_t codePoint;
  size_t length;
  bool valid;
};

Read read(std::string_view bytes) {
  const text::Character character = text::decode(bytes);
  return {character.codePoint, character.length, character.valid};
}

bool operator==(const Read& a, const Read& b) {
  return a.codePoint == b.codePoint && a.length == b.length && a.valid == b.valid;
}

TEST(Utf8, DecodesEveryLength) {
  EXPECT_EQ(read("a"), (Read{U'a', 1, true}));
  EXPECT_EQ(read("\xC3\xA9x"), (Read{U'\u00E9', 2, true}));
  EXPECT_EQ(read("\xE2\x82\xAC"), (Read{U'\u20AC', 3, true}));
  EXPECT_EQ(read("\xF0\x9F\x98\x80"), (Read{U'\U0001F600', 4, true}));
  EXPECT_EQ(read("\xF4\x8F\xBF\xBF"), (Read{text::kLastCodePoint, 4, true}));
}

// Each invalid form is its first byte alone, as that byte's Latin-1 character.
TEST(Utf8, InvalidFormsAreTheirFirstByteAlone) {
  for (const std::string bytes : {
           "\xC0\xAF",          // overlong '/'
           "\xC1\xBF",          // overlong
           "\xE0\x80\xAF",      // overlong, three bytes
           "\xF0\x80\x80\xAF",  // overlong, four bytes
           "\xED\xA0\x80",      // a surrogate
           "\xF4\x90\x80\x80",  // past U+10FFFF
           "\xF5\x80\x80\x80",  // a lead no sequence has
           "\xC3\x41",          // a byte that does not continue
           "\xE2\x82",          // cut short
           "\x80",              // a continuation with no lead
           "\xFF",
       }) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    EXPECT_EQ(read(bytes), (Read{lead, 1, false})) << "lead " << int{lead};
  }
}

TEST(Utf8, SequenceLengthFromTheLeadByte) {
  for (int byte = 0; byte < 256; ++byte) {
    size_t expected = 0;
    if (byte < 0x80) expected = 1;
    if (byte >= 0xC2 && byte <= 0xDF) expected = 2;
    if (byte >= 0xE0 && byte <= 0xEF) expected = 3;
    if (byte >= 0xF0 && byte <= 0xF4) expected = 4;
    EXPECT_EQ(text::sequenceLength(static_cast<unsigned char>(byte)), expected) << byte;
    EXPECT_EQ(text::isContinuation(static_cast<unsigned char>(byte)), byte >= 0x80 && byte <= 0xBF) << byte;
  }
}

TEST(Utf8, UnfinishedOnlyWhileMoreBytesCouldComplete) {
  EXPECT_TRUE(text::isUnfinished("\xE2"));
  EXPECT_TRUE(text::isUnfinished("\xE2\x82"));
  EXPECT_TRUE(text::isUnfinished("\xF0\x9F\x98"));
  EXPECT_FALSE(text::isUnfinished("\xE2\x82\xAC"));
  EXPECT_FALSE(
      text::isUnfinished("\xE2"
                         "a"));
  EXPECT_FALSE(text::isUnfinished("\x80"));
  EXPECT_FALSE(text::isUnfinished("a"));
  EXPECT_FALSE(text::isUnfinished(""));
}

TEST(Utf8, EncodesEveryLength) {
  EXPECT_EQ(text::utf8Of(U'a'), "a");
  EXPECT_EQ(text::utf8Of(U'\u00e9'), "\xc3\xa9");
  EXPECT_EQ(text::utf8Of(U'\u25a0'), "\xe2\x96\xa0");
  EXPECT_EQ(text::utf8Of(U'\U0001F600'), "\xf0\x9f\x98\x80");
}

// Every scalar value decodes back from its encoding, taking all its bytes.
TEST(Utf8, EveryCharacterRoundTrips) {
  for (char32_t c = 0; c <= text::kLastCodePoint; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::string bytes = text::utf8Of(c);
    const text::Character back = text::decode(bytes);
    ASSERT_TRUE(back.valid && back.codePoint == c && back.length == bytes.size()) << static_cast<uint32_t>(c);
  }
}

}  // namespace
