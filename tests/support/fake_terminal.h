#pragma once
// A scripted terminal for tests. Constructing one installs it behind the
// console operations and captures std::cout; destroying it puts both back.
//
// Keys are bytes typed at moments of a virtual clock. The clock moves only
// when the program sleeps, waits for a key that is typed later, or waits for
// the rest of an escape sequence; reading it moves it by autoAdvanceMs
// (0 unless a test sets it). When the script is used up the input ends, as
// at the end of a file, unless the test keeps it open.

#include <cstdint>
#include <deque>
#include <sstream>
#include <string>
#include <string_view>

#include "console/terminal.h"
#include "support/screen_model.h"

namespace support {

class FakeTerminal : public console::Terminal {
 public:
  FakeTerminal();
  ~FakeTerminal() override;
  FakeTerminal(const FakeTerminal&) = delete;
  FakeTerminal& operator=(const FakeTerminal&) = delete;

  /// Bytes typed now (at the current virtual time).
  void type(std::string_view bytes);
  /// Bytes typed when the virtual clock reads atMs.
  void typeAt(uint32_t atMs, std::string_view bytes);
  /// With the script used up, a key read fails the test instead of ending
  /// the input.
  void keepInputOpen() { keepOpen_ = true; }

  /// Everything written to std::cout since the terminal was installed.
  std::string output() const { return captured_.str(); }
  /// The screen as the output so far leaves it.
  const ScreenModel& screen();
  /// Shorthand for screen().row(y).
  std::string row(int y) { return screen().row(y); }

  /// Gives the terminal a window size (by default it has none, like a pipe).
  /// With resizeAfterReads, the window becomes 80x24 once that many more
  /// bytes have been read, as if the player enlarged it meanwhile.
  void setWindowSize(uint16_t columns, uint16_t rows, int resizeAfterReads = -1) {
    columns_ = columns, rows_ = rows, resizeAfterReads_ = resizeAfterReads;
  }

  uint32_t now() const { return now_; }
  void setNow(uint32_t ms) { now_ = ms; }
  uint32_t autoAdvanceMs = 0;

  int sleeps() const { return sleeps_; }
  int flushes() const { return flushes_; }
  bool fullScreen() const { return fullScreen_; }
  /// Bytes typed but not read yet.
  size_t unreadBytes() const { return script_.size(); }

  int readByte() override;
  int readByteWithin(uint32_t ms) override;
  bool byteWaiting() override;
  uint32_t nowMs() override;
  void sleepMs(uint32_t ms) override;
  bool windowSize(uint16_t& columns, uint16_t& rows) override;
  void beginFullScreen() override { fullScreen_ = true; }
  void flushOutput() override { ++flushes_; }

 private:
  struct TypedByte {
    uint32_t atMs;
    int byte;
  };
  int takeByte();

  std::deque<TypedByte> script_;
  std::ostringstream captured_;
  std::streambuf* previousCoutBuffer_;
  console::Terminal* previousTerminal_;
  ScreenModel screen_;
  size_t appliedBytes_ = 0;
  uint32_t now_ = 0;
  int sleeps_ = 0;
  int flushes_ = 0;
  bool fullScreen_ = false;
  bool keepOpen_ = false;
  uint16_t columns_ = 0;
  uint16_t rows_ = 0;
  int resizeAfterReads_ = -1;
};

}  // namespace support
