#include "fuzz_terminal.h"

#include <algorithm>
#include <iostream>

#include "console/console.h"

namespace fuzz {

std::vector<TypedByte> keyScript(const uint8_t* data, size_t size) {
  std::vector<TypedByte> script;
  uint32_t atMs = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] != kPauseByte) {
      script.push_back({atMs, data[i]});
    } else if (i + 1 < size) {
      atMs = std::min(atMs + (data[++i] + 1U) * kPauseStepMs, kLongestScriptMs);
    }
  }
  return script;
}

FuzzTerminal::FuzzTerminal(std::vector<TypedByte> script, Observer observer)
    : script_(std::move(script)), observer_(std::move(observer)), previousTerminal_(console::install(this)) {}

FuzzTerminal::~FuzzTerminal() { console::install(previousTerminal_); }

void FuzzTerminal::observe(bool waitsForKey) {
  if (!shownSinceCheck_ && !waitsForKey) return;
  shownSinceCheck_ = false;
  observer_(*screen_, waitsForKey);
}

int FuzzTerminal::takeByte() {
  now_ = std::max(now_, script_[next_].atMs);
  return script_[next_++].byte;
}

int FuzzTerminal::readByte() {
  observe(nextByteIsLater(0));
  return next_ < script_.size() ? takeByte() : console::kEndOfInput;
}

int FuzzTerminal::readByteWithin(uint32_t ms) {
  observe(false);
  if (next_ == script_.size()) return console::kEndOfInput;
  if (nextByteIsLater(ms)) {
    now_ += ms;
    return console::kNoByte;
  }
  return takeByte();
}

// The screen waits for a key as with readByte, but only until ms have
// passed, so the clock moves on to the next key or by ms.
int FuzzTerminal::readByteFor(uint32_t ms) {
  observe(nextByteIsLater(0));
  if (next_ == script_.size()) return console::kEndOfInput;
  if (nextByteIsLater(ms)) {
    now_ += ms;
    return console::kNoByte;
  }
  return takeByte();
}

bool FuzzTerminal::byteWaiting() {
  observe(false);
  return !nextByteIsLater(0);
}

// A sleep with no key due before it ends lasts until the next key is
// typed, as a sleep of a busy or stopped system may: the passes it skips
// would only have counted down, and each costs as much as one with a key.
void FuzzTerminal::sleepMs(uint32_t ms) {
  observe(false);
  now_ += ms;
  if (next_ < script_.size()) now_ = std::max(now_, script_[next_].atMs);
}

}  // namespace fuzz
