#include "console/console.h"

#include <deque>
#include <iostream>
#include <string>

#include "console/key_decoder.h"
#include "console/terminal.h"

namespace console {
namespace {

constexpr const char* kCursorHome = "\x1b[H";
constexpr const char* kEraseScreen = "\x1b[2J";

struct ConsoleState {
  Terminal* terminal = nullptr;
  KeyDecoder decoder;
  std::deque<int> pendingCodes;
  bool fullScreen = false;
};

ConsoleState& state() {
  static ConsoleState instance;
  return instance;
}

Terminal& terminal() { return *state().terminal; }

constexpr int kQuitKey = 'q';

// A screen drawn into a smaller window wraps and scrolls into a mess: ask
// for a larger one first, and look again after every key.
void waitForLargeEnoughWindow() {
  uint16_t columns = 0;
  uint16_t rows = 0;
  while (terminal().windowSize(columns, rows) && (columns < kScreenColumns || rows < kScreenRows)) {
    std::cout << "Quillop needs a terminal of at least " << kScreenColumns << 'x' << kScreenRows
              << "; this one is " << columns << 'x' << rows
              << ". Enlarge it and press a key, or press q to quit.";
    lineEnd();
    if (readKey() == kQuitKey) throw InputEnded{};
    // The key only answered the request: the second code of an arrow key
    // must not reach the screen drawn next.
    state().pendingCodes.clear();
  }
}

}  // namespace

Terminal* install(Terminal* newTerminal) {
  ConsoleState& s = state();
  Terminal* previous = s.terminal;
  s.terminal = newTerminal;
  s.decoder = KeyDecoder{};
  s.pendingCodes.clear();
  s.fullScreen = false;
  return previous;
}

void moveCursor(uint16_t x, uint16_t y) { std::cout << "\x1b[" << (y + 1) << ';' << (x + 1) << 'H'; }

void clearScreen() {
  ConsoleState& s = state();
  if (!s.fullScreen) {
    waitForLargeEnoughWindow();
    s.fullScreen = true;
    std::cout.flush();
    terminal().beginFullScreen();
  }
  std::cout << kCursorHome << kEraseScreen;
}

void lineEnd() { std::cout << '\r' << std::endl; }

int readKey() {
  ConsoleState& s = state();
  if (s.pendingCodes.empty()) {
    terminal().flushOutput();
    std::vector<int> codes = s.decoder.nextKey(terminal());
    if (codes.empty()) throw InputEnded{};
    s.pendingCodes.assign(codes.begin(), codes.end());
  }
  int code = s.pendingCodes.front();
  s.pendingCodes.pop_front();
  return code;
}

// Bytes waiting are not yet a key waiting: an unknown key's sequence decodes
// to nothing, and a yes here must not leave readKey blocked. So what has
// arrived is decoded now, and its codes wait for readKey.
bool keyWaiting() {
  ConsoleState& s = state();
  if (s.pendingCodes.empty()) {
    terminal().flushOutput();
    std::vector<int> codes = s.decoder.arrivedKey(terminal());
    s.pendingCodes.assign(codes.begin(), codes.end());
  }
  return !s.pendingCodes.empty() || s.decoder.hasPending();
}

uint32_t elapsedMs() { return terminal().nowMs(); }

void sleepMs(uint32_t ms) {
  terminal().flushOutput();
  terminal().sleepMs(ms);
}

}  // namespace console
