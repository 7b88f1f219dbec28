#include "dictionary/line_splitter.h"

#include <cstring>

namespace dictionary {

bool LineSplitter::nextLine(Line& line) {
  const void* lineFeed = rest_.empty() ? nullptr : std::memchr(rest_.data(), '\n', rest_.size());
  if (lineFeed == nullptr) {
    keep(rest_);
    rest_ = {};
    return false;
  }
  size_t length = static_cast<size_t>(static_cast<const char*>(lineFeed) - rest_.data());
  std::string_view piece = rest_.substr(0, length);
  rest_.remove_prefix(length + 1);
  if (startedLength_ == 0 && !startedTooLong_) {
    // The common case: the whole line lies in this chunk, so it is not copied.
    bool tooLong = piece.size() > kLongestKept;
    line = {tooLong ? std::string_view() : piece, tooLong};
    return true;
  }
  keep(piece);
  line = {startedTooLong_ ? std::string_view() : std::string_view(started_, startedLength_), startedTooLong_};
  startedLength_ = 0;
  startedTooLong_ = false;
  return true;
}

void LineSplitter::keep(std::string_view piece) {
  if (piece.empty()) return;
  if (startedTooLong_ || startedLength_ + piece.size() > kLongestKept) {
    startedTooLong_ = true;
    return;
  }
  std::memcpy(started_ + startedLength_, piece.data(), piece.size());
  startedLength_ += piece.size();
}

}  // namespace dictionary
