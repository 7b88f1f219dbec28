// A letter of a word and a cell of the screen are cut by one rule: every
// combining mark that joins a letter sits in that letter's cell, and every
// wide character is one letter (which no usable word holds) and one cell.
#include <gtest/gtest.h>

#include <string>

#include "console/screen_grid.h"
#include "dictionary/letters.h"
#include "text/character_classes.h"
#include "text/unicode_tables.h"
#include "text/utf8.h"

namespace {

using console::ScreenGrid;

class LetterCells : public ::testing::Test {
 protected:
  // The cell text is drawn into, at the top left of a fresh row.
  std::string cellOf(const std::string& text) {
    grid.moveCursor(0, 0);
    grid.write(text);
    return std::string(grid.cell(0, 0));
  }

  dictionary::ScopedLetterRule characters{dictionary::LetterRule::kCharacters};
  ScreenGrid grid;
};

TEST_F(LetterCells, EveryMarkJoinsTheLetterAndTheCellBeforeIt) {
  for (const text::tables::Range& range : text::tables::combiningMarks()) {
    for (char32_t mark = range.first; mark <= range.last; ++mark) {
      const std::string letter = "a" + text::utf8Of(mark);
      ASSERT_EQ(dictionary::letterCount(letter), 1U) << std::hex << static_cast<uint32_t>(mark);
      ASSERT_EQ(cellOf(letter + "b"), letter) << std::hex << static_cast<uint32_t>(mark);
      ASSERT_EQ(grid.cursorX(), 2) << std::hex << static_cast<uint32_t>(mark);
    }
  }
}

TEST_F(LetterCells, EveryWideCharacterIsOneLetterAndOneCell) {
  for (const text::tables::Range& range : text::tables::wide()) {
    for (char32_t wide = range.first; wide <= range.last; ++wide) {
      if (text::isCombiningMark(wide)) continue;  // a few Hangul and ideographic tone marks: marks first
      const std::string character = text::utf8Of(wide);
      const std::string word = character + "bc";
      ASSERT_EQ(dictionary::letterCount(word), 3U) << std::hex << static_cast<uint32_t>(wide);
      ASSERT_EQ(dictionary::printableLetterCount(word), 0U) << std::hex << static_cast<uint32_t>(wide);
      ASSERT_EQ(cellOf(word), character) << std::hex << static_cast<uint32_t>(wide);
    }
  }
}

}  // namespace
