// Drawing in colour through the console: only while colour is on, only on
// the full screen, and only where the colour changes.

#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "console/console.h"
#include "console/theme.h"
#include "support/fake_terminal.h"

namespace {

using console::CellAttributes;
using console::Colour;
using console::Palette;

constexpr Colour kBlue{Palette::kBlue, false};
constexpr Colour kBoldYellow{Palette::kYellow, true};

// "ab" plain, "cd" in blue, "e" in bold yellow, "f" plain again.
void drawSample() {
  std::cout << "ab";
  console::setColour(kBlue);
  std::cout << "cd";
  console::setColour(kBoldYellow);
  std::cout << "e";
  console::setColour(Colour{});
  std::cout << "f";
  console::flushOutput();
}

class ColourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    terminal.setWindowSize(80, 24);
    console::clearScreen();
  }

  support::FakeTerminal terminal;
};

TEST_F(ColourTest, CellsTakeTheColourSetBeforeThem) {
  console::setColourShown(true);
  drawSample();
  const auto& screen = terminal.screen();
  EXPECT_EQ(terminal.row(0), "abcdef");
  EXPECT_TRUE(screen.attributes(1, 0).plain());
  EXPECT_EQ(screen.attributes(2, 0), (CellAttributes{.colour = Palette::kBlue}));
  EXPECT_EQ(screen.attributes(3, 0), (CellAttributes{.colour = Palette::kBlue}));
  EXPECT_EQ(screen.attributes(4, 0), (CellAttributes{.bold = true, .colour = Palette::kYellow}));
  EXPECT_TRUE(screen.attributes(5, 0).plain());
}

// Colour is off until the run turns it on: the program draws exactly the
// bytes it drew before colour existed.
TEST_F(ColourTest, OffByDefaultAndThenNothingIsWritten) {
  EXPECT_FALSE(console::colourShown());
  const size_t before = terminal.drawn().size();
  drawSample();
  EXPECT_EQ(terminal.drawn().substr(before), "abcdef");
  for (int x = 0; x < 6; ++x) EXPECT_TRUE(terminal.screen().attributes(x, 0).plain()) << x;
  EXPECT_EQ(terminal.output().find("\x1b[0;"), std::string::npos);
}

TEST_F(ColourTest, TheSameColourTwiceIsWrittenOnce) {
  console::setColourShown(true);
  const size_t before = terminal.drawn().size();
  console::setColour(kBlue);
  console::setColour(kBlue);
  std::cout << "x";
  console::setColour(Colour{});
  console::setColour(Colour{});
  EXPECT_EQ(terminal.drawn().substr(before), "\x1b[0;34mx\x1b[0m");
}

// A scope gives back the colour set before it, so a coloured word inside a
// coloured line leaves the rest of the line as it was.
TEST_F(ColourTest, AScopeGivesBackTheColourBeforeIt) {
  console::setColourShown(true);
  console::setColour(kBlue);
  std::cout << "a";
  {
    const console::RoleScope refused(console::Role::kWordRefused);
    std::cout << "b";
  }
  std::cout << "c";
  console::flushOutput();
  EXPECT_EQ(terminal.screen().attributes(1, 0).colour,
            console::colourOf(console::Role::kWordRefused).foreground);
  EXPECT_EQ(terminal.screen().attributes(2, 0), (CellAttributes{.colour = Palette::kBlue}));
}

// Reverse video (the review's cursor) stays through a colour change, and
// with colour off setAttributes keeps reverse video alone.
TEST_F(ColourTest, ReverseVideoStaysAndColourOffDropsColourFromAttributes) {
  console::setColourShown(true);
  console::setAttributes({.reverse = true});
  console::setColour(kBlue);
  std::cout << "a";
  console::setColourShown(false);
  console::setAttributes({.reverse = true, .bold = true, .colour = Palette::kRed});
  std::cout << "b";
  console::flushOutput();
  EXPECT_EQ(terminal.screen().attributes(0, 0), (CellAttributes{.reverse = true, .colour = Palette::kBlue}));
  EXPECT_EQ(terminal.screen().attributes(1, 0), (CellAttributes{.reverse = true}));
}

// A screen clear starts plain, and a new terminal starts with colour off.
TEST_F(ColourTest, AClearEndsTheColourAndAnInstallTurnsColourOff) {
  console::setColourShown(true);
  console::setColour(kBlue);
  console::clearScreen();
  std::cout << "a";
  console::flushOutput();
  EXPECT_TRUE(terminal.screen().attributes(0, 0).plain());
  support::FakeTerminal next;
  EXPECT_FALSE(console::colourShown());
}

// Line output, before the first screen clear, goes out as it is: no colour
// in a pipe or in the terminal's scrollback.
TEST(ColourBeforeFullScreen, LineOutputIsNeverColoured) {
  support::FakeTerminal terminal;
  console::setColourShown(true);
  console::setColour(kBlue);
  std::cout << "Loading";
  console::lineEnd();
  EXPECT_EQ(terminal.output(), "Loading\r\n");
}

}  // namespace
