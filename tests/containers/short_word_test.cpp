#include "containers/short_word.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "containers/hash_table.h"

namespace {

using containers::ShortWord;

// Every length a dictionary word can have, every byte from 128 to 255 at
// every position, next to ordinary letters.
TEST(ShortWord, HoldsEveryHighByteAtEveryPositionAndLength) {
  for (size_t length = 3; length <= ShortWord::kCapacity; ++length) {
    for (int byte = 128; byte < 256; ++byte) {
      for (size_t position = 0; position < length; ++position) {
        std::string text(length, 'q');
        text[position] = static_cast<char>(byte);
        const ShortWord word(text);
        const ShortWord copy = word;
        std::ostringstream printed;
        printed << word;
        ASSERT_EQ(std::string(word), text) << byte << " at " << position;
        ASSERT_EQ(word.size(), length);
        ASSERT_EQ(printed.str(), text);
        ASSERT_EQ(copy, word);
        ASSERT_EQ(word.byteAt(position), byte);
        ASSERT_NE(word, ShortWord(text.substr(0, length - 1)));
        text[position] = static_cast<char>(byte - 1);
        ASSERT_NE(word, ShortWord(text));
      }
    }
  }
}

TEST(ShortWord, ZeroPaddedBytesMakeTheSameWordAsText) {
  char padded[ShortWord::kCapacity + 1] = {'p', 'l', 'a', 'n', 0, 0, 'x'};
  const ShortWord word(ShortWord::FromZeroPadded{}, padded, 4);
  EXPECT_EQ(word, ShortWord("plan"));
  EXPECT_EQ(word.byteAt(4), 0);
  EXPECT_EQ(containers::hashWord(word), 381);
}

// A word that ends in a zero byte is still its own length.
TEST(ShortWord, LengthCountsInEquality) {
  using namespace std::string_literals;
  EXPECT_NE(ShortWord("ca\0"s), ShortWord("ca"));
  EXPECT_EQ(ShortWord("ca\0"s).size(), 3U);
  EXPECT_EQ(ShortWord(""), ShortWord());
}

}  // namespace

// A word of more than six bytes (six letters of two bytes each, say) is
// kept apart, once, and still compares, converts and hashes by its bytes.
TEST(ShortWord, LongWordsKeepTheirBytesAndCompareAsTheyDo) {
  const ShortWord word(std::string("étoffé"));
  EXPECT_EQ(word.size(), 8U);
  EXPECT_EQ(std::string(word), "étoffé");
  EXPECT_EQ(word, ShortWord("étoffé"));
  EXPECT_NE(word, ShortWord("étoffée"));
  EXPECT_EQ(ShortWord::ifStored("étoffé"), word);
  EXPECT_NE(ShortWord::ifStored("éfoffé-never-stored"), ShortWord("éfoffé-stored"));
  EXPECT_EQ(ShortWord::ifStored("plan"), ShortWord("plan"));
  const auto byte = [](char c) { return static_cast<int32_t>(static_cast<unsigned char>(c)); };
  const int32_t sum = (byte('\xA9') * byte('t')) * byte('\xC3') + byte('o');
  EXPECT_EQ(containers::hashWord(word), sum % containers::kBucketCount);
}
