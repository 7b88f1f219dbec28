#pragma once
// What stands behind the console operations: the byte input, the clock and
// the delivery of output. The program installs the POSIX terminal; tests
// install a scripted one with a virtual clock.

#include <cstdint>

namespace console {

constexpr int kNoByte = -1;      ///< readByteWithin: nothing arrived in time
constexpr int kEndOfInput = -2;  ///< the input is over for good

class Terminal {
 public:
  virtual ~Terminal() = default;

  /// The next input byte (0 to 255), waiting for it; kEndOfInput at the end.
  virtual int readByte() = 0;
  /// The next input byte if one arrives within ms; else kNoByte or kEndOfInput.
  /// Used to tell an escape sequence from a lone Escape key.
  virtual int readByteWithin(uint32_t ms) = 0;
  /// True when readByte would return at once (the end of input counts).
  virtual bool byteWaiting() = 0;

  virtual uint32_t nowMs() = 0;
  virtual void sleepMs(uint32_t ms) = 0;

  /// The window's size in character cells; false where the output is no
  /// terminal (a pipe or a file has no size to respect).
  virtual bool windowSize(uint16_t& columns, uint16_t& rows) {
    (void)columns, (void)rows;
    return false;
  }

  /// Called on the first screen clear, before its bytes are written: from
  /// here on the program draws whole screens.
  virtual void beginFullScreen() = 0;
  /// Sends everything written to std::cout so far; called whenever the
  /// program is about to wait for a key or for the clock.
  virtual void flushOutput() = 0;
};

/// Makes terminal the one behind the console operations; returns the one
/// installed before (nullptr at first). Installing resets the key decoder's
/// pending codes and the full-screen state.
Terminal* install(Terminal* terminal);

}  // namespace console
