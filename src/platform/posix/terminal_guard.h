#pragma once
// The one owner of the terminal's state. When asked, it puts the input
// terminal into raw key reading and the output terminal onto a full screen of
// the program's own; it puts both back exactly as it found them on every way
// out: restore() (also run by the destructor), a signal that ends the program
// (Ctrl-C, kill, hang-up, a crash) and a stop (Ctrl-Z), after which it takes
// the terminal again when the program continues. It also notes window
// changes (a resize, a continue), for the screen to be drawn again. Its
// handlers restart the calls they interrupt, except the waits (poll, sleep),
// which return early and are resumed by their callers. Only one guard exists
// at a time, and a side that is not a terminal is never touched.

#include <cstddef>
#include <string_view>

namespace platform {

class TerminalGuard {
 public:
  /// Notes the input's modes and installs the signal handlers.
  TerminalGuard(int inputFd, int outputFd);
  ~TerminalGuard();
  TerminalGuard(const TerminalGuard&) = delete;
  TerminalGuard& operator=(const TerminalGuard&) = delete;

  bool outputIsTerminal() const;

  /// From now until restore(), keys arrive one byte at a time as typed,
  /// without echo.
  void enterRawMode();
  /// From now until restore(), the alternate screen with the cursor hidden.
  void enterFullScreen();
  /// Puts the terminal back as it was found; does nothing if it already is.
  /// Then writes the closing text, if any, once.
  void restore();

  /// The most of a closing text that is kept; the rest is cut.
  static constexpr size_t kClosingTextCapacity = 8192;
  /// Text for the output once the terminal is put back for good: by
  /// restore(), or by a signal that ends the program. Where the output is no
  /// terminal it starts on a line of its own. Replaces any earlier one.
  void setClosingText(std::string_view text);
  /// Notes bytes the program wrote to the output, so that the closing text
  /// knows whether the last line was ended.
  void noteOutput(std::string_view bytes);
  /// Notes whether the terminal is left drawing with a colour or another
  /// attribute after the program's last write; if so, every way out sets it
  /// plain again, so the shell's text never takes it on.
  void notePenSet(bool set);

  /// True once after the window was resized, or the program continued from
  /// a stop while on the full screen (the screen came back blank).
  bool takeWindowChange();
  /// True once after the program continued from a stop (a continue also
  /// counts as a window change).
  bool takeContinue();
  /// True when takeWindowChange would be, without taking it.
  bool windowChangePending() const;
  /// Readable when a window change is pending: a wait for input watches it
  /// too. -1 where no such descriptor could be made.
  int wakeFd() const;
};

}  // namespace platform
