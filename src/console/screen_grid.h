#pragma once
// The program's screen as cells: 80 columns by 24 rows, each holding one
// character (a printable byte or one UTF-8 sequence). From the first screen
// clear on, everything the program draws lands here, and the terminal shows
// the grid rather than the raw bytes, so a window that was resized, covered
// or blanked by a stop can always be drawn again exactly.
//
// Text behaves as on a terminal of exactly this size: a character written
// in the last column leaves the cursor there until the next one, which
// starts the next row (a deferred wrap); a line end on the last row scrolls
// the grid up. A UTF-8 sequence or an escape split between two writes is
// put together again. A combining mark joins the cell before it, as a
// terminal draws it over that character.
//
// Each cell also keeps how it looks (reverse video, bold, a colour), set by
// the select-graphic-rendition sequences (ESC [ n m) written before it, so
// the presenters show it on every repaint, a whole one included.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace console {

/// The foreground colours of the terminal's own sixteen-colour palette, so
/// whatever scheme the player chose for the terminal is kept: kBlack to
/// kWhite are SGR 30 to 37, kBrightBlack to kBrightWhite SGR 90 to 97, and
/// kDefault is the terminal's own foreground (SGR 39).
enum class Palette : uint8_t {
  kDefault,
  kBlack,
  kRed,
  kGreen,
  kYellow,
  kBlue,
  kMagenta,
  kCyan,
  kWhite,
  kBrightBlack,
  kBrightRed,
  kBrightGreen,
  kBrightYellow,
  kBrightBlue,
  kBrightMagenta,
  kBrightCyan,
  kBrightWhite,
};

/// How a cell looks besides its character. A blank or erased cell is plain.
/// No background colour: cells keep the terminal's own background.
struct CellAttributes {
  bool reverse = false;
  bool bold = false;
  Palette colour = Palette::kDefault;
  bool operator==(const CellAttributes&) const = default;
  bool plain() const { return *this == CellAttributes{}; }
};

/// The SGR sequence that sets exactly these attributes, whatever was set before.
std::string renditionSequence(CellAttributes attributes);

/// The shortest SGR sequence that takes a terminal drawing with `from` to
/// drawing with `to`: ESC [ m to plain; only what is added (or a new
/// colour) when nothing is taken away; otherwise a reset and the whole of
/// `to`. Empty when the two are the same.
std::string renditionChange(CellAttributes from, CellAttributes to);

/// The numbers of one control sequence (ESC [ 1;7 m holds 1 and 7). Only
/// the first kMost count; a terminal also stops at some limit.
class ControlNumbers {
 public:
  static constexpr size_t kMost = 16;
  void add(int number) {
    if (count_ < kMost) numbers_[count_++] = number;
  }
  size_t size() const { return count_; }
  int operator[](size_t i) const { return numbers_[i]; }

 private:
  std::array<int, kMost> numbers_{};
  size_t count_ = 0;
};

class ScreenGrid {
 public:
  static constexpr int kColumns = 80;
  static constexpr int kRows = 24;

  ScreenGrid();

  /// Interprets bytes as a terminal would: printable bytes and UTF-8
  /// sequences fill cells, '\r' returns to column 0, '\n' goes down a row
  /// (back to column 0, as a terminal's output processing does), '\b'
  /// steps left, and the escape sequences that place the cursor (ESC [ y;x H)
  /// and erase (ESC [ n J, ESC [ n K) act, and ESC [ n m sets the attributes
  /// of the cells written next; other control bytes and escape sequences
  /// (modes) change no cell.
  void write(std::string_view bytes);

  /// The next character lands at column x of row y; clamped to the grid.
  void moveCursor(int x, int y);
  /// Blanks every cell and puts the cursor at the top left.
  void clear();

  /// The bytes of one cell; a single space where nothing was written.
  std::string_view cell(int x, int y) const { return cells_[index(x, y)].text(); }
  CellAttributes attributes(int x, int y) const { return cells_[index(x, y)].attributes; }
  /// True when row y holds the same cells, attributes included, here as in other.
  bool sameRow(const ScreenGrid& other, int y) const;
  /// Row y as text, trailing blanks removed.
  std::string row(int y) const;
  /// All rows joined by '\n', for failure messages.
  std::string dump() const;

  int cursorX() const { return x_; }
  int cursorY() const { return y_; }
  /// How many times output ran off the bottom row and scrolled the grid.
  int scrolls() const { return scrolls_; }

 private:
  struct Cell {
    std::array<char, 16> bytes{' '};  ///< a character and the marks over it
    uint8_t size = 1;
    CellAttributes attributes;
    std::string_view text() const { return {bytes.data(), size}; }
    bool operator==(const Cell& other) const {
      return text() == other.text() && attributes == other.attributes;
    }
  };

  static size_t index(int x, int y) { return static_cast<size_t>(y) * kColumns + static_cast<size_t>(x); }
  void put(std::string_view character);
  void putByte(char byte);
  /// The cell the next character lands in, given the pen's attributes.
  Cell& nextCell();
  /// Past a character just put: the next column, or a wrap pending.
  void advance();
  void newline();
  void blankCells(int fromX, int fromY, int toX, int toY);
  void eraseScreen(int mode);
  void eraseLine(int mode);
  void applyControlSequence(std::string_view parameters, char finalByte);
  void applyRendition(const ControlNumbers& numbers);
  size_t takeEscape(std::string_view bytes, size_t at);
  size_t takeCharacter(std::string_view bytes, size_t at);
  void addMark(std::string_view mark);

  std::array<Cell, static_cast<size_t>(kColumns) * kRows> cells_;
  int x_ = 0;
  int y_ = 0;
  bool wrapPending_ = false;
  int scrolls_ = 0;
  CellAttributes pen_;  ///< what the next written cell gets
  // The start of a UTF-8 sequence or escape sequence cut off by the end of
  // the last write.
  std::string carry_;
};

}  // namespace console
