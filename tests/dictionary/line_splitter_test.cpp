#include "dictionary/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using dictionary::LineSplitter;

struct Split {
  std::vector<std::string> handed;  ///< lines of 3 to 7 bytes, in order
  size_t lines = 0;                 ///< every complete line
};

// What the splitter makes of text arriving in chunks of chunkSize bytes.
Split splitInChunks(std::string_view text, size_t chunkSize) {
  LineSplitter splitter(chunkSize);
  Split split;
  for (size_t at = 0; at < text.size(); at += chunkSize) {
    std::string_view chunk = text.substr(at, chunkSize);
    chunk.copy(splitter.chunk(), chunk.size());
    split.lines += splitter.split(
        chunk.size(), [&split](const char* line, size_t length) { split.handed.emplace_back(line, length); });
  }
  return split;
}

// Lines of every length from 0 to 9, with and without a carriage return,
// and a run of empty lines, so that a chunk ends at every offset of every
// kind of line and eight bytes can hold eight line ends.
TEST(LineSplitter, SameLinesWhereverTheChunksEnd) {
  std::string text = "cat\r\ndogs\n\nabcdefg\nabcdefgh\nelephant\r\n" + std::string(10, '\n') + "unfinished";
  std::vector<std::string> handed{"cat\r", "dogs", "abcdefg"};
  size_t lines = 16;
  for (size_t length = 0; length <= 9; ++length) {
    const std::string line(length, 'w');
    text.insert(0, line + "\r\n").insert(0, line + "\n");
    if (length >= 2 && length <= 6) handed.insert(handed.begin(), line + '\r');
    if (length >= 3 && length <= 7) handed.insert(handed.begin(), line);
    lines += 2;
  }
  for (size_t chunkSize = 1; chunkSize <= text.size(); ++chunkSize) {
    const Split split = splitInChunks(text, chunkSize);
    ASSERT_EQ(split.handed, handed) << "chunks of " << chunkSize;
    ASSERT_EQ(split.lines, lines) << "chunks of " << chunkSize;
  }
}

// A chunk is searched a window of a few kilobytes at a time; lines that
// straddle two windows, or that run on over many chunks, come out whole.
TEST(LineSplitter, LinesAcrossWindowsAndManyChunks) {
  std::string text;
  std::vector<std::string> handed;
  size_t lines = 0;
  for (size_t n = 0; text.size() < 20'000; ++n, ++lines) {
    std::string line(n % 9, static_cast<char>('a' + n % 26));
    text += line + '\n';
    if (line.size() >= 3 && line.size() <= 7) handed.push_back(line);
  }
  text += std::string(50'000, 'x') + "\nend\n";
  handed.emplace_back("end");
  lines += 2;
  for (size_t chunkSize : {4096U, 5000U, 16'384U, 65'536U}) {
    const Split split = splitInChunks(text, chunkSize);
    EXPECT_EQ(split.handed, handed) << "chunks of " << chunkSize;
    EXPECT_EQ(split.lines, lines) << "chunks of " << chunkSize;
  }
}

TEST(LineSplitter, AnEmptyChunkGivesNothing) {
  LineSplitter splitter(16);
  auto refuse = [](const char*, size_t) { FAIL() << "no line to hand over"; };
  EXPECT_EQ(splitter.split(0, refuse), 0U);
  splitter.chunk()[0] = '\n';
  EXPECT_EQ(splitter.split(1, refuse), 1U);
}

}  // namespace
