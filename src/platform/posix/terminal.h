#pragma once
// The real terminal behind the console operations: standard input and
// output, each of which may be a terminal, a pipe or a file. Where they are
// terminals, keys are read raw and the screen is the program's own from the
// first screen clear, and both are put back as they were on every way out.
// Output that cannot be written (a closed descriptor, a write that fails
// other than by an interruption) ends the run at once with status 1 and
// one line on standard error.

#include <cstdint>
#include <string_view>

#include "console/terminal.h"
#include "console/vt_presenter.h"
#include "platform/posix/input_wait.h"
#include "platform/posix/terminal_guard.h"

namespace platform {

using console::ScreenGrid;
using console::Terminal;
using console::VtPresenter;

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

class PosixTerminal : public Terminal {
 public:
  /// Takes over the terminal until destroyed, or until the program calls
  /// std::exit.
  explicit PosixTerminal(int inputFd = kStandardInput, int outputFd = kStandardOutput);
  ~PosixTerminal() override;
  PosixTerminal(const PosixTerminal&) = delete;
  PosixTerminal& operator=(const PosixTerminal&) = delete;

  int readByte() override;
  int readByteWithin(uint32_t ms) override;
  int readByteFor(uint32_t ms) override;
  bool byteWaiting() override;
  uint32_t nowMs() override;
  void sleepMs(uint32_t ms) override;
  bool windowSize(uint16_t& columns, uint16_t& rows) override;
  bool takeWindowChange() override { return guard_.takeWindowChange(); }
  bool takeContinue() override { return guard_.takeContinue(); }
  bool showsAttributes() override { return presenter_.sendsAttributes(); }
  bool outputIsTerminal() override { return guard_.outputIsTerminal(); }
  void writeText(std::string_view bytes) override;
  void beginFullScreen() override;
  void present(const ScreenGrid& grid, bool whole) override;
  void showMessage(std::string_view text) override;
  void setClosingText(std::string_view text) override { guard_.setClosingText(text); }

 private:
  InputState pollInput(int timeoutMs);
  /// As pollInput, for ms in all, however often a signal cuts it short.
  InputState waitFor(uint32_t ms);
  int readReadyByte();
  static int writableOrError(int fd);
  [[noreturn]] void endForUnwritableOutput(int error);
  void finish();
  static void finishAtExit();

  TerminalGuard guard_;
  VtPresenter presenter_;
  int inputFd_;
  int outputFd_;
  bool inputEnded_ = false;
};

}  // namespace platform
