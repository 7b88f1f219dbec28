#pragma once
// The program's one door to the terminal, the keyboard and the clock.
// Text is written to std::cout; these calls place it, clear the screen,
// read keys and tell the time. What stands behind them is a Terminal
// (console/terminal.h): the real one in the program, a scripted one in tests.

#include <cstdint>

#include "console/screen_grid.h"
#include "console/terminal.h"

namespace console {

class Terminal;

// Key codes as every caller sees them. An extended key arrives as two codes
// in two reads: kExtendedKey, then one of the codes below it.
constexpr int kExtendedKey = 224;
constexpr int kUp = 72;
constexpr int kDown = 80;
constexpr int kLeft = 75;
constexpr int kRight = 77;
constexpr int kPageUp = 73;
constexpr int kPageDown = 81;
constexpr int kHome = 71;
constexpr int kEnd = 79;
constexpr int kInsert = 82;
constexpr int kDelete = 83;

// Function keys, as extended keys too: F1 to F10, then F11 and F12.
constexpr int kF1 = 59;
constexpr int kF10 = 68;
constexpr int kF11 = 133;
constexpr int kF12 = 134;

/// A key with no code of its own here (F13, a keypad key in application
/// mode, Alt with a bracket): an extended key too, so it counts wherever any
/// key will do, and the screens that act on particular keys pass it by.
constexpr int kUnknownKey = 0;

// A character beyond ASCII typed outside the classic game arrives as one
// code of its own: kCharacterKeyBase plus its code point. Every such code
// lies above every byte, so no letter (à is code point 224) can be taken
// for kExtendedKey or for the code that follows it. The classic game reads
// each byte as its own code instead.
constexpr int kCharacterKeyBase = 0x1000000;
constexpr bool isCharacterKey(int key) { return key >= kCharacterKeyBase; }
constexpr char32_t keyCharacter(int key) { return static_cast<char32_t>(key - kCharacterKeyBase); }
constexpr int characterKey(char32_t codePoint) { return kCharacterKeyBase + static_cast<int>(codePoint); }

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kSpace = 32;

/// Thrown by readKey when the key input has ended (end of file, or the
/// terminal is gone), and by clearScreen when the player quits rather than
/// enlarge a terminal that is too small. The entry point catches it and ends
/// the run quietly.
struct InputEnded {};

/// The next character written lands at column x of row y (both from 0).
void moveCursor(uint16_t x, uint16_t y);

/// The smallest window the screens are laid out for.
constexpr uint16_t kScreenColumns = 80;
constexpr uint16_t kScreenRows = 24;

/// Blanks the whole screen and puts the cursor at column 0 of row 0. The
/// first call switches the program to full-screen drawing.
///
/// From then on the console keeps the screen: when the window is resized,
/// the program continues after a stop, or the player presses Ctrl-L, it is
/// drawn again whole; while the window is too small, a request to enlarge
/// it shows instead, keys answer that request (q: InputEnded) rather than
/// reach the program, and the screen comes back when the window is large
/// enough. So too at the first call: the request then shows on the
/// program's own screen, never among the lines written before it.
void clearScreen();

/// Whether the screen shows characters beyond ASCII whatever the locale says
/// (a console that takes UTF-16 does), is known not to, or only the locale
/// can tell (also where no terminal is installed).
UnicodeCells screenUnicodeCells();

/// The characters written next look so (reverse video, bold, a colour) on
/// the full screen; CellAttributes{} ends that. A screen clear also does.
/// While colour is off, the attributes' colour and bold are left out.
void setAttributes(CellAttributes attributes);

/// False where the terminal shows no attributes (TERM=dumb) and where none
/// is installed: what would be in reverse video needs another mark there.
bool attributesShown();

/// How text is coloured: a colour of the terminal's palette, and bold or
/// not. Colour{} is the terminal's own foreground, not bold.
struct Colour {
  Palette foreground = Palette::kDefault;
  bool bold = false;
  bool operator==(const Colour&) const = default;
};

/// Turns colour on or off for the run: off at first and after every
/// install. While off, setColour and ColourScope write nothing at all, so
/// the screens are byte for byte what they are without colour.
void setColourShown(bool on);
bool colourShown();

/// The characters written next on the full screen are in colour, until the
/// next setColour, setAttributes or screen clear; reverse video stays as it
/// is. Does nothing while colour is off or before the first screen clear
/// (line output is never coloured). Colour must never be the only sign of
/// anything: what it marks is also said in words, places or characters.
void setColour(Colour colour);

/// Colours what is written during its life, then gives back the colour set
/// before it.
class ColourScope {
 public:
  explicit ColourScope(Colour colour);
  ~ColourScope();
  ColourScope(const ColourScope&) = delete;
  ColourScope& operator=(const ColourScope&) = delete;

 private:
  Colour before_;
};

/// Ends a message line: a carriage return, then a newline, then a flush.
void lineEnd();

/// Shows what has been drawn so far. Every wait below does this first, so
/// the program itself rarely needs it.
void flushOutput();

/// Waits for one key and returns its code; throws InputEnded at the end of
/// the input.
///
/// On the full screen Ctrl-L is no key for the program: it draws the whole
/// screen again, mending a window another program wrote over or one resized
/// where no resize is reported.
int readKey();

/// As readKey, for a wait where any key will do: returns the key's first
/// code and takes the rest of its codes (an extended key's second code)
/// with it, so nothing of it reaches the screen that comes next.
int readKeyPress();

/// As keyWaiting, but waits up to ms for a key, sleeping rather than
/// spinning: true as soon as readKey would return at once (the end of the
/// input counts), false when ms passed without a key for the program. The
/// screen follows a resize meanwhile.
bool keyArrivesWithin(uint32_t ms);

/// Returns once the screen can show whole (the next wait shows it): at
/// once, unless the request to enlarge a small window shows in its place;
/// then when the window is large enough. Keys meanwhile answer the request
/// (q: InputEnded).
void waitUntilScreenShows();

/// True when readKey would return at once (the end of input counts).
bool keyWaiting();

/// On: a character beyond ASCII that the terminal sends (in UTF-8) is read
/// as one characterKey code, and a byte of 128 or more that is no part of
/// such a character as the characterKey of its Latin-1 character. Off, as
/// at first and after every install: each byte is a code of its own, as the
/// classic game reads them.
void setCharacterKeys(bool on);

/// How long a screen that ends something (a round, the game) lets keys
/// pass unheeded once it shows, so that keys meant for what came before do
/// not leave it unseen.
constexpr uint32_t kUnheededKeysMs = 500;

/// Drops every key waiting now and every key that arrives in the next ms
/// milliseconds, while what was drawn shows (and follows the window). Keys
/// that answer the size request still do.
void dropKeysFor(uint32_t ms);

/// A monotonic millisecond clock; only differences of its values mean anything.
uint32_t elapsedMs();

/// Waits until the clock has advanced by at least ms, without spinning.
void sleepMs(uint32_t ms);

/// Makes terminal the one behind the console operations and points
/// std::cout at the console's output; returns the one installed before
/// (nullptr at first). What the previous terminal had still to show is
/// sent to it first. Installing resets the key decoder's pending codes, the
/// grid and the full-screen state; installing nullptr gives std::cout back
/// the buffer it had.
Terminal* install(Terminal* terminal);

/// The terminal installed now; nullptr when none is.
Terminal* installed();

/// Installs a terminal for as long as this lives, then installs the one
/// before it again, so what was drawn for the terminal is sent to it while
/// it still stands. The owner of a terminal declares this after it: the
/// console lets go of the terminal before the terminal is destroyed.
class TerminalInstallation {
 public:
  explicit TerminalInstallation(Terminal& terminal) : previous_(install(&terminal)) {}
  ~TerminalInstallation() { install(previous_); }
  TerminalInstallation(const TerminalInstallation&) = delete;
  TerminalInstallation& operator=(const TerminalInstallation&) = delete;

 private:
  Terminal* previous_;
};

}  // namespace console
