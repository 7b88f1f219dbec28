#include "support/fake_terminal.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <stdexcept>
#include <utility>

#include "console/console.h"

namespace support {

FakeTerminal::FakeTerminal() : previousTerminal_(console::install(this)) {
  drawn_.console = std::cout.rdbuf(&drawn_);
}

FakeTerminal::~FakeTerminal() {
  std::cout.rdbuf(drawn_.console);
  console::install(previousTerminal_);
}

FakeTerminal::DrawnCopy::int_type FakeTerminal::DrawnCopy::overflow(int_type ch) {
  if (!traits_type::eq_int_type(ch, traits_type::eof())) bytes += traits_type::to_char_type(ch);
  return console->sputc(traits_type::to_char_type(ch));
}

std::streamsize FakeTerminal::DrawnCopy::xsputn(const char* s, std::streamsize n) {
  bytes.append(s, static_cast<size_t>(n));
  return console->sputn(s, n);
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

void FakeTerminal::resizeAt(uint32_t atMs, uint16_t columns, uint16_t rows) {
  Resize resize{atMs, columns, rows};
  auto at = std::upper_bound(resizes_.begin(), resizes_.end(), resize,
                             [](const Resize& a, const Resize& b) { return a.atMs < b.atMs; });
  resizes_.insert(at, resize);
}

void FakeTerminal::applyResizesDue() {
  while (!resizes_.empty() && resizes_.front().atMs <= now_) {
    setWindowSize(resizes_.front().columns, resizes_.front().rows);
    resizes_.pop_front();
  }
}

std::string FakeTerminal::output() {
  console::flushOutput();
  return captured_;
}

const ScreenModel& FakeTerminal::screen() {
  console::flushOutput();
  screen_.write(std::string_view(captured_).substr(appliedBytes_));
  appliedBytes_ = captured_.size();
  return screen_;
}

void FakeTerminal::present(const console::ScreenGrid& grid, bool whole) {
  ++presents_;
  if (whole) ++wholePresents_;
  captured_ += presenter_.update(grid, whole);
}

bool FakeTerminal::windowSize(uint16_t& columns, uint16_t& rows) {
  if (columns_ == 0) return false;
  columns = columns_;
  rows = rows_;
  return true;
}

bool FakeTerminal::takeWindowChange() {
  applyResizesDue();
  return std::exchange(windowChanged_, false);
}

int FakeTerminal::takeByte() {
  if (resizeAfterReads_ >= 0 && resizeAfterReads_-- == 0) setWindowSize(80, 24);
  int byte = script_.front().byte;
  script_.pop_front();
  return byte;
}

// A resize due before the next key ends the wait at its moment, as does
// the deadline. With the script and the resizes used up the wait ends at
// once, deadline or not, so a program that waits in steps cannot wait
// forever.
int FakeTerminal::readByteBy(uint32_t deadlineMs) {
  applyResizesDue();
  if (windowChanged_) return console::kWindowChanged;
  bool resizeFirst = !resizes_.empty() && (script_.empty() || resizes_.front().atMs < script_.front().atMs);
  if (resizeFirst && resizes_.front().atMs <= deadlineMs) {
    now_ = std::max(now_, resizes_.front().atMs);
    applyResizesDue();
    return console::kWindowChanged;
  }
  if (script_.empty() && resizes_.empty()) {
    if (keepOpen_) throw std::logic_error("the program waits for a key the test never types");
    return console::kEndOfInput;
  }
  if (script_.empty() || script_.front().atMs > deadlineMs) {
    now_ = std::max(now_, deadlineMs);
    return console::kNoByte;
  }
  now_ = std::max(now_, script_.front().atMs);
  return takeByte();
}

int FakeTerminal::readByte() { return readByteBy(UINT32_MAX); }

int FakeTerminal::readByteFor(uint32_t ms) { return readByteBy(now_ + ms); }

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
