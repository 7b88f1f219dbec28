#include "console/posix_terminal.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

namespace console {
namespace {

constexpr int kNoTimeLimit = -1;

// The terminal that std::exit must still put back.
PosixTerminal* activeTerminal = nullptr;

}  // namespace

PosixTerminal::PosixTerminal(int inputFd, int outputFd)
    : guard_(inputFd, outputFd), output_(outputFd), inputFd_(inputFd), outputFd_(outputFd) {
  previousCoutBuffer_ = std::cout.rdbuf(&output_);
  coutTaken_ = true;
  static bool exitHookRegistered = false;
  if (!exitHookRegistered) exitHookRegistered = std::atexit(finishAtExit) == 0;
  activeTerminal = this;
}

PosixTerminal::~PosixTerminal() {
  finish();
  activeTerminal = nullptr;
}

void PosixTerminal::finishAtExit() {
  if (activeTerminal != nullptr) activeTerminal->finish();
}

// What is still unsent goes out before the terminal is put back, so it
// lands on the screen it was drawn for.
void PosixTerminal::finish() {
  output_.send();
  guard_.restore();
  if (coutTaken_) std::cout.rdbuf(previousCoutBuffer_);
  coutTaken_ = false;
}

int PosixTerminal::readByte() {
  guard_.enterRawMode();
  while (!inputEnded_) {
    unsigned char byte = 0;
    ssize_t n = ::read(inputFd_, &byte, 1);
    if (n == 1) return byte;
    if (n < 0 && errno == EINTR) {
      afterInterruption();
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // Someone made the input non-blocking: wait in the kernel instead.
      if (pollInput(kNoTimeLimit) == InputState::kEnded) inputEnded_ = true;
    } else {
      inputEnded_ = true;  // end of file, or a read error such as a terminal gone
    }
  }
  return kEndOfInput;
}

int PosixTerminal::readByteWithin(uint32_t ms) {
  guard_.enterRawMode();
  if (inputEnded_) return kEndOfInput;
  switch (waitForInput(ms)) {
    case InputState::kReadable: return readByte();
    case InputState::kNothingYet: return kNoByte;
    case InputState::kEnded: break;
  }
  inputEnded_ = true;
  return kEndOfInput;
}

bool PosixTerminal::byteWaiting() {
  guard_.enterRawMode();
  if (inputEnded_) return true;
  InputState input = pollInput(0);
  if (input == InputState::kEnded) inputEnded_ = true;
  return input != InputState::kNothingYet;
}

// A hang-up or error with nothing left to read is the end of the input;
// reporting it as readable would make a waiting caller spin.
PosixTerminal::InputState PosixTerminal::pollInput(int timeoutMs) {
  pollfd input{inputFd_, POLLIN, 0};
  int ready = ::poll(&input, 1, timeoutMs);
  if (ready < 0 && errno == EINTR) {
    afterInterruption();
    return InputState::kNothingYet;
  }
  if (ready == 0) return InputState::kNothingYet;
  if (ready > 0 && (input.revents & POLLIN)) return InputState::kReadable;
  return InputState::kEnded;
}

// An interrupted wait goes on for the time that is left.
PosixTerminal::InputState PosixTerminal::waitForInput(uint32_t ms) {
  uint32_t start = nowMs();
  for (;;) {
    uint32_t passed = nowMs() - start;
    int left = passed >= ms ? 0 : static_cast<int>(ms - passed);
    InputState input = pollInput(left);
    if (input != InputState::kNothingYet || left == 0) return input;
  }
}

uint32_t PosixTerminal::nowMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u;
  ms += static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);  // wraps after 49 days; differences stay right
}

void PosixTerminal::sleepMs(uint32_t ms) {
  uint32_t start = nowMs();
  for (uint32_t passed = 0; passed < ms; passed = nowMs() - start) {
    uint32_t left = ms - passed;
    timespec pause{static_cast<time_t>(left / 1000), static_cast<long>(left % 1000) * 1000000L};
    if (::nanosleep(&pause, nullptr) != 0) afterInterruption();
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

void PosixTerminal::beginFullScreen() {
  output_.send();
  output_.holdFlushes();
  guard_.enterFullScreen();
  if (guard_.outputIsTerminal()) output_.keepScreenCopy();
}

void PosixTerminal::flushOutput() { output_.send(guard_.takeRepaintRequest()); }

// A signal broke a wait. If it was the continue after a stop, the screen came
// back blank: draw it again now rather than at the next key.
void PosixTerminal::afterInterruption() {
  if (guard_.takeRepaintRequest()) output_.send(true);
}

}  // namespace console
