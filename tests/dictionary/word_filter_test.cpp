#include "dictionary/word_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using dictionary::isUsableWord;
using dictionary::withoutCarriageReturn;

TEST(WordFilter, ApostrophesAndEveryControlByteAreRefused) {
  EXPECT_FALSE(isUsableWord("don't"));
  EXPECT_FALSE(isUsableWord("'tis"));
  for (int byte = 0; byte < 256; ++byte) {
    std::string word = "ab";
    word += static_cast<char>(byte);
    bool control = byte < 32 || byte == 127;
    EXPECT_EQ(isUsableWord(word), !control && byte != '\'') << "byte " << byte;
  }
}

TEST(WordFilter, OnlyOneTrailingCarriageReturnIsALineEnd) {
  EXPECT_EQ(withoutCarriageReturn("cat\r"), "cat");
  EXPECT_EQ(withoutCarriageReturn("cat"), "cat");
  EXPECT_EQ(withoutCarriageReturn("cat\r\r"), "cat\r");
  EXPECT_EQ(withoutCarriageReturn("c\rat"), "c\rat");
  EXPECT_EQ(withoutCarriageReturn(""), "");
}

}  // namespace
