#include "platform/windows/line_terminal.h"

#include <windows.h>

#include <cstdlib>
#include <deque>
#include <string>

#include "platform/windows/utf16_text.h"

namespace platform {
namespace {

// The exit status of a run whose output could not be written.
constexpr int kExitOutputFailed = 1;
constexpr DWORD kLineInputModes = ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT;
// Ctrl-Z at the start of a console line ends the input, as it ends a file.
constexpr char kEndOfFileMark = '\x1a';
constexpr DWORD kReadChunk = 4096;

// What the reader thread hands over. It lives as long as the program, as
// the thread may still wait in a read when the terminal is gone.
struct SharedLines {
  CRITICAL_SECTION lock;
  HANDLE changed = nullptr;  ///< set while a line or the end is there to take
  std::deque<std::string> lines;
  bool ended = false;
  HANDLE input = nullptr;
  bool console = false;
};

SharedLines* shared = nullptr;

void handOver(std::string line, bool ended) {
  EnterCriticalSection(&shared->lock);
  if (!ended) shared->lines.push_back(std::move(line));
  if (ended) shared->ended = true;
  SetEvent(shared->changed);
  LeaveCriticalSection(&shared->lock);
}

// Splits off every whole line of pending, without its CR LF.
void handOverLines(std::string& pending) {
  for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
    std::string line = pending.substr(0, end);
    pending.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == kEndOfFileMark && shared->console) return handOver({}, true);
    handOver(std::move(line), false);
  }
}

// A key pressed that types something, which a line read would take.
bool typesSomething(const INPUT_RECORD& event) {
  return event.EventType == KEY_EVENT && event.Event.KeyEvent.bKeyDown &&
         event.Event.KeyEvent.uChar.UnicodeChar != 0;
}

// A console line read echoes where the cursor was when it began, so it
// begins only once a key that types is pressed, after what the program
// wrote meanwhile. Other events (key releases, focus, the mouse) are
// dropped; false when the input fails.
bool awaitTyping() {
  for (;;) {
    if (WaitForSingleObject(shared->input, INFINITE) != WAIT_OBJECT_0) return false;
    INPUT_RECORD event;
    DWORD events = 0;
    if (!PeekConsoleInputW(shared->input, &event, 1, &events)) return false;
    if (events == 1 && typesSomething(event)) return true;
    if (events == 1 && !ReadConsoleInputW(shared->input, &event, 1, &events)) return false;
  }
}

// One read's worth of text as UTF-8; false at the input's end.
bool readChunk(std::string& pending) {
  DWORD got = 0;
  if (shared->console) {
    if (!awaitTyping()) return false;
    wchar_t units[kReadChunk];
    if (!ReadConsoleW(shared->input, units, kReadChunk, &got, nullptr) || got == 0) return false;
    pending += platform::toUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(units), got));
    return true;
  }
  char bytes[kReadChunk];
  if (!ReadFile(shared->input, bytes, kReadChunk, &got, nullptr) || got == 0) return false;
  pending.append(bytes, got);
  return true;
}

DWORD WINAPI readLines(void*) {
  std::string pending;
  while (readChunk(pending)) handOverLines(pending);
  if (!pending.empty()) handOver(pending, false);
  handOver({}, true);
  return 0;
}

std::string withCrlf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

char16_t latin1(unsigned char byte) { return byte; }

[[noreturn]] void endForUnwritableOutput() {
  const char line[] = "Error: Could not write the output\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, sizeof line - 1, &written, nullptr);
  std::_Exit(kExitOutputFailed);
}

}  // namespace

WindowsLineTerminal::WindowsLineTerminal(void* input, void* output) : input_(input), output_(output) {
  DWORD mode = 0;
  inputIsConsole_ = GetConsoleMode(input, &mode) != 0;
  outputIsConsole_ = GetConsoleMode(output, &mode) != 0;
  if (inputIsConsole_) {
    GetConsoleMode(input, &foundInputMode_);
    SetConsoleMode(input, kLineInputModes | (foundInputMode_ & (ENABLE_INSERT_MODE | ENABLE_EXTENDED_FLAGS |
                                                                ENABLE_QUICK_EDIT_MODE)));
  }
  shared = new SharedLines;  // left to the end of the program, with its reader
  InitializeCriticalSection(&shared->lock);
  shared->changed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  shared->input = input;
  shared->console = inputIsConsole_;
  HANDLE reader = CreateThread(nullptr, 0, readLines, nullptr, 0, nullptr);
  if (reader == nullptr)
    handOver({}, true);
  else
    CloseHandle(reader);
}

WindowsLineTerminal::~WindowsLineTerminal() {
  if (inputIsConsole_) SetConsoleMode(input_, foundInputMode_);
}

lines::LineRead WindowsLineTerminal::readLineWithin(uint32_t ms, std::string& line) {
  if (WaitForSingleObject(shared->changed, ms) != WAIT_OBJECT_0) return lines::LineRead::kNothingYet;
  EnterCriticalSection(&shared->lock);
  lines::LineRead read = lines::LineRead::kEnded;
  if (!shared->lines.empty()) {
    line = std::move(shared->lines.front());
    shared->lines.pop_front();
    read = lines::LineRead::kLine;
  }
  if (shared->lines.empty() && !shared->ended) ResetEvent(shared->changed);
  LeaveCriticalSection(&shared->lock);
  return read;
}

void WindowsLineTerminal::write(std::string_view text) {
  const std::string out = withCrlf(text);
  DWORD written = 0;
  if (outputIsConsole_) {
    const std::u16string units = platform::toUtf16(out, latin1);
    if (!WriteConsoleW(output_, units.data(), static_cast<DWORD>(units.size()), &written, nullptr)) {
      endForUnwritableOutput();
    }
    return;
  }
  for (size_t done = 0; done < out.size(); done += written) {
    if (!WriteFile(output_, out.data() + done, static_cast<DWORD>(out.size() - done), &written, nullptr) ||
        written == 0) {
      endForUnwritableOutput();
    }
  }
}

uint32_t WindowsLineTerminal::nowMs() { return static_cast<uint32_t>(GetTickCount64()); }

}  // namespace platform

std::unique_ptr<lines::LineTerminal> lines::makePlatformLineTerminal() {
  return std::make_unique<platform::WindowsLineTerminal>(GetStdHandle(STD_INPUT_HANDLE),
                                                         GetStdHandle(STD_OUTPUT_HANDLE));
}
