#include "support/fake_terminal.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

namespace support {

FakeTerminal::FakeTerminal()
    : previousCoutBuffer_(std::cout.rdbuf(captured_.rdbuf())), previousTerminal_(console::install(this)) {}

FakeTerminal::~FakeTerminal() {
  std::cout.rdbuf(previousCoutBuffer_);
  console::install(previousTerminal_);
}

void FakeTerminal::type(std::string_view bytes) { typeAt(now_, bytes); }

void FakeTerminal::typeAt(uint32_t atMs, std::string_view bytes) {
  for (char c : bytes) {
    TypedByte typed{atMs, static_cast<unsigned char>(c)};
    // Keep the script in time order; bytes typed at one moment stay in order.
    auto at = std::upper_bound(script_.begin(), script_.end(), typed,
                               [](const TypedByte& a, const TypedByte& b) { return a.atMs < b.atMs; });
    script_.insert(at, typed);
  }
}

const ScreenModel& FakeTerminal::screen() {
  std::string text = captured_.str();
  screen_.apply(std::string_view(text).substr(appliedBytes_));
  appliedBytes_ = text.size();
  return screen_;
}

bool FakeTerminal::windowSize(uint16_t& columns, uint16_t& rows) {
  if (columns_ == 0) return false;
  columns = columns_;
  rows = rows_;
  return true;
}

int FakeTerminal::takeByte() {
  if (resizeAfterReads_ >= 0 && resizeAfterReads_-- == 0) columns_ = 80, rows_ = 24;
  int byte = script_.front().byte;
  script_.pop_front();
  return byte;
}

int FakeTerminal::readByte() {
  if (script_.empty()) {
    if (keepOpen_) throw std::logic_error("the program waits for a key the test never types");
    return console::kEndOfInput;
  }
  now_ = std::max(now_, script_.front().atMs);
  return takeByte();
}

int FakeTerminal::readByteWithin(uint32_t ms) {
  if (script_.empty()) return keepOpen_ ? console::kNoByte : console::kEndOfInput;
  if (script_.front().atMs > now_ + ms) {
    now_ += ms;
    return console::kNoByte;
  }
  now_ = std::max(now_, script_.front().atMs);
  return takeByte();
}

bool FakeTerminal::byteWaiting() {
  if (script_.empty()) return !keepOpen_;
  return script_.front().atMs <= now_;
}

uint32_t FakeTerminal::nowMs() {
  now_ += autoAdvanceMs;
  return now_;
}

void FakeTerminal::sleepMs(uint32_t ms) {
  ++sleeps_;
  now_ += ms;
}

}  // namespace support
