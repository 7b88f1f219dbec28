#include "console/console.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <string>

#include "console/key_decoder.h"
#include "console/output_buffer.h"
#include "console/size_request.h"
#include "console/terminal.h"

namespace console {
namespace {

constexpr const char* kCursorHome = "\x1b[H";
constexpr const char* kEraseScreen = "\x1b[2J";
constexpr int kQuitKey = 'q';
// Ctrl-L, which full-screen terminal programs take as "draw the screen again".
constexpr int kRedrawKey = 12;

struct ConsoleState {
  Terminal* terminal = nullptr;
  KeyDecoder decoder;
  std::deque<int> pendingCodes;
  ScreenGrid grid;
  OutputBuffer output{grid};
  std::streambuf* coutBefore = nullptr;
  bool fullScreen = false;
  // The window is too small for the grid, and the request to enlarge it
  // shows in its place.
  bool showingRequest = false;
  // What the window shows is unknown: the next present draws every cell.
  bool wholeWanted = false;
  bool colourShown = false;
  // What the characters written next look like, as far as the console's own
  // calls set it.
  CellAttributes pen;
};

ConsoleState& state() {
  static ConsoleState instance;
  return instance;
}

Terminal& terminal() { return *state().terminal; }

// The window's size, when it is known to be too small for the screens.
bool windowTooSmall(uint16_t& columns, uint16_t& rows) {
  return terminal().windowSize(columns, rows) && (columns < kScreenColumns || rows < kScreenRows);
}

// A line left open (a loading line without its end) must not run into what
// comes next, nor into the shell's prompt after the program ends.
void endOpenLine() {
  if (!state().output.atLineStart()) lineEnd();
}

// Looks at the window when the full screen begins, after the window
// changed, or when a key answers the request: too small, and the request
// shows instead of the screen, since a screen drawn into a smaller window
// wraps and scrolls into a mess; large enough, and the whole screen is
// drawn again.
void lookAtWindow() {
  ConsoleState& s = state();
  uint16_t columns = 0;
  uint16_t rows = 0;
  s.showingRequest = windowTooSmall(columns, rows);
  if (s.showingRequest) {
    terminal().showMessage(layOutForWindow(sizeRequest(columns, rows), columns, rows));
  } else {
    s.wholeWanted = true;
  }
}

// Line output goes out as it comes. After a stop the shell has written
// below the line the program waits at, which is shown again, unless new
// output follows anyway.
void sendLines(bool continued) {
  ConsoleState& s = state();
  if (continued && !s.output.hasPending()) s.output.sendCurrentLineAgain();
  s.output.sendLines();
}

// Shows what was drawn since the program last waited, or the size request
// in its place. Called before every wait; a wait with nothing new drawn
// presents nothing, so a pass that only waits costs no comparison of the
// screen with what the window shows.
void refresh() {
  ConsoleState& s = state();
  bool windowChanged = terminal().takeWindowChange();
  bool continued = terminal().takeContinue();
  if (!s.fullScreen) {
    sendLines(continued);
    return;
  }
  if (windowChanged) lookAtWindow();
  if (s.showingRequest) return;
  if (!s.output.takeDrawn() && !s.wholeWanted) return;
  terminal().present(s.grid, s.wholeWanted);
  s.wholeWanted = false;
}

// While the request shows, keys belong to it: q quits, any other key asks
// for another look at the window.
void answerRequest(const std::vector<int>& codes) {
  if (codes.front() == kQuitKey) throw InputEnded{};
  lookAtWindow();
}

// Takes the codes of one key press: for the program, for the request, or,
// for Ctrl-L on the full screen, a whole present at the next refresh.
void takeCodes(const std::vector<int>& codes) {
  ConsoleState& s = state();
  if (codes.front() == kWindowChanged) return;
  if (s.showingRequest) {
    answerRequest(codes);
  } else if (s.fullScreen && codes.front() == kRedrawKey) {
    s.wholeWanted = true;
  } else {
    s.pendingCodes.assign(codes.begin(), codes.end());
  }
}

// Delivers what the installed terminal has still to show.
void deliverPending() {
  ConsoleState& s = state();
  if (s.terminal == nullptr) return;
  if (s.fullScreen) {
    if (!s.showingRequest) terminal().present(s.grid, s.wholeWanted);
  } else {
    s.output.sendLines();
  }
}

void takeStandardOutput(bool take) {
  ConsoleState& s = state();
  if (take && s.coutBefore == nullptr) s.coutBefore = std::cout.rdbuf(&s.output);
  if (!take && s.coutBefore != nullptr) {
    std::cout.rdbuf(s.coutBefore);
    s.coutBefore = nullptr;
  }
}

// From the first screen clear the program draws on the grid, and the window
// shows the grid or, while it is too small, the request in its place.
void beginFullScreen() {
  ConsoleState& s = state();
  endOpenLine();
  s.output.sendLines();
  s.fullScreen = true;
  s.output.drawOnGrid();
  terminal().beginFullScreen();
  terminal().takeWindowChange();  // the window is looked at now
  lookAtWindow();
}

// A program that ends by std::exit still shows its last screen. Registered
// after the console's state exists, this runs before that state is gone,
// and before the terminal itself is put back.
void deliverAtExit() { install(nullptr); }

}  // namespace

Terminal* install(Terminal* newTerminal) {
  ConsoleState& s = state();
  static bool exitHookRegistered = false;
  if (!exitHookRegistered) exitHookRegistered = std::atexit(deliverAtExit) == 0;
  deliverPending();
  Terminal* previous = s.terminal;
  s.terminal = newTerminal;
  takeStandardOutput(newTerminal != nullptr);
  s.output.reset(newTerminal);
  s.decoder = KeyDecoder{};
  s.pendingCodes.clear();
  s.grid = ScreenGrid{};
  s.fullScreen = false;
  s.showingRequest = false;
  s.wholeWanted = false;
  s.colourShown = false;
  s.pen = CellAttributes{};
  return previous;
}

Terminal* installed() { return state().terminal; }

// One write of the whole sequence, formatted without the stream's locale:
// every piece of every screen is placed through here.
void moveCursor(uint16_t x, uint16_t y) {
  std::cout << "\x1b[" + std::to_string(y + 1) + ';' + std::to_string(x + 1) + 'H';
}

void clearScreen() {
  if (!state().fullScreen) beginFullScreen();
  state().pen = CellAttributes{};
  std::cout << renditionSequence(CellAttributes{}) << kCursorHome << kEraseScreen;
}

void setAttributes(CellAttributes attributes) {
  ConsoleState& s = state();
  if (!s.colourShown) attributes.colour = Palette::kDefault, attributes.bold = false;
  s.pen = attributes;
  std::cout << renditionSequence(attributes);
}

void setColourShown(bool on) { state().colourShown = on; }

bool colourShown() { return state().colourShown; }

// Written only where the colour changes, so a screen drawn in one colour
// costs no more than it did.
void setColour(Colour colour) {
  ConsoleState& s = state();
  if (!s.colourShown || !s.fullScreen) return;
  if (s.pen.colour == colour.foreground && s.pen.bold == colour.bold) return;
  s.pen.colour = colour.foreground;
  s.pen.bold = colour.bold;
  std::cout << renditionSequence(s.pen);
}

ColourScope::ColourScope(Colour colour) : before_{state().pen.colour, state().pen.bold} { setColour(colour); }

ColourScope::~ColourScope() { setColour(before_); }

bool attributesShown() { return state().terminal != nullptr && terminal().showsAttributes(); }

UnicodeCells screenUnicodeCells() {
  return state().terminal != nullptr ? terminal().unicodeCells() : UnicodeCells::kAsLocaleSays;
}

void lineEnd() { std::cout << '\r' << std::endl; }

void flushOutput() { refresh(); }

int readKey() {
  ConsoleState& s = state();
  while (s.pendingCodes.empty()) {
    refresh();
    std::vector<int> codes = s.decoder.nextKey(terminal());
    if (codes.empty()) throw InputEnded{};
    takeCodes(codes);
  }
  int code = s.pendingCodes.front();
  s.pendingCodes.pop_front();
  return code;
}

// Bytes waiting are not yet a key waiting: Ctrl-L and a key that answers
// the size request are used up here, and a yes must not leave readKey
// blocked. So what has arrived is decoded now, and its codes wait for
// readKey.
bool keyWaiting() {
  ConsoleState& s = state();
  while (s.pendingCodes.empty()) {
    refresh();
    std::vector<int> codes = s.decoder.arrivedKey(terminal());
    if (codes.empty()) break;
    takeCodes(codes);
  }
  return !s.pendingCodes.empty() || s.decoder.hasPending();
}

int readKeyPress() {
  int code = readKey();
  state().pendingCodes.clear();
  return code;
}

// A byte that arrives in time is left to the decoder, which keyWaiting
// then asks; a window change meanwhile is taken by keyWaiting's refresh.
bool keyArrivesWithin(uint32_t ms) {
  ConsoleState& s = state();
  const uint32_t startMs = elapsedMs();
  while (!keyWaiting()) {
    const uint32_t waited = elapsedMs() - startMs;
    if (waited >= ms) return false;
    const int byte = terminal().readByteFor(ms - waited);
    if (byte != kNoByte && byte != kWindowChanged) s.decoder.pushBack(byte);
  }
  return true;
}

// Nothing is presented here: the screen shows at the caller's next wait,
// with what it draws meanwhile, as it would have without the request.
void waitUntilScreenShows() {
  ConsoleState& s = state();
  while (s.showingRequest) {
    std::vector<int> codes = s.decoder.nextKey(terminal());
    if (codes.empty()) throw InputEnded{};
    takeCodes(codes);
    if (terminal().takeWindowChange()) lookAtWindow();
  }
}

// A key's codes are taken from what has arrived, then dropped; the end of
// the input stops this, and the next read reports it.
void dropArrivedKeys() {
  ConsoleState& s = state();
  do {
    s.pendingCodes.clear();
  } while (keyWaiting() && !s.pendingCodes.empty());
}

// Keys are looked for every pass of the round's length, so the screen
// follows a resize meanwhile as it does during play.
void dropKeysFor(uint32_t ms) {
  constexpr uint32_t kStepMs = 50;
  const uint32_t startMs = elapsedMs();
  dropArrivedKeys();
  for (uint32_t waited = 0; waited < ms; waited = elapsedMs() - startMs) {
    sleepMs(std::min(ms - waited, kStepMs));
    dropArrivedKeys();
  }
}

void setCharacterKeys(bool on) { state().decoder.setCharacterKeys(on); }

uint32_t elapsedMs() { return terminal().nowMs(); }

void sleepMs(uint32_t ms) {
  refresh();
  terminal().sleepMs(ms);
}

}  // namespace console
