#pragma once
// A scripted terminal for tests. Constructing one installs it behind the
// console operations and captures std::cout; destroying it puts both back.
//
// Keys are bytes typed at moments of a virtual clock. The clock moves only
// when the program sleeps, waits for a key that is typed later, or waits for
// the rest of an escape sequence; reading it moves it by autoAdvanceMs
// (0 unless a test sets it). When the script is used up the input ends, as
// at the end of a file, unless the test keeps it open.
//
// What the program shows reaches it as a real terminal's would: lines as
// they are, then the screen through the same presenter the POSIX terminal
// uses, so its screen model shows what a player would see.

#include <cstdint>
#include <deque>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>

#include "console/terminal.h"
#include "console/vt_presenter.h"
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

  /// Every byte a terminal would have received since this one was installed.
  std::string output();
  /// The bytes received so far, without showing first what the program
  /// wrote since it last waited: for tests of when output goes out.
  const std::string& received() const { return captured_; }
  /// Every byte the program wrote to std::cout: what it drew, before the
  /// console decided what the terminal needs of it.
  const std::string& drawn() const { return drawn_.bytes; }
  /// The screen as a terminal shows it, with what the program drew so far.
  const ScreenModel& screen();
  /// Shorthand for screen().row(y).
  std::string row(int y) { return screen().row(y); }

  /// Gives the terminal a window size (by default it has none, like a pipe)
  /// and reports the change, as a resize does. With resizeAfterReads, the
  /// window becomes 80x24 once that many more bytes have been read, as if
  /// the player enlarged it meanwhile.
  void setWindowSize(uint16_t columns, uint16_t rows, int resizeAfterReads = -1) {
    columns_ = columns, rows_ = rows, resizeAfterReads_ = resizeAfterReads;
    windowChanged_ = true;
  }
  /// Bytes another program writes to the window behind the program's back:
  /// the screen shows them, the program knows nothing of them.
  void writeFromOutside(std::string_view bytes) { captured_ += bytes; }
  /// Resizes the window when the virtual clock reads atMs.
  void resizeAt(uint32_t atMs, uint16_t columns, uint16_t rows);
  /// Reports a continue after a stop, which is also a window change
  /// without a new size.
  void continueAfterStop() { windowChanged_ = continued_ = true; }

  uint32_t now() const { return now_; }
  void setNow(uint32_t ms) { now_ = ms; }
  uint32_t autoAdvanceMs = 0;
  /// kShown makes the window one that shows any character whatever the
  /// locale says, as a Windows console does; kNotShown one that shows none.
  console::UnicodeCells windowCells = console::UnicodeCells::kAsLocaleSays;
  /// Makes the terminal one that shows no attributes, as TERM=dumb does.
  bool dumbTerminal = false;
  /// Makes standard output a terminal rather than a pipe.
  bool outputTerminal = false;

  int sleeps() const { return sleeps_; }
  /// How many times the screen was presented, and how many of those whole.
  int presents() const { return presents_; }
  int wholePresents() const { return wholePresents_; }
  bool fullScreen() const { return fullScreen_; }
  /// Bytes typed but not read yet.
  size_t unreadBytes() const { return script_.size(); }

  int readByte() override;
  int readByteWithin(uint32_t ms) override;
  int readByteFor(uint32_t ms) override;
  bool byteWaiting() override;
  uint32_t nowMs() override;
  void sleepMs(uint32_t ms) override;
  bool windowSize(uint16_t& columns, uint16_t& rows) override;
  bool takeWindowChange() override;
  bool takeContinue() override { return std::exchange(continued_, false); }
  console::UnicodeCells unicodeCells() override { return windowCells; }
  bool showsAttributes() override { return !dumbTerminal; }
  bool outputIsTerminal() override { return outputTerminal; }
  void writeText(std::string_view bytes) override { captured_ += bytes; }
  void beginFullScreen() override { fullScreen_ = true; }
  void present(const console::ScreenGrid& grid, bool whole) override;
  void showMessage(std::string_view text) override { captured_ += presenter_.message(text); }
  void setClosingText(std::string_view text) override { closingText = text; }
  /// What the program last asked to be written once the terminal is put back.
  std::string closingText;

 private:
  struct TypedByte {
    uint32_t atMs;
    int byte;
  };
  struct Resize {
    uint32_t atMs;
    uint16_t columns;
    uint16_t rows;
  };
  // Passes what the program writes on to the console's stream, keeping a
  // copy.
  struct DrawnCopy : std::streambuf {
    std::streambuf* console = nullptr;
    std::string bytes;
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override { return console->pubsync(); }
  };

  int takeByte();
  int readByteBy(uint32_t deadlineMs);
  void applyResizesDue();

  std::deque<TypedByte> script_;
  std::deque<Resize> resizes_;
  std::string captured_;
  console::Terminal* previousTerminal_;
  DrawnCopy drawn_;
  console::VtPresenter presenter_;
  ScreenModel screen_;
  size_t appliedBytes_ = 0;
  uint32_t now_ = 0;
  int sleeps_ = 0;
  int presents_ = 0;
  int wholePresents_ = 0;
  bool windowChanged_ = false;
  bool continued_ = false;
  bool fullScreen_ = false;
  bool keepOpen_ = false;
  uint16_t columns_ = 0;
  uint16_t rows_ = 0;
  int resizeAfterReads_ = -1;
};

}  // namespace support
