#include "dictionary/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using dictionary::LineSplitter;

constexpr const char* kTooLong = "<too long>";

// The lines of text when it arrives in chunks of chunkSize bytes.
std::vector<std::string> splitInChunks(std::string_view text, size_t chunkSize) {
  LineSplitter splitter(chunkSize);
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size(); at += chunkSize) {
    std::string_view chunk = text.substr(at, chunkSize);
    chunk.copy(splitter.chunk(), chunk.size());
    splitter.split(chunk.size(), [&lines](const char* line, size_t length) {
      lines.push_back(length == LineSplitter::kTooLong ? kTooLong : std::string(line, length));
    });
  }
  return lines;
}

// Lines of every length from 0 to 9, with and without a carriage return,
// and a run of empty lines, so that a chunk ends at every offset of every
// kind of line and eight bytes can hold eight line ends.
TEST(LineSplitter, SameLinesWhereverTheChunksEnd) {
  std::string text = "cat\r\ndogs\n\nabcdefg\nabcdefgh\nelephant\r\n" + std::string(10, '\n') + "unfinished";
  std::vector<std::string> expected{"cat\r", "dogs", "", "abcdefg", kTooLong, kTooLong};
  expected.insert(expected.end(), 10, "");
  for (size_t length = 0; length <= 9; ++length) {
    const std::string line(length, 'w');
    text.insert(0, line + "\r\n").insert(0, line + "\n");
    expected.insert(expected.begin(), {length <= 7 ? line : kTooLong, length <= 6 ? line + '\r' : kTooLong});
  }
  for (size_t chunkSize = 1; chunkSize <= text.size(); ++chunkSize) {
    ASSERT_EQ(splitInChunks(text, chunkSize), expected) << "chunks of " << chunkSize;
  }
}

// A chunk is searched a window of a few kilobytes at a time; lines that
// straddle two windows, or that run on over many chunks, come out whole.
TEST(LineSplitter, LinesAcrossWindowsAndManyChunks) {
  std::string text;
  std::vector<std::string> expected;
  for (size_t n = 0; text.size() < 20'000; ++n) {
    std::string line(n % 9, static_cast<char>('a' + n % 26));
    text += line + '\n';
    expected.push_back(line.size() <= 7 ? line : kTooLong);
  }
  text += std::string(50'000, 'x') + "\nend\n";
  expected.insert(expected.end(), {kTooLong, "end"});
  for (size_t chunkSize : {4096U, 5000U, 16'384U, 65'536U}) {
    EXPECT_EQ(splitInChunks(text, chunkSize), expected) << "chunks of " << chunkSize;
  }
}

TEST(LineSplitter, AnEmptyChunkGivesNothing) {
  LineSplitter splitter(16);
  std::vector<std::string> lines;
  auto collect = [&lines](const char* line, size_t length) { lines.emplace_back(line, length); };
  splitter.split(0, collect);
  EXPECT_TRUE(lines.empty());
  splitter.chunk()[0] = '\n';
  splitter.split(1, collect);
  EXPECT_EQ(lines, std::vector<std::string>{""});
}

}  // namespace
