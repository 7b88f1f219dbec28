#pragma once
// Key input on Windows. From a console it reads key events and turns them
// into the bytes a VT terminal sends for the same keys (key_event_bytes.h);
// from a pipe or a file it reads the bytes as they are.
//
// Every wait for console input is a wait on the input handle, also a wait
// that is only meant to pass time: Wine's console reads the terminal only
// while the program waits on the handle, so polling without a wait never
// sees a key there, and a wait ends at once when a key comes. Every wait
// also watches the way-out event, if one is given: once it is set, the wait
// calls takeWayOut, which ends the program.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/windows/key_event_bytes.h"

namespace platform {

class WindowsKeyInput {
 public:
  /// isConsole: input is a console input handle (GetConsoleMode succeeded).
  /// wayOut: an event handle, or nullptr for none. A blocking read of a
  /// pipe or a file does not see it.
  WindowsKeyInput(void* input, bool isConsole, void* wayOut = nullptr, std::function<void()> takeWayOut = {});

  /// As Terminal::readByte, readByteWithin, readByteFor and byteWaiting.
  int readByte();
  int readByteWithin(uint32_t ms);
  int readByteFor(uint32_t ms);
  bool byteWaiting();
  /// Waits ms, taking in the console events that arrive meanwhile.
  void sleepMs(uint32_t ms);
  /// True once after the console reported a new window size.
  bool takeWindowChange();

  /// A monotonic millisecond clock.
  static uint32_t nowMs();

 private:
  enum class Source { kConsole, kPipe, kOther };

  bool hasPending() const { return taken_ < pending_.size(); }
  int takePending();
  void awaitInput(uint32_t ms);
  void takeConsoleEvents(uint32_t ms);
  bool wayOutAsked() const;
  void pause(uint32_t ms);
  void takeEvent(const void* record);
  bool pipeHasBytes();
  void readBytes();

  void* input_;
  void* wayOut_;
  std::function<void()> takeWayOut_;
  Source source_;
  KeyEventTranslator translator_;
  // Bytes taken from the input and not yet read by the program.
  std::string pending_;
  size_t taken_ = 0;
  bool ended_ = false;
  bool windowChanged_ = false;
};

}  // namespace platform
