#include "console/screen_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using console::ScreenGrid;

TEST(ScreenGrid, TextPastTheLastColumnWrapsOnlyWhenTheNextCharacterComes) {
  ScreenGrid grid;
  grid.moveCursor(75, 3);
  grid.write("abcde");
  EXPECT_EQ(grid.row(3), std::string(75, ' ') + "abcde");
  EXPECT_EQ(grid.cursorX(), 79);
  EXPECT_EQ(grid.cursorY(), 3);
  grid.write("\r\nx");  // a line end cancels the pending wrap: no empty row
  EXPECT_EQ(grid.row(4), "x");
  grid.moveCursor(79, 5);
  grid.write("yz");
  EXPECT_EQ(grid.row(5), std::string(79, ' ') + "y");
  EXPECT_EQ(grid.row(6), "z");
}

TEST(ScreenGrid, ALineEndOnTheLastRowScrollsTheGridUp) {
  ScreenGrid grid;
  grid.write("top\r\n");
  grid.moveCursor(0, 23);
  grid.write("bottom\nnext");
  EXPECT_EQ(grid.scrolls(), 1);
  EXPECT_EQ(grid.row(0), "");
  EXPECT_EQ(grid.row(22), "bottom");
  EXPECT_EQ(grid.row(23), "next");
}

TEST(ScreenGrid, BackspacesStepLeftAndStopAtTheFirstColumn) {
  ScreenGrid grid;
  grid.write("Loading: 12\b\b34\b\b\b\b\b\b\b\b\b\b\b\bL");
  EXPECT_EQ(grid.row(0), "Loading: 34");
  EXPECT_EQ(grid.cursorX(), 1);
}

TEST(ScreenGrid, ClearsAndErasesBlankWhatTheyCover) {
  ScreenGrid grid;
  for (int y = 0; y < 3; ++y) grid.write("0123456789\r\n");
  grid.write("\x1b[2;5H\x1b[K");
  EXPECT_EQ(grid.row(1), "0123");
  grid.write("\x1b[1;3H\x1b[1K");
  EXPECT_EQ(grid.row(0), "   3456789");
  grid.write("\x1b[3;9H\x1b[J");
  EXPECT_EQ(grid.row(2), "01234567");
  grid.write("\x1b[H\x1b[2J");
  EXPECT_EQ(grid.dump(), std::string(24, '\n'));
  EXPECT_EQ(grid.cursorX(), 0);
}

// The stream hands over bytes in pieces that may cut a character or an
// escape sequence in two.
TEST(ScreenGrid, SequencesCutBetweenWritesAreJoined) {
  ScreenGrid grid;
  std::string bytes = "\x1b[3;5H\xe2\x96\xa0|\x1b[?25l#";
  for (char byte : bytes) grid.write(std::string(1, byte));
  EXPECT_EQ(grid.row(2), "    \xe2\x96\xa0|#");
  EXPECT_EQ(grid.cell(4, 2), "\xe2\x96\xa0");
}

TEST(ScreenGrid, CursorPlacesOutsideTheGridAreClamped) {
  ScreenGrid grid;
  grid.write("\x1b[99;200Hx\x1b[0;0Hy");
  EXPECT_EQ(grid.row(23), std::string(79, ' ') + "x");
  EXPECT_EQ(grid.row(0), "y");
  EXPECT_EQ(grid.scrolls(), 0);
}

// Attributes follow the SGR sequences written before the cells, reset by
// 0 (or none), and erasing leaves plain blanks.
TEST(ScreenGrid, CellsKeepTheAttributesTheyWereWrittenWith) {
  ScreenGrid grid;
  grid.write("a\x1b[7mbc\x1b[27md\x1b[1;32me\x1b[mf");
  EXPECT_EQ(grid.row(0), "abcdef");
  EXPECT_TRUE(grid.attributes(0, 0).plain());
  EXPECT_TRUE(grid.attributes(1, 0).reverse);
  EXPECT_TRUE(grid.attributes(2, 0).reverse);
  EXPECT_TRUE(grid.attributes(3, 0).plain());
  EXPECT_EQ(grid.attributes(4, 0),
            (console::CellAttributes{.bold = true, .colour = console::Palette::kGreen}));
  EXPECT_TRUE(grid.attributes(5, 0).plain());
  grid.write("\x1b[7m\x1b[1;2H\x1b[K");
  EXPECT_TRUE(grid.attributes(1, 0).plain());
  ScreenGrid same;
  same.write("abcde");
  EXPECT_FALSE(grid.sameRow(same, 0));  // the same text, other attributes
  EXPECT_EQ(console::renditionSequence({.reverse = true}), "\x1b[0;7m");
}

// Cursor places and renditions are read from the sequence's numbers: an
// empty field is 0, and numbers past the sixteenth are passed over, as a
// terminal stops at some limit of its own.
TEST(ScreenGrid, ControlSequenceNumbersAreReadUpToSixteen) {
  ScreenGrid grid;
  grid.write("\x1b[;5Hx\x1b[2;3Hy");
  EXPECT_EQ(grid.row(0), "    x");
  EXPECT_EQ(grid.row(1), "  y");
  std::string fifteenZeros;
  for (int i = 0; i < 15; ++i) fifteenZeros += "0;";
  grid.write("\x1b[3;1H\x1b[" + fifteenZeros + "7;1mz\xc3\xa9");
  EXPECT_EQ(grid.row(2), "z\xc3\xa9");
  EXPECT_EQ(grid.attributes(0, 2), (console::CellAttributes{.reverse = true}));
  EXPECT_EQ(grid.attributes(1, 2), (console::CellAttributes{.reverse = true}));
}

// The palette's sixteen colours arrive as SGR 30 to 37 and 90 to 97; 39
// gives the terminal's own colour back and 22 ends bold, each leaving the
// other attributes as they were.
TEST(ScreenGrid, BrightColoursDefaultColourAndNotBold) {
  using console::CellAttributes;
  using console::Palette;
  ScreenGrid grid;
  grid.write("\x1b[90ma\x1b[97mb\x1b[1;7;34mc\x1b[39md\x1b[22me");
  EXPECT_EQ(grid.attributes(0, 0), (CellAttributes{.colour = Palette::kBrightBlack}));
  EXPECT_EQ(grid.attributes(1, 0), (CellAttributes{.colour = Palette::kBrightWhite}));
  EXPECT_EQ(grid.attributes(2, 0), (CellAttributes{.reverse = true, .bold = true, .colour = Palette::kBlue}));
  EXPECT_EQ(grid.attributes(3, 0), (CellAttributes{.reverse = true, .bold = true}));
  EXPECT_EQ(grid.attributes(4, 0), (CellAttributes{.reverse = true}));
}

// What renditionSequence says is what the grid reads back, for every
// colour with and without bold: the presenters rely on it.
TEST(ScreenGrid, RenditionSequencesReadBackAsTheirAttributes) {
  using console::CellAttributes;
  using console::Palette;
  EXPECT_EQ(console::renditionSequence({.colour = Palette::kRed}), "\x1b[0;31m");
  EXPECT_EQ(console::renditionSequence({.bold = true, .colour = Palette::kBrightCyan}), "\x1b[0;1;96m");
  for (int colour = 0; colour <= static_cast<int>(Palette::kBrightWhite); ++colour) {
    for (bool bold : {false, true}) {
      const CellAttributes attributes{.bold = bold, .colour = static_cast<Palette>(colour)};
      ScreenGrid grid;
      grid.write("\x1b[7m" + console::renditionSequence(attributes) + "x");
      EXPECT_EQ(grid.attributes(0, 0), attributes) << colour << (bold ? " bold" : "");
    }
  }
}

// The change from one pen to another is as short as it can be and reads
// back as the pen wanted, from every pen to every other: the presenter
// keeps the terminal's pen across updates on the strength of it.
TEST(ScreenGrid, RenditionChangesAreShortAndReadBackAsThePenWanted) {
  using console::CellAttributes;
  using console::Palette;
  using console::renditionChange;
  const CellAttributes plain;
  const CellAttributes boldBlue{.bold = true, .colour = Palette::kBlue};
  EXPECT_EQ(renditionChange(boldBlue, boldBlue), "");
  EXPECT_EQ(renditionChange(boldBlue, plain), "\x1b[m");
  EXPECT_EQ(renditionChange(plain, {.bold = true}), "\x1b[1m");
  EXPECT_EQ(renditionChange(plain, boldBlue), "\x1b[1;34m");
  EXPECT_EQ(renditionChange(boldBlue, {.bold = true, .colour = Palette::kMagenta}), "\x1b[35m");
  EXPECT_EQ(renditionChange(boldBlue, {.bold = true}), "\x1b[39m");
  EXPECT_EQ(renditionChange(boldBlue, {.colour = Palette::kBlue}), "\x1b[0;34m");
  std::vector<CellAttributes> pens;
  for (int colour : {0, 1, 5, 6, 16}) {
    for (bool bold : {false, true}) {
      for (bool reverse : {false, true})
        pens.push_back({.reverse = reverse, .bold = bold, .colour = static_cast<Palette>(colour)});
    }
  }
  for (const CellAttributes& from : pens) {
    for (const CellAttributes& to : pens) {
      ScreenGrid grid;
      grid.write(console::renditionSequence(from) + "a" + renditionChange(from, to) + "b");
      EXPECT_EQ(grid.attributes(1, 0), to) << renditionSequence(from) << " to " << renditionSequence(to);
      EXPECT_LE(renditionChange(from, to).size(), renditionSequence(to).size());
    }
  }
}

}  // namespace
