#pragma once
// The real terminal on Windows: standard input and output, each of which
// may be a console, a pipe or a file. On a console, keys are read as key
// events and the screen is drawn with the console's own calls in a screen
// buffer of the program's own, and the console is put back on every way
// out. A pipe or a file gets exactly the bytes the POSIX terminal sends;
// one that refuses them ends the run at once with status 1 and one line on
// the error output.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/terminal.h"
#include "console/vt_presenter.h"
#include "platform/windows/console_guard.h"
#include "platform/windows/console_screen.h"
#include "platform/windows/key_input.h"

namespace platform {

using console::ScreenGrid;
using console::Terminal;
using console::UnicodeCells;
using console::VtPresenter;

class WindowsTerminal : public Terminal {
 public:
  /// Takes over the console behind the two handles until destroyed, or
  /// until the program calls std::exit.
  WindowsTerminal(void* input, void* output);
  ~WindowsTerminal() override;
  WindowsTerminal(const WindowsTerminal&) = delete;
  WindowsTerminal& operator=(const WindowsTerminal&) = delete;

  int readByte() override;
  int readByteWithin(uint32_t ms) override;
  int readByteFor(uint32_t ms) override;
  bool byteWaiting() override;
  uint32_t nowMs() override { return WindowsKeyInput::nowMs(); }
  void sleepMs(uint32_t ms) override { input_.sleepMs(ms); }
  bool windowSize(uint16_t& columns, uint16_t& rows) override;
  bool takeWindowChange() override;
  UnicodeCells unicodeCells() override;
  bool outputIsTerminal() override { return guard_.outputIsConsole(); }
  void writeText(std::string_view bytes) override;
  void beginFullScreen() override;
  void present(const ScreenGrid& grid, bool whole) override;
  void showMessage(std::string_view text) override;
  void setClosingText(std::string_view text) override { guard_.setClosingText(text); }

 private:
  void* shownBuffer() const { return screenBuffer_ != nullptr ? screenBuffer_ : output_; }
  bool windowResized();
  void writeOrEnd(std::string_view bytes);
  [[noreturn]] void endForUnwritableOutput(unsigned long error);

  WindowsConsoleGuard guard_;
  WindowsKeyInput input_;
  void* output_;
  // The program's own screen buffer once full-screen drawing began on a
  // console; nullptr before, and where the output is no console.
  void* screenBuffer_ = nullptr;
  ConsoleScreen consoleScreen_;
  VtPresenter vtPresenter_;
  // The start of a UTF-8 sequence that the next line output finishes.
  std::string unfinishedText_;
  uint16_t knownColumns_ = 0;
  uint16_t knownRows_ = 0;
};

}  // namespace platform
