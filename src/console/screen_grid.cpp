#include "console/screen_grid.h"

#include <algorithm>
#include <charconv>

#include "text/character_classes.h"
#include "text/utf8.h"

namespace console {
namespace {

constexpr char kEscape = '\x1b';
constexpr char kControlSequenceIntroducer = '[';

// The numbers of "12;5"; an empty field gives 0. Read in place, with no
// allocation: every cursor move and rendition passes through here.
ControlNumbers parameterNumbers(std::string_view parameters) {
  ControlNumbers numbers;
  size_t start = 0;
  for (;;) {
    size_t end = std::min(parameters.find(';', start), parameters.size());
    int value = 0;
    std::from_chars(parameters.data() + start, parameters.data() + end, value);
    numbers.add(value);
    if (end == parameters.size()) return numbers;
    start = end + 1;
  }
}

bool isFinalByte(char byte) { return byte >= 0x40 && byte <= 0x7e; }

constexpr int kResetRendition = 0;
constexpr int kBold = 1;
constexpr int kReverse = 7;
constexpr int kNotBold = 22;
constexpr int kNotReverse = 27;
constexpr int kFirstColour = 30;
constexpr int kLastColour = 37;
constexpr int kDefaultColour = 39;
constexpr int kFirstBrightColour = 90;
constexpr int kLastBrightColour = 97;
// The palette's first eight colours, then its bright ones.
constexpr int kPlainColours = 8;

// The SGR number of a palette colour other than kDefault.
int colourNumber(Palette colour) {
  const int index = static_cast<int>(colour) - 1;
  return index < kPlainColours ? kFirstColour + index : kFirstBrightColour + index - kPlainColours;
}

Palette paletteColour(int firstNumber, int number, int offset) {
  return static_cast<Palette>(number - firstNumber + offset + 1);
}

}  // namespace

std::string renditionSequence(CellAttributes attributes) {
  std::string sequence = "\x1b[0";
  if (attributes.bold) sequence += ";1";
  if (attributes.reverse) sequence += ";7";
  if (attributes.colour != Palette::kDefault)
    sequence += ';' + std::to_string(colourNumber(attributes.colour));
  return sequence + 'm';
}

// Bold and reverse video are turned off by a reset, which every terminal
// knows; a colour is changed in place, the default one by its own number,
// unless a reset and the whole pen is shorter.
std::string renditionChange(CellAttributes from, CellAttributes to) {
  if (from == to) return {};
  if (to.plain()) return "\x1b[m";
  std::string whole = renditionSequence(to);
  if ((from.bold && !to.bold) || (from.reverse && !to.reverse)) return whole;
  std::string numbers;
  if (to.bold && !from.bold) numbers += ";1";
  if (to.reverse && !from.reverse) numbers += ";7";
  if (to.colour != from.colour) {
    numbers += ';';
    numbers += std::to_string(to.colour == Palette::kDefault ? kDefaultColour : colourNumber(to.colour));
  }
  std::string sequence = "\x1b[";
  sequence.append(numbers, 1);
  sequence += 'm';
  return sequence.size() <= whole.size() ? sequence : whole;
}

ScreenGrid::ScreenGrid() = default;

void ScreenGrid::write(std::string_view bytes) {
  std::string joined;
  if (!carry_.empty()) {
    joined = carry_ + std::string(bytes);
    carry_.clear();
    bytes = joined;
  }
  for (size_t i = 0; i < bytes.size();) {
    char byte = bytes[i];
    if (byte == kEscape) {
      i = takeEscape(bytes, i);
    } else if (byte == '\r') {
      x_ = 0, wrapPending_ = false, ++i;
    } else if (byte == '\n') {
      newline(), ++i;
    } else if (byte == '\b') {
      if (x_ > 0) --x_;
      wrapPending_ = false, ++i;
    } else if (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7f) {
      ++i;  // other control bytes show nothing
    } else if (static_cast<unsigned char>(byte) < 0x80) {
      putByte(byte), ++i;
    } else {
      i = takeCharacter(bytes, i);
    }
  }
}

// A byte that begins no valid sequence takes a cell of its own.
size_t ScreenGrid::takeCharacter(std::string_view bytes, size_t at) {
  const std::string_view rest = bytes.substr(at);
  if (text::isUnfinished(rest)) {
    carry_.assign(rest);
    return bytes.size();
  }
  const text::Character character = text::decode(rest);
  const std::string_view shown = rest.substr(0, character.length);
  if (character.valid && text::isCombiningMark(character.codePoint)) {
    addMark(shown);
  } else {
    put(shown);
  }
  return at + character.length;
}

// The mark goes over the character last written; with none before it on
// the row, or no room left in the cell, it shows nothing.
void ScreenGrid::addMark(std::string_view mark) {
  const int x = wrapPending_ ? x_ : x_ - 1;
  if (x < 0) return;
  Cell& cell = cells_[index(x, y_)];
  if (cell.size + mark.size() > cell.bytes.size()) return;
  std::copy(mark.begin(), mark.end(), cell.bytes.begin() + cell.size);
  cell.size = static_cast<uint8_t>(cell.size + mark.size());
}

size_t ScreenGrid::takeEscape(std::string_view bytes, size_t at) {
  size_t i = at + 1;
  if (i < bytes.size() && bytes[i] != kControlSequenceIntroducer) return i + 1;  // such as ESC 7
  size_t start = i + 1;
  for (i = start; i < bytes.size() && !isFinalByte(bytes[i]); ++i) {
  }
  if (i >= bytes.size()) {
    carry_.assign(bytes.substr(at));
    return bytes.size();
  }
  applyControlSequence(bytes.substr(start, i - start), bytes[i]);
  return i + 1;
}

void ScreenGrid::applyControlSequence(std::string_view parameters, char finalByte) {
  if (!parameters.empty() && parameters[0] == '?') return;  // mode switches
  const ControlNumbers n = parameterNumbers(parameters);
  int count = std::max(n[0], 1);
  switch (finalByte) {
    case 'H':
    case 'f': moveCursor((n.size() > 1 ? std::max(n[1], 1) : 1) - 1, count - 1); break;
    case 'A': moveCursor(x_, y_ - count); break;
    case 'B': moveCursor(x_, y_ + count); break;
    case 'C': moveCursor(x_ + count, y_); break;
    case 'D': moveCursor(x_ - count, y_); break;
    case 'J': eraseScreen(n[0]); break;
    case 'K': eraseLine(n[0]); break;
    case 'm': applyRendition(n); break;
    default: break;  // the rest changes no cell
  }
}

// Numbers this grid has no attribute for are passed over.
void ScreenGrid::applyRendition(const ControlNumbers& numbers) {
  for (size_t i = 0; i < numbers.size(); ++i) {
    const int number = numbers[i];
    if (number == kResetRendition) pen_ = CellAttributes{};
    if (number == kBold || number == kNotBold) pen_.bold = number == kBold;
    if (number == kReverse || number == kNotReverse) pen_.reverse = number == kReverse;
    if (number >= kFirstColour && number <= kLastColour) pen_.colour = paletteColour(kFirstColour, number, 0);
    if (number >= kFirstBrightColour && number <= kLastBrightColour)
      pen_.colour = paletteColour(kFirstBrightColour, number, kPlainColours);
    if (number == kDefaultColour) pen_.colour = Palette::kDefault;
  }
}

void ScreenGrid::moveCursor(int x, int y) {
  x_ = std::clamp(x, 0, kColumns - 1);
  y_ = std::clamp(y, 0, kRows - 1);
  wrapPending_ = false;
}

void ScreenGrid::clear() {
  blankCells(0, 0, kColumns, kRows - 1);
  moveCursor(0, 0);
}

void ScreenGrid::put(std::string_view character) {
  Cell& cell = nextCell();
  std::copy(character.begin(), character.end(), cell.bytes.begin());
  cell.size = static_cast<uint8_t>(character.size());
  advance();
}

// Most of what is drawn is ASCII: its cells are filled a byte at a time.
void ScreenGrid::putByte(char byte) {
  Cell& cell = nextCell();
  cell.bytes[0] = byte;
  cell.size = 1;
  advance();
}

// The attributes are set one by one: copied whole, their three bytes make a
// call to memcpy in a sanitizer build, for every character drawn.
ScreenGrid::Cell& ScreenGrid::nextCell() {
  if (wrapPending_) newline();
  Cell& cell = cells_[index(x_, y_)];
  cell.attributes.reverse = pen_.reverse;
  cell.attributes.bold = pen_.bold;
  cell.attributes.colour = pen_.colour;
  return cell;
}

void ScreenGrid::advance() {
  if (x_ == kColumns - 1) {
    wrapPending_ = true;
  } else {
    ++x_;
  }
}

void ScreenGrid::newline() {
  x_ = 0;
  wrapPending_ = false;
  if (y_ < kRows - 1) {
    ++y_;
    return;
  }
  std::move(cells_.begin() + kColumns, cells_.end(), cells_.begin());
  blankCells(0, kRows - 1, kColumns, kRows - 1);
  ++scrolls_;
}

// Blanks from (fromX, fromY) up to, not including, column toX of row toY,
// reading the rows in order.
void ScreenGrid::blankCells(int fromX, int fromY, int toX, int toY) {
  std::fill(cells_.begin() + static_cast<std::ptrdiff_t>(index(fromX, fromY)),
            cells_.begin() + static_cast<std::ptrdiff_t>(index(toX, toY)), Cell{});
}

void ScreenGrid::eraseScreen(int mode) {
  if (mode == 0) blankCells(x_, y_, kColumns, kRows - 1);
  if (mode == 1) blankCells(0, 0, x_ + 1, y_);
  if (mode == 2 || mode == 3) blankCells(0, 0, kColumns, kRows - 1);
}

void ScreenGrid::eraseLine(int mode) {
  int from = mode == 0 ? x_ : 0;
  int to = mode == 1 ? x_ + 1 : kColumns;
  blankCells(from, y_, to, y_);
}

bool ScreenGrid::sameRow(const ScreenGrid& other, int y) const {
  auto cells = [y](const ScreenGrid& grid) {
    return grid.cells_.begin() + static_cast<std::ptrdiff_t>(index(0, y));
  };
  return std::equal(cells(*this), cells(*this) + kColumns, cells(other));
}

std::string ScreenGrid::row(int y) const {
  std::string text;
  text.reserve(kColumns);
  for (int x = 0; x < kColumns; ++x) text += cell(x, y);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string ScreenGrid::dump() const {
  std::string text;
  for (int y = 0; y < kRows; ++y) text += row(y) + "\n";
  return text;
}

}  // namespace console
