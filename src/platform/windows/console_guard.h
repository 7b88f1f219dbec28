#pragma once
// The one owner of the Windows console's state. When asked, it sets the
// input to deliver key and window events, and shows a screen buffer of the
// program's own with the cursor hidden; it puts back the input mode, the
// user's screen buffer and its cursor as it found them on every way out:
// restore() (also run by the destructor and at std::exit), Ctrl-C and
// Ctrl-Break, the console window being closed, the user logging off, and a
// crash or abort. A control event (Ctrl-C, Ctrl-Break, the window closing,
// logging off) with closing text to write sets the way-out event; the main
// thread, whose waits for input watch it, then calls endByControl(), and so
// the closing text goes out on those ways too, from the main thread. Only one guard exists at a
// time, and a side that is no console (a pipe, a file, NUL) is never
// touched.

#include <string_view>

namespace platform {

class WindowsConsoleGuard {
 public:
  /// Notes the console's state and installs the handlers; the handles are
  /// standard input and output.
  WindowsConsoleGuard(void* input, void* output);
  ~WindowsConsoleGuard();
  WindowsConsoleGuard(const WindowsConsoleGuard&) = delete;
  WindowsConsoleGuard& operator=(const WindowsConsoleGuard&) = delete;

  bool inputIsConsole() const;
  bool outputIsConsole() const;

  /// From now until restore(), the input delivers key presses one at a time,
  /// without echo, and window size changes; Ctrl-C still ends the program.
  void enterKeyReading();
  /// From now until restore(), the program's own screen buffer shows, with
  /// the cursor hidden. Returns it; nullptr where the output is no console
  /// or no buffer could be made.
  void* enterFullScreen();
  /// Puts the console back as it was found; does nothing if it already is.
  /// Then writes the closing text, if any, once.
  void restore();
  /// Ends the program as a control event asked: puts the console back,
  /// writes the closing text, if any, once, and ends with the status Windows
  /// gives a program that Ctrl-C ends. For the main thread only.
  [[noreturn]] void endByControl();
  /// The event a control event sets when there is closing text to write (a
  /// manual-reset event's handle): a wait for input waits on it too, and
  /// calls endByControl() once it is set. If the main thread has not ended
  /// the program two seconds later, the control handler puts the console
  /// back and ends it without the text.
  void* wayOut() const;
  /// Text for the output once the console is put back for good, by
  /// restore() or endByControl(). A console gets it as its screens are
  /// written, in whole characters; a pipe or a file gets its bytes, starting
  /// on a line of their own. Replaces any earlier one.
  void setClosingText(std::string_view text);
  /// Notes bytes the program wrote to a pipe or a file, so that the closing
  /// text knows whether the last line was ended.
  void noteOutput(std::string_view bytes);
};

}  // namespace platform
