#include "platform/windows/console_guard.h"

#include <windows.h>

#include <cassert>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/windows/closing_text.h"
#include "platform/windows/console_screen.h"

namespace platform {
namespace {

// Key presses without line editing or echo, and the window's size changes;
// Ctrl-C stays a signal (ENABLE_PROCESSED_INPUT). No mouse events, and no VT
// sequences for keys: keys come as key events.
constexpr DWORD kKeyReadingMode = ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT;

// How long a control event waits for the main thread to end the program
// before it ends it alone: well within the five seconds Windows grants a
// console window that is being closed.
constexpr DWORD kHandOverMs = 2000;

// Everything the handlers need. The handlers run on other threads (Ctrl-C,
// window closing) or in the middle of anything (a crash), so changes to the
// console happen under the lock. The lock is never held while asking for
// the lock of the list of control handlers (SetConsoleCtrlHandler): a
// control handler may run holding that one, and waits for ours.
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
  ClosingText closingText;
  // Set by a control event: the main thread's waits for input watch it.
  HANDLE wayOut = nullptr;
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

// Called with the lock held, by the main thread only (see onControlEvent).
// The text is taken as it is written, so a second way out finds none left.
void writeClosingText() {
  const std::string text = state.closingText.take(state.outputIsConsole);
  if (text.empty()) return;
  if (state.outputIsConsole) {
    writeConsoleText(state.output, text);
    return;
  }
  DWORD written = 0;
  WriteFile(state.output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Ends the program with the status Windows gives a program that Ctrl-C
// ends, with the lock kept, so the console cannot be taken again meanwhile.
[[noreturn]] void endWithControlStatus() {
  TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  ExitProcess(STATUS_CONTROL_C_EXIT);
}

// Ctrl-C, Ctrl-Break, the window closing, logging off or shutting down.
// The handler runs on a thread of its own, which the system starts while
// the main thread goes on drawing and writing, and (under Wine, and in the
// systems modelled on Windows) holding the lock of the list of handlers.
// With no closing text to write, it puts the console back and ends the
// program at once. Writing the text from here would race with the main
// thread's own output, and was once seen to hang the program under Wine;
// so then the handler only asks: the main thread, which spends its time
// waiting for keys, sees the request in that wait and ends the program
// itself (endByControl), the one thread that ever writes. Only if it has
// not within kHandOverMs (busy, or blocked reading a pipe) does the handler
// put the console back alone and end the program without the text.
BOOL WINAPI onControlEvent(DWORD) {
  state.lock.lock();
  if (state.closingText.empty()) {
    putConsoleBack();
    endWithControlStatus();
  }
  state.lock.unlock();
  SetEvent(state.wayOut);
  Sleep(kHandOverMs);
  state.lock.lock();
  putConsoleBack();
  endWithControlStatus();
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
  {
    std::lock_guard<std::mutex> locked(state.lock);
    state.active = true;
    state.input = input;
    state.output = output;
    state.closingText = ClosingText{};
    DWORD outputMode = 0;
    state.inputIsConsole = isConsole(state.input, state.foundInputMode);
    state.outputIsConsole = isConsole(state.output, outputMode);
    if (state.outputIsConsole) GetConsoleCursorInfo(state.output, &state.foundCursor);
    // One event for the whole run: a handler still running may set it.
    if (state.wayOut == nullptr) state.wayOut = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(state.wayOut);
  }
  installHandlers();
}

WindowsConsoleGuard::~WindowsConsoleGuard() {
  restore();
  uninstallHandlers();
  std::lock_guard<std::mutex> locked(state.lock);
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

void WindowsConsoleGuard::endByControl() {
  state.lock.lock();
  putConsoleBack();
  closeOwnBuffer();
  writeClosingText();
  endWithControlStatus();
}

void* WindowsConsoleGuard::wayOut() const { return state.wayOut; }

void WindowsConsoleGuard::setClosingText(std::string_view text) {
  std::lock_guard<std::mutex> locked(state.lock);
  state.closingText.set(text);
}

void WindowsConsoleGuard::noteOutput(std::string_view bytes) {
  std::lock_guard<std::mutex> locked(state.lock);
  state.closingText.noteOutput(bytes);
}

}  // namespace platform
