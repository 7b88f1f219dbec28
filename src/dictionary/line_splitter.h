#pragma once
// Cuts a byte stream, read chunk by chunk into the splitter's own buffer,
// into lines that end at a line feed, keeping no more than a few bytes of
// any one line from one chunk to the next: a word file with a gigabyte on
// one line is passed over in fixed memory.
//
// Line feeds are found eight bytes at a time, one window of the chunk after
// another: first every line feed of the window is listed, then the lines
// are handed over in a plain loop, so neither step branches on where the
// lines happen to end.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "dictionary/eight_bytes.h"

namespace dictionary {

class LineSplitter {
 public:
  /// Six letters of the longest usable word, plus the carriage return of a
  /// CR LF line end.
  static constexpr size_t kLongestKept = 7;
  /// The length handed over for every line longer than kLongestKept.
  static constexpr size_t kTooLong = kLongestKept + 1;

  explicit LineSplitter(size_t chunkBytes);

  /// Where the next chunk is to be put: chunkBytes() bytes.
  char* chunk() { return buffer_.get() + kCarrySpace; }
  size_t chunkBytes() const { return chunkBytes_; }

  /// Hands each line that the chunk's first `received` bytes complete to
  /// visit(line, length), in order, without its line feed. length is the
  /// line's length, or kTooLong for any longer line; the 8 bytes from line
  /// are readable and begin with the line's own unless it is too long. A
  /// line that the chunk leaves unfinished goes on in the next chunk; one
  /// that the stream never finishes is never handed over.
  template <typename Visit>
  void split(size_t received, Visit&& visit);

 private:
  // Before the chunk, room for the kept bytes of a line that the last chunk
  // left unfinished, so that the line lies whole when its end arrives.
  static constexpr size_t kCarrySpace = kLanes;
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
  void keepUnfinished(const char* lineStart, const char* end);

  std::unique_ptr<char[]> buffer_;
  size_t chunkBytes_;
  size_t carried_ = 0;           ///< kept bytes of an unfinished line, just before chunk()
  bool carriedTooLong_ = false;  ///< the unfinished line is longer than kLongestKept
  // Room for the four offsets written for every group of eight, whether or
  // not that many line feeds are in it.
  std::array<uint16_t, kWindowBytes + kLanes> lineFeeds_{};
};

template <typename Visit>
void LineSplitter::split(size_t received, Visit&& visit) {
  const char* end = chunk() + received;
  std::memset(chunk() + received, 0, kPadding);
  const char* lineStart = chunk() - carried_;
  if (carriedTooLong_) {
    lineStart = endOfCarriedLongLine(received);
    if (lineStart == nullptr) return;
    visit(buffer_.get(), kTooLong);
  }
  for (const char* window = lineStart; window < end;) {
    const char* windowEnd = window + std::min(kWindowBytes, static_cast<size_t>(end - window));
    const size_t found = listLineFeeds(window, windowEnd);
    for (size_t i = 0; i < found; ++i) {
      const char* lineFeed = window + lineFeeds_[i];
      const auto length = static_cast<size_t>(lineFeed - lineStart);
      visit(lineStart, length < kTooLong ? length : kTooLong);
      lineStart = lineFeed + 1;
    }
    window = windowEnd;
  }
  keepUnfinished(lineStart, end);
}

}  // namespace dictionary
