#include "platform/windows/key_input.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "console/terminal.h"

namespace platform {

using console::kEndOfInput;
using console::kNoByte;
using console::kWindowChanged;

namespace {

// How many console events one read takes; more simply wait for the next.
constexpr DWORD kEventsPerRead = 64;
constexpr DWORD kBytesPerRead = 4096;
// How often a wait looks at a pipe, which has no handle to wait on.
constexpr uint32_t kPipePollMs = 5;

KeyEvent keyEventOf(const KEY_EVENT_RECORD& record) {
  KeyEvent event;
  event.keyDown = record.bKeyDown != 0;
  event.repeatCount = std::max<uint16_t>(record.wRepeatCount, 1);
  event.virtualKey = record.wVirtualKeyCode;
  event.character = static_cast<char16_t>(record.uChar.UnicodeChar);
  return event;
}

}  // namespace

WindowsKeyInput::WindowsKeyInput(void* input, bool isConsole, void* wayOut, std::function<void()> takeWayOut)
    : input_(input), wayOut_(wayOut), takeWayOut_(std::move(takeWayOut)) {
  if (isConsole) {
    source_ = Source::kConsole;
  } else {
    source_ = GetFileType(input) == FILE_TYPE_PIPE ? Source::kPipe : Source::kOther;
  }
}

uint32_t WindowsKeyInput::nowMs() {
  return static_cast<uint32_t>(GetTickCount64());  // wraps after 49 days; differences stay right
}

int WindowsKeyInput::takePending() {
  auto byte = static_cast<unsigned char>(pending_[taken_++]);
  if (taken_ == pending_.size()) pending_.clear(), taken_ = 0;
  return byte;
}

// A window change ends the wait for a key, so the screen is drawn again at
// once rather than at the next key.
int WindowsKeyInput::readByte() {
  for (;;) {
    if (hasPending()) return takePending();
    if (windowChanged_) return kWindowChanged;
    if (ended_) return kEndOfInput;
    awaitInput(INFINITE);
  }
}

int WindowsKeyInput::readByteWithin(uint32_t ms) {
  uint32_t start = nowMs();
  for (;;) {
    if (hasPending()) return takePending();
    if (ended_) return kEndOfInput;
    uint32_t passed = nowMs() - start;
    if (passed >= ms) return kNoByte;
    awaitInput(ms - passed);
  }
}

// As readByte, with a deadline.
int WindowsKeyInput::readByteFor(uint32_t ms) {
  uint32_t start = nowMs();
  for (;;) {
    if (hasPending()) return takePending();
    if (windowChanged_) return kWindowChanged;
    if (ended_) return kEndOfInput;
    uint32_t passed = nowMs() - start;
    if (passed >= ms) return kNoByte;
    awaitInput(ms - passed);
  }
}

bool WindowsKeyInput::byteWaiting() {
  if (!hasPending() && !ended_) awaitInput(0);
  return hasPending() || ended_;
}

void WindowsKeyInput::sleepMs(uint32_t ms) {
  uint32_t start = nowMs();
  for (uint32_t passed = 0; passed < ms; passed = nowMs() - start) {
    if (source_ == Source::kConsole) {
      takeConsoleEvents(ms - passed);
    } else {
      pause(ms - passed);
    }
  }
}

bool WindowsKeyInput::takeWindowChange() {
  bool changed = windowChanged_;
  windowChanged_ = false;
  return changed;
}

// Waits up to ms (INFINITE: for as long as it takes) for input, taking what
// arrives into pending_.
void WindowsKeyInput::awaitInput(uint32_t ms) {
  switch (source_) {
    case Source::kConsole: takeConsoleEvents(ms); break;
    case Source::kPipe:
      if (ms == INFINITE || pipeHasBytes()) {
        readBytes();
      } else if (!ended_) {
        pause(std::min(ms, kPipePollMs));
      }
      break;
    case Source::kOther: readBytes(); break;  // a file or a device answers at once
  }
}

// The way-out event stays set once set, so it is looked at after each wait:
// keys that keep coming cannot hide it.
bool WindowsKeyInput::wayOutAsked() const {
  return wayOut_ != nullptr && WaitForSingleObject(wayOut_, 0) == WAIT_OBJECT_0;
}

// Waits ms, or until the way out is asked for.
void WindowsKeyInput::pause(uint32_t ms) {
  if (wayOut_ == nullptr) return Sleep(ms);
  WaitForSingleObject(wayOut_, ms);
  if (wayOutAsked()) takeWayOut_();
}

void WindowsKeyInput::takeConsoleEvents(uint32_t ms) {
  HANDLE handles[] = {input_, wayOut_};
  DWORD waited = WaitForMultipleObjects(wayOut_ != nullptr ? 2 : 1, handles, FALSE, ms);
  if (wayOutAsked()) return takeWayOut_();
  if (waited == WAIT_FAILED) ended_ = true;
  if (waited != WAIT_OBJECT_0) return;
  DWORD count = 0;
  if (!GetNumberOfConsoleInputEvents(input_, &count)) ended_ = true;
  if (count == 0) return;
  INPUT_RECORD records[kEventsPerRead];
  DWORD read = 0;
  if (!ReadConsoleInputW(input_, records, std::min(count, kEventsPerRead), &read)) ended_ = true;
  for (DWORD i = 0; i < read; ++i) takeEvent(&records[i]);
}

void WindowsKeyInput::takeEvent(const void* event) {
  const auto& record = *static_cast<const INPUT_RECORD*>(event);
  if (record.EventType == KEY_EVENT) pending_ += translator_.bytes(keyEventOf(record.Event.KeyEvent));
  if (record.EventType == WINDOW_BUFFER_SIZE_EVENT) windowChanged_ = true;
}

// A pipe whose writer has gone and that holds nothing more is at its end.
bool WindowsKeyInput::pipeHasBytes() {
  DWORD available = 0;
  if (!PeekNamedPipe(input_, nullptr, 0, nullptr, &available, nullptr)) {
    ended_ = true;
    return false;
  }
  return available > 0;
}

// Reads what there is, waiting for at least one byte; an empty read or an
// error is the end of the input.
void WindowsKeyInput::readBytes() {
  if (ended_) return;
  char bytes[kBytesPerRead];
  DWORD read = 0;
  if (!ReadFile(input_, bytes, kBytesPerRead, &read, nullptr) || read == 0) {
    ended_ = true;
    return;
  }
  pending_.append(bytes, read);
}

}  // namespace platform
