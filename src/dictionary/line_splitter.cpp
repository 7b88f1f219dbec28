#include "dictionary/line_splitter.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace dictionary {

namespace {

constexpr unsigned char kLineFeed = '\n';

// Offsets of line feeds are 16-bit numbers, written four at a time as one
// 64-bit value; adding a group's offset to each part of such a value at
// once never carries from one part into the next.
constexpr size_t kOffsetsPerValue = 4;
constexpr uint64_t kOneInEveryPart = 0x0001000100010001;

// The flagged lanes of a group in order, for every set of them.
struct LaneList {
  std::array<uint64_t, kLanes / kOffsetsPerValue> lanes;  ///< 16-bit lane numbers, four a value
  size_t count;
};

// Built as the arrays of 16-bit numbers they are read as, so the list is
// right whatever order the machine keeps a value's bytes in.
constexpr std::array<LaneList, 256> listEveryLaneSet() {
  std::array<LaneList, 256> lists{};
  for (size_t set = 0; set < lists.size(); ++set) {
    std::array<uint16_t, kLanes> lanes{};
    size_t count = 0;
    for (uint16_t lane = 0; lane < kLanes; ++lane) {
      if ((set >> lane & 1) != 0) lanes[count++] = lane;
    }
    for (size_t value = 0; value < lists[set].lanes.size(); ++value) {
      std::array<uint16_t, kOffsetsPerValue> part{};
      std::copy_n(lanes.begin() + value * kOffsetsPerValue, kOffsetsPerValue, part.begin());
      lists[set].lanes[value] = std::bit_cast<uint64_t>(part);
    }
    lists[set].count = count;
  }
  return lists;
}

constexpr std::array<LaneList, 256> kLaneLists = listEveryLaneSet();

}  // namespace

LineSplitter::LineSplitter(size_t chunkBytes, size_t longestKept)
    : buffer_(new char[kCarrySpace + chunkBytes + kPadding]),
      chunkBytes_(chunkBytes),
      longestKept_(longestKept),
      longestHanded_(longestKept) {
  assert(longestKept >= kShortestHanded && longestKept <= kLongestHandedAtMost);
  std::memset(buffer_.get(), 0, kCarrySpace);
}

void LineSplitter::handUpTo(size_t longestHanded) {
  assert(longestHanded >= kShortestHanded && longestHanded <= longestKept_);
  longestHanded_ = longestHanded;
}

bool LineSplitter::holdsHighByte(size_t received) {
  const char* start = chunk() - carried_;
  const auto length = static_cast<size_t>(chunk() + received - start);
  std::memset(chunk() + received, 0, kPadding);
  uint64_t flags = 0;
  for (size_t at = 0; at < length; at += kLanes) flags |= loadEightBytes(start + at);
  return (flags & kFlagOfEveryLane) != 0;
}

const char* LineSplitter::endOfCarriedLongLine(size_t received) {
  const void* lineFeed = received == 0 ? nullptr : std::memchr(chunk(), kLineFeed, received);
  if (lineFeed == nullptr) return nullptr;
  carriedTooLong_ = false;
  return static_cast<const char*>(lineFeed) + 1;
}

// A group's line feeds are listed with no branch on how many there are: all
// eight places are written, and the count moves on by the number of line
// feeds.
size_t LineSplitter::listLineFeeds(const char* window, const char* end) {
  size_t found = 0;
  uint64_t groupOffset = 0;  // in every 16-bit part
  for (const char* group = window; group < end; group += kLanes, groupOffset += kLanes * kOneInEveryPart) {
    const LaneList& list = kLaneLists[flaggedLaneSet(lanesEqualTo(loadEightBytes(group), kLineFeed))];
    for (size_t value = 0; value < list.lanes.size(); ++value) {
      const uint64_t offsets = list.lanes[value] + groupOffset;
      std::memcpy(&lineFeeds_[found + value * kOffsetsPerValue], &offsets, sizeof offsets);
    }
    found += list.count;
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
    handed += static_cast<size_t>(length - kShortestHanded <= longestHanded_ - kShortestHanded);
    lineStart = lineFeed + 1;
  }
  return handed;
}

void LineSplitter::keepUnfinished(const char* lineStart, const char* end) {
  const auto length = static_cast<size_t>(end - lineStart);
  if (length > longestKept_) {
    carriedTooLong_ = true;
    carried_ = 0;
    return;
  }
  assert(lineStart >= buffer_.get());
  std::memmove(chunk() - length, lineStart, length);
  carried_ = length;
}

}  // namespace dictionary
