#include "platform/posix/line_terminal.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/posix/fd_output.h"
#include "platform/posix/input_wait.h"
#include "platform/posix/monotonic_clock.h"

namespace platform {
namespace {

constexpr int kStandardError = 2;
// The exit status of a run whose output could not be written.
constexpr int kExitOutputFailed = 1;
constexpr size_t kReadChunk = 4096;

// Typing shows where the program writes only when the input is a terminal
// that echoes, and its echo lands on the output.
bool echoesOnOutput(int inputFd, int outputFd) {
  termios modes{};
  if (::tcgetattr(inputFd, &modes) != 0) return false;
  return (modes.c_lflag & ECHO) != 0 && ::isatty(outputFd) != 0;
}

// Nobody reads a run whose output is gone: it ends at once, with the reason
// on the error output. The terminal's modes were never changed.
[[noreturn]] void endForUnwritableOutput(int error) {
  const std::string line = std::string("Error: Could not write the output (") + std::strerror(error) + ")\n";
  (void)platform::writeFully(kStandardError, line.data(), line.size());
  std::_Exit(kExitOutputFailed);
}

}  // namespace

PosixLineTerminal::PosixLineTerminal(int inputFd, int outputFd)
    : inputFd_(inputFd), outputFd_(outputFd), echoes_(echoesOnOutput(inputFd, outputFd)) {}

lines::LineRead PosixLineTerminal::readLineWithin(uint32_t ms, std::string& line) {
  const uint32_t start = nowMs();
  for (;;) {
    if (takeLine(line)) return lines::LineRead::kLine;
    if (ended_) return lines::LineRead::kEnded;
    const uint32_t passed = nowMs() - start;
    if (passed >= ms && ms != 0) return lines::LineRead::kNothingYet;
    if (!waitForInput(ms - std::min(passed, ms))) {
      if (ms == 0 || nowMs() - start >= ms) return lines::LineRead::kNothingYet;
      continue;  // a signal cut the wait short
    }
    if (!readMore()) ended_ = true;
  }
}

// A line is given once its line feed has come, or, at the input's end, the
// bytes after the last one. A carriage return before the line feed is
// dropped: a file written on Windows plays as well.
bool PosixLineTerminal::takeLine(std::string& line) {
  const size_t end = pending_.find('\n');
  if (end == std::string::npos) {
    if (!ended_ || pending_.empty()) return false;
    line = std::move(pending_);
    pending_.clear();
    return true;
  }
  line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool PosixLineTerminal::readMore() {
  char chunk[kReadChunk];
  for (;;) {
    const ssize_t got = ::read(inputFd_, chunk, sizeof chunk);
    if (got > 0) {
      pending_.append(chunk, static_cast<size_t>(got));
      return true;
    }
    const int error = errno;
    if (got < 0 && error == EINTR) continue;
    const InputState state = afterFailedRead(inputFd_, got, error);
    if (state == InputState::kAway) pauseWhileAway(-1, -1);
    return state != InputState::kEnded;  // nothing read but no end: the next wait tries again
  }
}

bool PosixLineTerminal::waitForInput(uint32_t ms) {
  const int timeout = ms > INT_MAX ? -1 : static_cast<int>(ms);  // beyond int: no limit
  const InputState state = platform::waitForInput(inputFd_, -1, timeout);
  if (state == InputState::kEnded) ended_ = true;
  return state == InputState::kReadable;
}

void PosixLineTerminal::write(std::string_view text) {
  if (int error = platform::writeFully(outputFd_, text.data(), text.size())) endForUnwritableOutput(error);
}

uint32_t PosixLineTerminal::nowMs() { return monotonicMs(); }

}  // namespace platform

std::unique_ptr<lines::LineTerminal> lines::makePlatformLineTerminal() {
  return std::make_unique<platform::PosixLineTerminal>(0, 1);  // standard input and output
}
