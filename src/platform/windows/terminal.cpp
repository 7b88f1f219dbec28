#include "platform/windows/terminal.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "console/terminal.h"
#include "platform/windows/unicode_cells.h"
#include "platform/windows/utf16_text.h"

namespace platform {

using console::ScreenGrid;

namespace {

// The exit status of a run whose output could not be written.
constexpr int kExitOutputFailed = 1;

// Writes all of bytes to a pipe or a file; returns 0, or the system's error
// when the output refuses them (a closed pipe, an invalid handle).
DWORD writeFully(HANDLE output, std::string_view bytes) {
  for (size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    if (!WriteFile(output, bytes.data() + done, chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return 0;
}

}  // namespace

WindowsTerminal::WindowsTerminal(void* input, void* output)
    : guard_(input, output),
      input_(input, guard_.inputIsConsole(), guard_.wayOut(), [this] { guard_.endByControl(); }),
      output_(output) {
  windowSize(knownColumns_, knownRows_);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) endForUnwritableOutput(ERROR_INVALID_HANDLE);
}

// Nobody sees a run whose output cannot be written: it ends at once, with
// the console put back and the reason on the error output. No exit hooks
// run, as they would only try to write again.
void WindowsTerminal::endForUnwritableOutput(unsigned long error) {
  guard_.setClosingText({});
  guard_.restore();
  std::string reason = std::system_category().message(static_cast<int>(error));
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
    reason.pop_back();
  std::string line = "Error: Could not write the output (" + reason + ")\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  std::_Exit(kExitOutputFailed);
}

void WindowsTerminal::writeOrEnd(std::string_view bytes) {
  guard_.noteOutput(bytes);
  if (DWORD error = writeFully(output_, bytes)) endForUnwritableOutput(error);
}

// Its owner uninstalls it from the console first, so what was still to be
// shown has gone out on the screen it was drawn for. A pipe given colour is
// left plain for whatever reads it to a terminal.
WindowsTerminal::~WindowsTerminal() {
  if (!guard_.outputIsConsole()) (void)writeFully(output_, vtPresenter_.plainPen());
  guard_.restore();
}

int WindowsTerminal::readByte() {
  guard_.enterKeyReading();
  return input_.readByte();
}

int WindowsTerminal::readByteWithin(uint32_t ms) {
  guard_.enterKeyReading();
  return input_.readByteWithin(ms);
}

int WindowsTerminal::readByteFor(uint32_t ms) {
  guard_.enterKeyReading();
  return input_.readByteFor(ms);
}

bool WindowsTerminal::byteWaiting() {
  guard_.enterKeyReading();
  return input_.byteWaiting();
}

bool WindowsTerminal::windowSize(uint16_t& columns, uint16_t& rows) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!guard_.outputIsConsole() || !GetConsoleScreenBufferInfo(shownBuffer(), &info)) return false;
  columns = static_cast<uint16_t>(info.srWindow.Right - info.srWindow.Left + 1);
  rows = static_cast<uint16_t>(info.srWindow.Bottom - info.srWindow.Top + 1);
  return true;
}

// A console reports a new buffer size as an event, but a classic console
// window resized within its buffer reports nothing: its size is looked at
// too.
bool WindowsTerminal::takeWindowChange() {
  bool reported = input_.takeWindowChange();
  return windowResized() || reported;
}

bool WindowsTerminal::windowResized() {
  uint16_t columns = 0;
  uint16_t rows = 0;
  if (!windowSize(columns, rows) || (columns == knownColumns_ && rows == knownRows_)) return false;
  knownColumns_ = columns;
  knownRows_ = rows;
  return true;
}

UnicodeCells WindowsTerminal::unicodeCells() {
  return windowsUnicodeCells(guard_.outputIsConsole(), GetConsoleOutputCP());
}

void WindowsTerminal::writeText(std::string_view bytes) {
  if (!guard_.outputIsConsole()) {
    writeOrEnd(bytes);
    return;
  }
  std::string text = unfinishedText_ + std::string(bytes);
  size_t tail = unfinishedUtf8Tail(text);
  unfinishedText_ = text.substr(text.size() - tail);
  text.resize(text.size() - tail);
  writeConsoleText(output_, text);
}

void WindowsTerminal::beginFullScreen() {
  screenBuffer_ = guard_.enterFullScreen();
  windowResized();
}

// A pipe or a file gets the bytes a VT terminal would, as on POSIX.
void WindowsTerminal::present(const ScreenGrid& grid, bool whole) {
  if (guard_.outputIsConsole()) {
    consoleScreen_.present(shownBuffer(), grid, whole);
  } else {
    writeOrEnd(vtPresenter_.update(grid, whole));
  }
}

void WindowsTerminal::showMessage(std::string_view text) {
  if (guard_.outputIsConsole()) {
    consoleScreen_.message(shownBuffer(), text);
  } else {
    writeOrEnd(vtPresenter_.message(text));
  }
}

}  // namespace platform

std::unique_ptr<console::Terminal> console::makePlatformTerminal() {
  // Whatever else reaches standard output through the C library goes out
  // byte for byte too: text mode would turn "\n" into "\r\n".
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  return std::make_unique<platform::WindowsTerminal>(GetStdHandle(STD_INPUT_HANDLE),
                                                     GetStdHandle(STD_OUTPUT_HANDLE));
}
