#include "console/posix_terminal.h"

#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>

namespace console {

// Collects what the program writes to std::cout. Before full-screen drawing
// every flush goes straight out (so the loading line shows before a slow
// load); afterwards flushes are held back and a whole screen update is sent
// in one write when the program waits.
class PosixTerminal::OutputBuffer : public std::streambuf {
 public:
  void setHoldFlushes(bool hold) { holdFlushes_ = hold; }

  void send() {
    size_t done = 0;
    while (done < pending_.size()) {
      ssize_t n = ::write(STDOUT_FILENO, pending_.data() + done, pending_.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;  // output is gone: what cannot be shown is dropped
      done += static_cast<size_t>(n);
    }
    pending_.clear();
  }

 protected:
  int_type overflow(int_type ch) override {
    if (ch != traits_type::eof()) pending_.push_back(static_cast<char>(ch));
    if (pending_.size() >= kMaxPending) send();
    return traits_type::not_eof(ch);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<size_t>(n));
    if (pending_.size() >= kMaxPending) send();
    return n;
  }
  int sync() override {
    if (!holdFlushes_) send();
    return 0;
  }

 private:
  // Long runs of output without a flush (verbose loading) go out in pieces.
  static constexpr size_t kMaxPending = 1 << 16;
  std::string pending_;
  bool holdFlushes_ = false;
};

PosixTerminal::PosixTerminal()
    : output_(std::make_unique<OutputBuffer>()),
      previousCoutBuffer_(std::cout.rdbuf(output_.get())) {}

PosixTerminal::~PosixTerminal() {
  output_->send();
  std::cout.rdbuf(previousCoutBuffer_);
}

int PosixTerminal::readByte() {
  unsigned char byte = 0;
  for (;;) {
    ssize_t n = ::read(STDIN_FILENO, &byte, 1);
    if (n == 1) return byte;
    if (n < 0 && errno == EINTR) continue;
    return kEndOfInput;
  }
}

int PosixTerminal::readByteWithin(uint32_t ms) {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  int ready = ::poll(&input, 1, static_cast<int>(ms));
  if (ready <= 0) return kNoByte;
  return readByte();
}

bool PosixTerminal::byteWaiting() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0;
}

uint32_t PosixTerminal::nowMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

void PosixTerminal::sleepMs(uint32_t ms) {
  uint32_t start = nowMs();
  for (uint32_t passed = 0; passed < ms; passed = nowMs() - start) {
    uint32_t left = ms - passed;
    timespec pause{static_cast<time_t>(left / 1000), static_cast<long>(left % 1000) * 1000000L};
    ::nanosleep(&pause, nullptr);
  }
}

void PosixTerminal::beginFullScreen() { output_->setHoldFlushes(true); }

void PosixTerminal::flushOutput() { output_->send(); }

}  // namespace console
