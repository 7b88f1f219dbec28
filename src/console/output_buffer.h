#pragma once
// Collects what the program writes to std::cout and sends it to the output
// descriptor. Before full-screen drawing every flush goes straight out, so a
// loading line shows before a slow load; afterwards flushes are held back and
// a whole screen update leaves in one write when the program waits, so the
// terminal never shows half a screen.

#include <streambuf>
#include <string>

#include "console/screen_copy.h"

namespace console {

class OutputBuffer : public std::streambuf {
 public:
  explicit OutputBuffer(int fd) : fd_(fd) {}

  /// From here on flushes wait for send().
  void holdFlushes() { holdFlushes_ = true; }
  /// From here on a copy of the current screen is kept for redrawFirst.
  void keepScreenCopy() { keepScreenCopy_ = true; }

  /// Writes everything collected; with redrawFirst, the current screen is
  /// sent again ahead of it, in the same write.
  void send(bool redrawFirst = false);

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  // Long runs of output without a flush (verbose loading) go out in pieces.
  static constexpr size_t kMaxPending = 1 << 16;

  int fd_;
  std::string pending_;
  ScreenCopy screenCopy_;
  bool holdFlushes_ = false;
  bool keepScreenCopy_ = false;
};

}  // namespace console
