#include "dictionary/word_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "dictionary/letters.h"

namespace {

using dictionary::isUsableWord;

// What the line gives, as the loader reads it: 8 bytes readable from its start.
std::string wordOfLine(std::string_view line) {
  std::string readable(line);
  readable.resize(line.size() + 8, '\0');
  const dictionary::LineWord read = dictionary::readLineWord(readable.data(), line.size());
  if (!read.usable) return "<not usable>";
  char padded[8];
  dictionary::storeEightBytes(padded, read.lanes);
  return std::string(padded, read.length);
}

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

// With characters for letters a blank is no letter; the classic game keeps it.
TEST(WordFilter, ASpaceIsRefusedOnlyWithCharacters) {
  EXPECT_TRUE(isUsableWord("ab c"));
  const dictionary::ScopedLetterRule characters(dictionary::LetterRule::kCharacters);
  EXPECT_FALSE(isUsableWord("ab c"));
  EXPECT_FALSE(isUsableWord("plane "));
  EXPECT_TRUE(isUsableWord("planet"));
  std::string readable = "pla ne" + std::string(8, '\0');
  EXPECT_FALSE(dictionary::readLineWord(readable.data(), 6, true).usable);
  EXPECT_TRUE(dictionary::readLineWord(readable.data(), 6, false).usable);
}

TEST(WordFilter, OnlyOneTrailingCarriageReturnIsALineEnd) {
  EXPECT_EQ(wordOfLine("cat\r"), "cat");
  EXPECT_EQ(wordOfLine("cat"), "cat");
  EXPECT_EQ(wordOfLine("abcdef\r"), "abcdef");
  EXPECT_EQ(wordOfLine("cat\r\r"), "<not usable>");
  EXPECT_EQ(wordOfLine("c\rat"), "<not usable>");
  EXPECT_EQ(wordOfLine("ab\r"), "<not usable>");
  EXPECT_EQ(wordOfLine("abcdefg"), "<not usable>");
}

// A line's bytes past its end, however they look, never decide anything.
TEST(WordFilter, LinesDecidedByTheirOwnBytesOnly) {
  for (size_t length = 3; length <= 7; ++length) {
    for (const char after : {'\0', '\'', '\r', 'x'}) {
      const std::string line(length, 'k');
      const std::string readable = line + std::string(8, after);
      const dictionary::LineWord read = dictionary::readLineWord(readable.data(), length);
      EXPECT_EQ(read.usable, length <= 6) << length << " then " << int{after};
      EXPECT_EQ(read.length, length);
      EXPECT_EQ(wordOfLine(line), read.usable ? line : "<not usable>");
    }
  }
}

}  // namespace
