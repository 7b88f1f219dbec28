#include "platform/windows/console_guard.h"

#include <windows.h>

#include <cassert>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>

#include "platform/windows/console_screen.h"

namespace platform {
namespace {

// Key presses without line editing or echo, and the window's size changes;
// Ctrl-C stays a signal (ENABLE_PROCESSED_INPUT). No mouse events, and no VT
// sequences for keys: keys come as key events.
constexpr DWORD kKeyReadingMode = ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT;

// Everything the handlers need. The handlers run on other threads (Ctrl-C,
// window closing) or in the middle of anything (a crash), so changes to the
// console happen under the lock.
struct GuardState {
  bool active = false;
  HANDLE input = nullptr;
  HANDLE output = nullptr;
  bool inputIsConsole = false;
  bool outputIsConsole = false;
  DWORD foundInputMode = 0;
  CONSOLE_CURSOR_INFO foundCursor{};
  bool keyReading = false;
  HANDLE ownBuffer = nullptr;
  LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
  void (*previousAbortHandler)(int) = SIG_DFL;
  std::string closingText;
  bool outputAtLineStart = true;
  std::mutex lock;
};

GuardState state;

// Shows the user's buffer again, with its cursor as it was: a console that
// paints the terminal only on changes (Wine's) shows the cursor only then.
void putConsoleBack() {
  if (state.ownBuffer != nullptr) {
    SetConsoleActiveScreenBuffer(state.output);
    SetConsoleCursorInfo(state.output, &state.foundCursor);
  }
  if (state.keyReading) SetConsoleMode(state.input, state.foundInputMode);
  state.keyReading = false;
}

// The own buffer is closed only by the main thread: a handler may run while
// it is being drawn on.
void closeOwnBuffer() {
  if (state.ownBuffer == nullptr) return;
  CloseHandle(state.ownBuffer);
  state.ownBuffer = nullptr;
}

// Called with the lock held, by the main thread only: under Wine, console
// output from the thread that handles Ctrl-C was seen to hang the program
// after a daily game. The text is taken before it is written, so a second
// way out finds none left.
void writeClosingText() {
  std::string text = std::move(state.closingText);
  state.closingText.clear();
  if (text.empty()) return;
  if (state.outputIsConsole) {
    writeConsoleText(state.output, text);
    return;
  }
  if (!state.outputAtLineStart) text.insert(text.begin(), '\n');
  DWORD written = 0;
  WriteFile(state.output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Ctrl-C, Ctrl-Break, the window closing, logging off or shutting down: the
// console is put back, and the program ends with the status Windows gives a
// program that Ctrl-C ends. The lock is kept, so the program cannot take
// the console again before it is gone.
BOOL WINAPI onControlEvent(DWORD) {
  state.lock.lock();
  putConsoleBack();
  TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  return TRUE;
}

// A crash may come while the lock is held by the crashing thread itself, so
// it is not waited for.
void putConsoleBackAfterCrash() {
  bool locked = state.lock.try_lock();
  putConsoleBack();
  if (locked) state.lock.unlock();
}

LONG WINAPI onCrash(EXCEPTION_POINTERS* exception) {
  putConsoleBackAfterCrash();
  return state.previousFilter != nullptr ? state.previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

// abort() and a failed assert end the program without a crash to catch.
void onAbort(int) { putConsoleBackAfterCrash(); }

void restoreAtExit() {
  if (state.active) putConsoleBack();
}

bool isConsole(HANDLE handle, DWORD& mode) { return handle != nullptr && GetConsoleMode(handle, &mode) != 0; }

void installHandlers() {
  static bool exitHookRegistered = false;
  if (!exitHookRegistered) exitHookRegistered = std::atexit(restoreAtExit) == 0;
  SetConsoleCtrlHandler(onControlEvent, TRUE);
  state.previousFilter = SetUnhandledExceptionFilter(onCrash);
  state.previousAbortHandler = std::signal(SIGABRT, onAbort);
}

void uninstallHandlers() {
  SetConsoleCtrlHandler(onControlEvent, FALSE);
  SetUnhandledExceptionFilter(state.previousFilter);
  std::signal(SIGABRT, state.previousAbortHandler);
}

}  // namespace

WindowsConsoleGuard::WindowsConsoleGuard(void* input, void* output) {
  assert(!state.active && "one console guard at a time");
  std::lock_guard<std::mutex> locked(state.lock);
  state.active = true;
  state.input = input;
  state.output = output;
  state.closingText.clear();
  state.outputAtLineStart = true;
  DWORD outputMode = 0;
  state.inputIsConsole = isConsole(state.input, state.foundInputMode);
  state.outputIsConsole = isConsole(state.output, outputMode);
  if (state.outputIsConsole) GetConsoleCursorInfo(state.output, &state.foundCursor);
  installHandlers();
}

WindowsConsoleGuard::~WindowsConsoleGuard() {
  restore();
  std::lock_guard<std::mutex> locked(state.lock);
  uninstallHandlers();
  state.active = false;
}

bool WindowsConsoleGuard::inputIsConsole() const { return state.inputIsConsole; }

bool WindowsConsoleGuard::outputIsConsole() const { return state.outputIsConsole; }

void WindowsConsoleGuard::enterKeyReading() {
  std::lock_guard<std::mutex> locked(state.lock);
  if (!state.inputIsConsole || state.keyReading) return;
  state.keyReading = true;
  SetConsoleMode(state.input, kKeyReadingMode);
}

void* WindowsConsoleGuard::enterFullScreen() {
  std::lock_guard<std::mutex> locked(state.lock);
  if (!state.outputIsConsole || state.ownBuffer != nullptr) return state.ownBuffer;
  HANDLE buffer = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
  if (buffer == INVALID_HANDLE_VALUE) return nullptr;
  CONSOLE_CURSOR_INFO hidden = state.foundCursor;
  hidden.bVisible = FALSE;
  SetConsoleCursorInfo(buffer, &hidden);
  SetConsoleActiveScreenBuffer(buffer);
  state.ownBuffer = buffer;
  return buffer;
}

void WindowsConsoleGuard::restore() {
  std::lock_guard<std::mutex> locked(state.lock);
  putConsoleBack();
  closeOwnBuffer();
  writeClosingText();
}

void WindowsConsoleGuard::setClosingText(std::string_view text) {
  std::lock_guard<std::mutex> locked(state.lock);
  state.closingText = text;
}

void WindowsConsoleGuard::noteOutput(std::string_view bytes) {
  std::lock_guard<std::mutex> locked(state.lock);
  if (!bytes.empty()) state.outputAtLineStart = bytes.back() == '\n';
}

}  // namespace platform
