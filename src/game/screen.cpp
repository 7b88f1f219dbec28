#include "game/screen.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/theme.h"
#include "dictionary/letters.h"
#include "game/round_layout.h"
#include "game/title_layout.h"

namespace game {

namespace {

using layout::kInnerWidth;
using layout::kLastColumn;
namespace round = layout::round;

constexpr const char* kScoreLabel = "Your Score: ";
constexpr const char* kHighScoreLabel = "High Score: ";
constexpr const char* kTitle = "Quillop!";
// The time left shows in the warning colour from this many seconds on.
constexpr uint32_t kWarningSeconds = 10;
static_assert(round::kScoreRow == layout::title::kScoreRow, "one score line for both screens");

// Made once: the countdown draws them on every pass of a round.
const std::string& upperBorder() {
  static const std::string border = "/" + std::string(kInnerWidth, '-') + "\\";
  return border;
}
const std::string& lowerBorder() {
  static const std::string border = "\\" + std::string(kInnerWidth, '-') + "/";
  return border;
}
const std::string& textRow() {
  static const std::string row = "|" + std::string(kInnerWidth, ' ') + "|";
  return row;
}

// Every letter of a word shows whole (dictionary/letters.h), a byte of a
// Latin-1 list too.
void writeAt(uint16_t x, uint16_t y, const std::string& text) {
  console::moveCursor(x, y);
  std::cout << dictionary::shownText(text);
}

// Each letter takes one column.
size_t columns(const std::string& text) { return dictionary::letterCount(text); }

// The frame's sides only: whatever stands between them stays.
void drawSideRow(uint16_t y) {
  writeAt(0, y, "|");
  writeAt(kLastColumn, y, "|");
  console::lineEnd();
}

// Blanks the inside of row y first, so a shorter text replaces a longer one.
void drawTextRow(uint16_t y, const std::string& text, console::Colour colour = {}) {
  writeAt(0, y, textRow());
  console::lineEnd();
  const console::ColourScope inColour(colour);
  writeAt(centringColumn(columns(text)), y, text);
}

size_t decimalDigits(uint32_t value) {
  size_t digits = 0;
  do {
    value /= 10;
    ++digits;
  } while (value != 0);
  return digits;
}

void drawLabelledNumber(uint16_t y, const std::string& label, uint32_t value) {
  writeAt(centringColumn(label.size() + decimalDigits(value)), y, label + std::to_string(value));
}

// Column 79 is left alone: a write there would leave the cursor waiting to
// wrap onto the next row. The pieces follow one another from column x,
// cut where the row ends.
void drawBlankedPieces(uint16_t y, uint16_t x, const std::vector<Piece>& pieces) {
  static const std::string blank(kLastColumn, ' ');
  writeAt(0, y, blank);
  console::moveCursor(x, y);
  size_t room = kLastColumn - std::min<size_t>(x, kLastColumn);
  for (const Piece& piece : pieces) {
    const std::string_view fits = dictionary::leadingLetters(piece.text, room);
    room -= dictionary::letterCount(fits);
    const console::ColourScope inColour(piece.colour);
    std::cout << dictionary::shownText(fits);
  }
}

}  // namespace

uint16_t centringColumn(size_t length) {
  if (length > kLastColumn) return 0;
  return static_cast<uint16_t>((kLastColumn - static_cast<uint32_t>(length)) >> 1);
}

void drawTopBanner(const std::string& text, console::Colour colour) {
  writeAt(0, layout::kTopBannerFirstRow, upperBorder());
  console::lineEnd();
  drawSideRow(layout::kTopBannerUpperRow);
  drawTextRow(layout::kTopBannerTextRow, text, colour);
  drawSideRow(layout::kTopBannerLowerRow);
  writeAt(0, layout::kTopBannerLastRow, lowerBorder());
  console::lineEnd();
}

void drawTopBannerRow(uint16_t y, const std::string& text) { drawTextRow(y, text); }

void drawBottomBanner(const std::string& text, console::Colour colour) {
  writeAt(0, layout::kBottomBannerFirstRow, upperBorder());
  console::lineEnd();
  drawTextRow(layout::kBottomBannerTextRow, text, colour);
  // A line end on the last row would scroll a 24-row screen.
  writeAt(0, layout::kBottomBannerLastRow, lowerBorder());
}

console::Colour timeLeftColour(uint32_t secondsLeft) {
  return console::colourOf(secondsLeft <= kWarningSeconds ? console::Role::kTimeRunningOut
                                                          : console::Role::kTimeLeft);
}

void drawScoreLine(const game_record::WordGame& game) {
  drawLabelledNumber(round::kScoreRow, kScoreLabel, game.score);
}

void drawTitleScreen(const game_record::WordGame& game, uint32_t highScore) {
  drawTopBanner(kTitle);
  drawScoreLine(game);
  drawLabelledNumber(layout::title::kHighScoreRow, kHighScoreLabel, highScore);
}

void drawInputPanel(const game_record::WordGame& game, const std::string& input) {
  writeAt(0, round::kPanelLabelRow, "Your Input");
  writeAt(round::kMangledLabelColumn, round::kPanelLabelRow, "Mangled Text");
  console::lineEnd();
  // The line end left the cursor at column 0 of the input row.
  const size_t typed = input.find_last_not_of(' ') + 1;
  {
    const console::RoleScope inColour(console::Role::kTyped);
    std::cout << dictionary::shownText(input.substr(0, typed));
  }
  std::cout << dictionary::shownText(input.substr(typed));
  {
    const console::RoleScope inColour(console::Role::kLetters);
    writeAt(round::kMangledWordColumn, round::kInputRow, game.mangledWord);
  }
  console::lineEnd();
  writeAt(round::kSpaceHintColumn, round::kSpaceHintRow, "Press Space to mangle again!");
}

void drawBlankedRow(uint16_t y, uint16_t x, const std::string& text, console::Colour colour) {
  drawBlankedPieces(y, x, {Piece{text, colour}});
}

void drawCentredRow(uint16_t y, const std::string& text, console::Colour colour) {
  drawBlankedRow(y, centringColumn(columns(text)), text, colour);
}

void drawCentredPieces(uint16_t y, const std::vector<Piece>& pieces) {
  size_t length = 0;
  for (const Piece& piece : pieces) length += columns(piece.text);
  drawBlankedPieces(y, centringColumn(length), pieces);
}

void appendNumber(std::string& text, int32_t n) { text += ' ' + std::to_string(n); }

void appendNumber(std::string& text, uint32_t n) { text += ' ' + std::to_string(n); }

}  // namespace game
