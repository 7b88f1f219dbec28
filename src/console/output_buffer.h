#pragma once
// The stream buffer behind std::cout while a terminal is installed. Before
// full-screen drawing it collects lines and sends them to the terminal on
// every flush, so a loading line shows before a slow load; afterwards every
// byte lands on the screen grid at once, and the console layer decides when
// the grid is shown, so the terminal never shows half a screen.

#include <streambuf>
#include <string>
#include <string_view>
#include <utility>

#include "console/screen_grid.h"
#include "console/terminal.h"

namespace console {

class OutputBuffer : public std::streambuf {
 public:
  explicit OutputBuffer(ScreenGrid& grid) : grid_(grid) {}

  /// Line output goes to terminal (nullptr drops it); back to line output.
  void reset(Terminal* terminal);
  /// From here on what is written lands on the grid.
  void drawOnGrid() { onGrid_ = true; }

  /// Sends the lines collected so far.
  void sendLines();
  /// True when line output waits to be sent.
  bool hasPending() const { return !pending_.empty(); }
  /// Sends again the line that is open, or else the last whole line: the
  /// line a prompt left, for when other output came below it.
  void sendCurrentLineAgain();
  /// True when the line output so far ends with a line end (or is empty).
  bool atLineStart() const { return atLineStart_; }
  /// True once after anything landed on the grid.
  bool takeDrawn() { return std::exchange(drawn_, false); }

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  // Long runs of output without a flush (verbose loading) go out in pieces.
  static constexpr size_t kMaxPending = 1 << 16;

  // A line longer than this (a verbose loading line) is no prompt, and is
  // not kept to be sent again.
  static constexpr size_t kLongestLineKept = 1024;

  void take(std::string_view bytes);
  void noteSent(std::string_view sent);
  void appendToOpenLine(std::string_view bytes);

  ScreenGrid& grid_;
  Terminal* terminal_ = nullptr;
  std::string pending_;
  bool onGrid_ = false;
  bool atLineStart_ = true;
  std::string openLine_;  ///< sent since the last line end
  bool openLineTooLong_ = false;
  std::string lastLine_;  ///< the last whole line sent, with its line end
  bool drawn_ = false;
};

}  // namespace console
