#pragma once
// What stands behind the console operations: the byte input, the clock, the
// window and the showing of output. The program installs its platform's
// terminal (makePlatformTerminal, below); tests install a scripted one with
// a virtual clock.
//
// Output comes in two kinds. Before the first screen clear the program
// writes lines, which go out as they are (writeText). From that clear on it
// draws on a ScreenGrid that the console layer owns, and the terminal only
// shows the grid (present), or, while the window is too small for it, one
// message instead (showMessage).

#include <cstdint>
#include <memory>
#include <string_view>

#include "console/screen_grid.h"

namespace console {

constexpr int kNoByte = -1;         ///< readByteWithin, readByteFor: nothing arrived in time
constexpr int kEndOfInput = -2;     ///< the input is over for good
constexpr int kWindowChanged = -3;  ///< a wait cut short by a window change

/// Whether the window shows characters beyond ASCII (the bars' filled
/// square) in one cell each: known to the terminal, or as the locale says.
enum class UnicodeCells { kAsLocaleSays, kShown, kNotShown };

class Terminal {
 public:
  virtual ~Terminal() = default;

  /// The next input byte (0 to 255), waiting for it; kEndOfInput at the end;
  /// kWindowChanged when a window change (see takeWindowChange) ends the wait.
  virtual int readByte() = 0;
  /// The next input byte if one arrives within ms; else kNoByte or
  /// kEndOfInput (a window change does not end this wait). Used to tell an
  /// escape sequence from a lone Escape key.
  virtual int readByteWithin(uint32_t ms) = 0;
  /// As readByte, but waits at most ms: kNoByte when nothing arrived by
  /// then. For a screen that must also look at the clock while it waits.
  virtual int readByteFor(uint32_t ms) = 0;
  /// True when readByte would return a byte at once (the end of input counts).
  virtual bool byteWaiting() = 0;

  virtual uint32_t nowMs() = 0;
  /// Waits ms milliseconds, also through window changes.
  virtual void sleepMs(uint32_t ms) = 0;

  /// The window's size in character cells; false where the output is no
  /// terminal (a pipe or a file has no size to respect).
  virtual bool windowSize(uint16_t& columns, uint16_t& rows) {
    (void)columns, (void)rows;
    return false;
  }
  /// True once after the window may have changed under the program: it was
  /// resized, or the program came back from a stop with the screen blanked.
  /// What the window shows is unknown then.
  virtual bool takeWindowChange() { return false; }
  /// True once after the program came back from a stop (which is also a
  /// window change): line output shows the line it waits at again, as the
  /// shell wrote below it meanwhile.
  virtual bool takeContinue() { return false; }
  /// kShown where the window shows every character written in UTF-8
  /// whatever the locale says, as a console that takes UTF-16 does;
  /// kNotShown where it is known not to; kAsLocaleSays where the locale
  /// must tell.
  virtual UnicodeCells unicodeCells() { return UnicodeCells::kAsLocaleSays; }
  /// False where the terminal shows no attributes such as reverse video (a
  /// dumb one): present then sends none, and the program marks things
  /// another way.
  virtual bool showsAttributes() { return true; }
  /// True when standard output is a terminal (a console on Windows), not a
  /// pipe or a file: colour goes only to a terminal unless asked for.
  virtual bool outputIsTerminal() { return false; }

  /// Sends line output written before the first screen clear, as it is.
  virtual void writeText(std::string_view bytes) = 0;
  /// Called on the first screen clear: from here on the program's screen is
  /// the grid, shown by present.
  virtual void beginFullScreen() = 0;
  /// Shows the grid. With whole, the window is blanked and every cell drawn
  /// (top left, the rest of a larger window blank); otherwise only the cells
  /// that differ from what the last present showed.
  virtual void present(const ScreenGrid& grid, bool whole) = 0;
  /// Blanks the window and shows text alone at its top left, for a window
  /// too small for the grid: each line of text (they are parted by line
  /// feeds, none longer than the window is wide) at the start of its row,
  /// nothing scrolled. The next present is then a whole one.
  virtual void showMessage(std::string_view text) = 0;
  /// Text to write once the terminal is put back for good: at the end of
  /// the run, or when a signal (Ctrl-C, a kill) ends the program. Where the
  /// output is no terminal it starts on a line of its own. Replaces any
  /// earlier one.
  virtual void setClosingText(std::string_view text) { (void)text; }
};

/// Standard input and output as the program's terminal, taken over until
/// the returned terminal is destroyed (or the program calls std::exit). Each
/// system's folder under platform/ implements it; the build picks the folder.
std::unique_ptr<Terminal> makePlatformTerminal();

}  // namespace console
