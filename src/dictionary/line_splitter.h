#pragma once
// Cuts a byte stream, handed over in chunks of any size, into lines that end
// at a line feed, keeping no more than a few bytes of any one line: a word
// file with a gigabyte on one line is passed over in fixed memory.

#include <cstddef>
#include <string_view>

namespace dictionary {

struct Line {
  /// The line without its line feed; empty when tooLong.
  std::string_view bytes;
  /// Longer than LineSplitter::kLongestKept: its bytes were not kept.
  bool tooLong = false;
};

class LineSplitter {
 public:
  /// Six letters of the longest usable word, plus the carriage return of a
  /// CR LF line end.
  static constexpr size_t kLongestKept = 7;

  /// The next bytes of the stream; they must stay valid until nextLine has
  /// returned false.
  void setChunk(std::string_view chunk) { rest_ = chunk; }

  /// The next complete line, or false once the chunk is used up. A line
  /// that the chunk leaves unfinished goes on in the next chunk; one that
  /// the stream never finishes is never returned. line.bytes stays valid
  /// until the next call.
  bool nextLine(Line& line);

 private:
  void keep(std::string_view piece);

  std::string_view rest_;
  char started_[kLongestKept] = {};
  size_t startedLength_ = 0;
  bool startedTooLong_ = false;
};

}  // namespace dictionary
