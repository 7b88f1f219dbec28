#include "dictionary/line_splitter.h"

#include <cassert>

namespace dictionary {

namespace {

constexpr unsigned char kLineFeed = '\n';
// Groups of eight bytes with more line feeds than this take a slower
// branch; a word list seldom has them, as they need lines of one byte.
constexpr size_t kLineFeedsWrittenAlways = 3;

}  // namespace

LineSplitter::LineSplitter(size_t chunkBytes)
    : buffer_(new char[kCarrySpace + chunkBytes + kPadding]), chunkBytes_(chunkBytes) {
  std::memset(buffer_.get(), 0, kCarrySpace);
}

const char* LineSplitter::endOfCarriedLongLine(size_t received) {
  const void* lineFeed = received == 0 ? nullptr : std::memchr(chunk(), kLineFeed, received);
  if (lineFeed == nullptr) return nullptr;
  carriedTooLong_ = false;
  return static_cast<const char*>(lineFeed) + 1;
}

// Each group's first offsets are written whether or not it has that many
// line feeds (an absent one reads as the group's last byte), and the count
// moves on by the number there are: no branch on how many.
size_t LineSplitter::listLineFeeds(const char* window, const char* end) {
  size_t found = 0;
  for (const char* group = window; group < end; group += kLanes) {
    uint64_t lineFeeds = lanesEqualTo(loadEightBytes(group), kLineFeed);
    const size_t count = flaggedLaneCount(lineFeeds);
    const auto groupOffset = static_cast<uint16_t>(group - window);
    uint16_t* out = &lineFeeds_[found];
    auto takeFirst = [&lineFeeds, groupOffset] {
      const auto offset = static_cast<uint16_t>(groupOffset + firstFlaggedLane(lineFeeds));
      lineFeeds = withoutFirstFlag(lineFeeds);
      return offset;
    };
    out[0] = takeFirst();
    out[1] = takeFirst();
    out[2] = takeFirst();
    for (size_t i = kLineFeedsWrittenAlways; i < count; ++i) out[i] = takeFirst();
    found += count;
  }
  return found;
}

// A line is picked by moving the count on by one or by none, so the loop
// has no branch that depends on the lengths.
size_t LineSplitter::pickHandedLines(const char* window, size_t found, const char*& lineStart) {
  size_t handed = 0;
  for (size_t i = 0; i < found; ++i) {
    const char* lineFeed = window + lineFeeds_[i];
    const auto length = static_cast<size_t>(lineFeed - lineStart);
    lineFeeds_[handed] = lineFeeds_[i];
    lengths_[handed] = static_cast<uint8_t>(length);
    handed += static_cast<size_t>(length - kShortestHanded <= kLongestHanded - kShortestHanded);
    lineStart = lineFeed + 1;
  }
  return handed;
}

void LineSplitter::keepUnfinished(const char* lineStart, const char* end) {
  const auto length = static_cast<size_t>(end - lineStart);
  if (length > kLongestHanded) {
    carriedTooLong_ = true;
    carried_ = 0;
    return;
  }
  assert(lineStart >= buffer_.get());
  std::memmove(chunk() - length, lineStart, length);
  carried_ = length;
}

}  // namespace dictionary
