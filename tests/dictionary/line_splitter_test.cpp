#include "dictionary/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using dictionary::LineSplitter;

constexpr const char* kTooLong = "<too long>";

// The lines of text when it arrives in chunks of chunkSize bytes.
std::vector<std::string> splitInChunks(std::string_view text, size_t chunkSize) {
  LineSplitter splitter;
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size(); at += chunkSize) {
    splitter.setChunk(text.substr(at, chunkSize));
    for (dictionary::Line line; splitter.nextLine(line);) {
      lines.push_back(line.tooLong ? kTooLong : std::string(line.bytes));
    }
  }
  return lines;
}

TEST(LineSplitter, SameLinesWhereverTheChunksEnd) {
  std::string text = "cat\r\ndogs\n\nabcdefg\nabcdefgh\nelephant\r\n\nunfinished";
  std::vector<std::string> expected{"cat\r", "dogs", "", "abcdefg", kTooLong, kTooLong, ""};
  for (size_t chunkSize = 1; chunkSize <= text.size(); ++chunkSize) {
    EXPECT_EQ(splitInChunks(text, chunkSize), expected) << "chunks of " << chunkSize;
  }
}

TEST(LineSplitter, AnEmptyChunkGivesNothing) {
  LineSplitter splitter;
  dictionary::Line line;
  splitter.setChunk({});
  EXPECT_FALSE(splitter.nextLine(line));
  splitter.setChunk("\n");
  ASSERT_TRUE(splitter.nextLine(line));
  EXPECT_EQ(line.bytes, "");
  EXPECT_FALSE(line.tooLong);
}

}  // namespace
