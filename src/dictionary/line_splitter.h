#pragma once
// Cuts a byte stream, read chunk by chunk into the splitter's own buffer,
// into lines that end at a line feed, counts them, and hands over the few
// that are short enough to hold a word. It keeps no more than a few bytes of
// any one line from one chunk to the next: a word file with a gigabyte on
// one line is passed over in fixed memory.
//
// A chunk is taken one window at a time, each in three plain loops that do
// not branch on where the lines end: the window's line feeds are listed,
// eight bytes at a time; the lines of a word's length are picked from the
// list; and those are handed over.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "dictionary/eight_bytes.h"
#include "dictionary/word_filter.h"

namespace dictionary {

class LineSplitter {
 public:
  /// The shortest line handed over: the shortest usable word.
  static constexpr size_t kShortestHanded = kShortestUsable;
  /// The longest line handed over by default, and kept from one chunk to
  /// the next: six letters of the longest usable word, plus the carriage
  /// return of a CR LF line end.
  static constexpr size_t kLongestHanded = kLongestUsable + 1;
  /// The most that longestHanded may be.
  static constexpr size_t kLongestHandedAtMost = 56;

  /// Keeps and hands over lines of kShortestHanded to longestKept bytes.
  explicit LineSplitter(size_t chunkBytes, size_t longestKept = kLongestHanded);

  /// From the next split on, hands over only the lines of at most
  /// longestHanded bytes (at most longestKept); longer ones are still kept
  /// whole from one chunk to the next.
  void handUpTo(size_t longestHanded);

  /// True when a byte of 128 or more is among the first `received` bytes of
  /// the chunk or the kept bytes before it: the lines the next split
  /// completes are then not all ASCII.
  bool holdsHighByte(size_t received);

  /// Where the next chunk is to be put: chunkBytes() bytes.
  char* chunk() { return buffer_.get() + kCarrySpace; }
  size_t chunkBytes() const { return chunkBytes_; }

  /// Takes the chunk's first `received` bytes and returns the number of
  /// lines they complete. Each of those lines of kShortestHanded to
  /// longestHanded bytes, without its line feed, goes to
  /// visit(line, length), in order; the 8 bytes from line, and the 8 past
  /// its end, are readable. A line that the chunk leaves unfinished goes on
  /// in the next chunk; one that the stream never finishes is neither
  /// counted nor handed over.
  template <typename Visit>
  size_t split(size_t received, Visit&& visit);

 private:
  // Before the chunk, room for the kept bytes of a line that the last chunk
  // left unfinished, so that the line lies whole when its end arrives.
  static constexpr size_t kCarrySpace = kLongestHandedAtMost;
  // After the chunk, bytes set to zero: the eight bytes read at a line's
  // start or in the last group are all defined, and none is a line feed.
  static constexpr size_t kPadding = kLanes;
  // Line feeds are listed one window at a time, so the list stays small.
  static constexpr size_t kWindowBytes = 4096;

  /// Where the line carried over as too long ends in a chunk of `received`
  /// bytes (just past its line feed), or null when it goes on past the chunk.
  const char* endOfCarriedLongLine(size_t received);
  /// Lists the offsets from window of the line feeds in [window, end) in
  /// lineFeeds_ and returns how many there are. It reads whole groups of
  /// eight: end is a multiple of eight bytes from window, or the chunk's
  /// end, where the padding holds no line feed.
  size_t listLineFeeds(const char* window, const char* end);
  /// Moves the first `found` listed lines that may hold a word to the front
  /// of the list, with their lengths, and returns how many there are.
  /// lineStart is where the first one starts; it ends up past the last.
  size_t pickHandedLines(const char* window, size_t found, const char*& lineStart);
  void keepUnfinished(const char* lineStart, const char* end);

  std::unique_ptr<char[]> buffer_;
  size_t chunkBytes_;
  size_t longestKept_;
  size_t longestHanded_;
  size_t carried_ = 0;           ///< kept bytes of an unfinished line, just before chunk()
  bool carriedTooLong_ = false;  ///< the unfinished line is longer than longestKept_
  // Room for the offsets written for every group of eight, whether or not
  // that many line feeds are in it.
  std::array<uint16_t, kWindowBytes + kLanes> lineFeeds_{};
  std::array<uint8_t, kWindowBytes + kLanes> lengths_{};
};

template <typename Visit>
size_t LineSplitter::split(size_t received, Visit&& visit) {
  const char* end = chunk() + received;
  std::memset(chunk() + received, 0, kPadding);
  const char* lineStart = chunk() - carried_;
  size_t lines = 0;
  if (carriedTooLong_) {
    lineStart = endOfCarriedLongLine(received);
    if (lineStart == nullptr) return 0;
    lines = 1;
  }
  for (const char* window = lineStart; window < end;) {
    const char* windowEnd = window + std::min(kWindowBytes, static_cast<size_t>(end - window));
    const size_t found = listLineFeeds(window, windowEnd);
    const size_t handed = pickHandedLines(window, found, lineStart);
    for (size_t i = 0; i < handed; ++i) visit(window + lineFeeds_[i] - lengths_[i], size_t{lengths_[i]});
    lines += found;
    window = windowEnd;
  }
  keepUnfinished(lineStart, end);
  return lines;
}

}  // namespace dictionary
