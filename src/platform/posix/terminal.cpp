#include "platform/posix/terminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "console/terminal.h"
#include "platform/posix/fd_output.h"
#include "platform/posix/input_wait.h"
#include "platform/posix/job_control.h"
#include "platform/posix/monotonic_clock.h"

namespace platform {

using console::kEndOfInput;
using console::kNoByte;
using console::kWindowChanged;
using console::ScreenGrid;

namespace {

constexpr int kNoTimeLimit = -1;
constexpr int kStandardError = 2;
// The exit status of a run whose output could not be written.
constexpr int kExitOutputFailed = 1;

// A terminal that says it is dumb may print escape sequences as text; the
// screen still needs cursor moves, but no attribute is sent to it.
bool terminalIsDumb() {
  const char* type = std::getenv("TERM");
  return type != nullptr && std::string(type) == "dumb";
}

// The terminal that std::exit must still put back.
PosixTerminal* activeTerminal = nullptr;

}  // namespace

PosixTerminal::PosixTerminal(int inputFd, int outputFd)
    : guard_(inputFd, outputFd), presenter_(!terminalIsDumb()), inputFd_(inputFd), outputFd_(outputFd) {
  static bool exitHookRegistered = false;
  if (!exitHookRegistered) exitHookRegistered = std::atexit(finishAtExit) == 0;
  activeTerminal = this;
  if (int error = writableOrError(outputFd)) endForUnwritableOutput(error);
  // Within a script's job the shell may write while the screen is up (see
  // the stop in terminal_guard.cpp).
  presenter_.shareTheTerminal(sharesTheTerminalWithItsParent(outputFd));
}

// A closed output, or one opened only for reading, refuses every write: a
// run that shows nothing must not begin, taking keys meant for the shell.
int PosixTerminal::writableOrError(int fd) {
  int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0) return errno;
  return (flags & O_ACCMODE) == O_RDONLY ? EBADF : 0;
}

// Nobody sees a run whose output cannot be written: it ends at once, with
// the terminal put back and the reason on the error output. No exit hooks
// run, as they would only try to write again.
void PosixTerminal::endForUnwritableOutput(int error) {
  guard_.setClosingText({});
  guard_.restore();
  std::string line = "Error: Could not write the output (" + std::string(std::strerror(error)) + ")\n";
  (void)writeFully(kStandardError, line.data(), line.size());
  std::_Exit(kExitOutputFailed);
}

// Its owner uninstalls it from the console first, so what was still to be
// shown has gone out on the screen it was drawn for.
PosixTerminal::~PosixTerminal() {
  finish();
  activeTerminal = nullptr;
}

// At std::exit the console's own state may be gone already: only the
// terminal is put back.
void PosixTerminal::finishAtExit() {
  if (activeTerminal != nullptr) activeTerminal->finish();
}

void PosixTerminal::finish() { guard_.restore(); }

// A window change ends the wait for a key, so the screen is drawn again at
// once rather than at the next key.
int PosixTerminal::readByte() {
  guard_.enterRawMode();
  while (!inputEnded_) {
    if (guard_.windowChangePending()) return kWindowChanged;
    InputState input = pollInput(kNoTimeLimit);
    if (input == InputState::kEnded) inputEnded_ = true;
    if (input != InputState::kReadable) continue;
    int byte = readReadyByte();
    if (byte != kNoByte) return byte;
  }
  return kEndOfInput;
}

// As readByte, with a deadline: the wait sleeps in poll until a byte, a
// window change or the deadline comes.
int PosixTerminal::readByteFor(uint32_t ms) {
  guard_.enterRawMode();
  const uint32_t start = nowMs();
  while (!inputEnded_) {
    if (guard_.windowChangePending()) return kWindowChanged;
    const uint32_t passed = nowMs() - start;
    if (passed >= ms) return kNoByte;
    InputState input = pollInput(static_cast<int>(ms - passed));
    if (input == InputState::kEnded) inputEnded_ = true;
    if (input != InputState::kReadable) continue;
    int byte = readReadyByte();
    if (byte != kNoByte) return byte;
  }
  return kEndOfInput;
}

int PosixTerminal::readByteWithin(uint32_t ms) {
  guard_.enterRawMode();
  if (inputEnded_) return kEndOfInput;
  switch (waitFor(ms)) {
    case InputState::kReadable: return readReadyByte();
    case InputState::kEnded: inputEnded_ = true; return kEndOfInput;
    default: return kNoByte;
  }
}

// One byte, once poll said there is one: kNoByte when it is not there after
// all (someone made the input non-blocking, a signal came first, or another
// job holds the terminal).
int PosixTerminal::readReadyByte() {
  unsigned char byte = 0;
  ssize_t n = ::read(inputFd_, &byte, 1);
  if (n == 1) return byte;
  switch (afterFailedRead(inputFd_, n, errno)) {
    case InputState::kAway: pauseWhileAway(guard_.wakeFd(), kNoTimeLimit); return kNoByte;
    case InputState::kEnded: inputEnded_ = true; return kEndOfInput;
    default: return kNoByte;
  }
}

bool PosixTerminal::byteWaiting() {
  guard_.enterRawMode();
  if (inputEnded_) return true;
  InputState input = pollInput(0);
  if (input == InputState::kEnded) inputEnded_ = true;
  return input == InputState::kReadable || input == InputState::kEnded;
}

// The wake pipe is only watched, never read here: taking the change drains
// it.
InputState PosixTerminal::pollInput(int timeoutMs) {
  return waitForInput(inputFd_, guard_.wakeFd(), timeoutMs);
}

// A wait interrupted by a signal or a window change goes on for the time
// that is left.
InputState PosixTerminal::waitFor(uint32_t ms) {
  uint32_t start = nowMs();
  for (;;) {
    uint32_t passed = nowMs() - start;
    int left = passed >= ms ? 0 : static_cast<int>(ms - passed);
    InputState input = pollInput(left);
    if (input == InputState::kReadable || input == InputState::kEnded || left == 0) return input;
  }
}

uint32_t PosixTerminal::nowMs() { return monotonicMs(); }

void PosixTerminal::sleepMs(uint32_t ms) {
  uint32_t start = nowMs();
  for (uint32_t passed = 0; passed < ms; passed = nowMs() - start) {
    uint32_t left = ms - passed;
    timespec pause{static_cast<time_t>(left / 1000), static_cast<long>(left % 1000) * 1000000L};
    ::nanosleep(&pause, nullptr);
  }
}

bool PosixTerminal::windowSize(uint16_t& columns, uint16_t& rows) {
  winsize size{};
  if (!guard_.outputIsTerminal() || ::ioctl(outputFd_, TIOCGWINSZ, &size) != 0) return false;
  // Some terminals (a serial line, an emulator that never says) report 0:
  // nothing is known then, so nothing is refused.
  if (size.ws_col == 0 || size.ws_row == 0) return false;
  columns = size.ws_col;
  rows = size.ws_row;
  return true;
}

void PosixTerminal::writeText(std::string_view bytes) {
  guard_.noteOutput(bytes);
  if (int error = writeFully(outputFd_, bytes.data(), bytes.size())) endForUnwritableOutput(error);
}

void PosixTerminal::beginFullScreen() { guard_.enterFullScreen(); }

// One write per update, so the terminal never shows half of one.
void PosixTerminal::present(const ScreenGrid& grid, bool whole) {
  std::string update = presenter_.update(grid, whole);
  guard_.notePenSet(!presenter_.penIsPlain());
  writeText(update);
}

void PosixTerminal::showMessage(std::string_view text) {
  std::string message = presenter_.message(text);
  guard_.notePenSet(false);
  writeText(message);
}

}  // namespace platform

std::unique_ptr<console::Terminal> console::makePlatformTerminal() {
  return std::make_unique<platform::PosixTerminal>();
}
