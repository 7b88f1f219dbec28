#include <gtest/gtest.h>

#include <iostream>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

// The request as the window shows it: its two lines, each at the start of
// its row.
const std::string kTooSmall79x24 =
    "\x1b[H\x1b[2JQuillop needs a terminal of at least 80x24; this one is 79x24. Enlarge it and"
    "\x1b[2;1Hpress a key, or press q to quit.";

// The request shows on the program's own screen, never among the lines
// written before it, and keys answer it until the window is large enough.
TEST(WindowSize, AskedToEnlargeUntilTheWindowIsLargeEnough) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(79, 24, /*resizeAfterReads=*/1);
  terminal.type("xyz");
  std::cout << "Press a key";
  console::lineEnd();
  console::clearScreen();
  std::cout << "Menu";
  EXPECT_TRUE(terminal.fullScreen());
  EXPECT_EQ(terminal.output(), "Press a key\r\n" + kTooSmall79x24);
  EXPECT_EQ(console::readKey(), 'z');
  EXPECT_EQ(terminal.row(0), "Menu");
  EXPECT_EQ(terminal.row(1), "");
}

TEST(WindowSize, AnArrowKeyAnswersTheRequestWhole) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(79, 24, /*resizeAfterReads=*/1);
  terminal.type("\x1b[Ax");
  console::clearScreen();
  EXPECT_EQ(console::readKey(), 'x');
}

// The screen shows as soon as the window is enlarged, with no key pressed.
TEST(WindowSize, TheScreenShowsAsSoonAsTheWindowIsLargeEnough) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(60, 20);
  terminal.resizeAt(500, 80, 24);
  terminal.typeAt(1000, "k");
  console::clearScreen();
  std::cout << "Menu";
  EXPECT_EQ(terminal.row(0), "Quillop needs a terminal of at least 80x24; this one is");
  EXPECT_EQ(terminal.row(1), "60x20. Enlarge it and press a key, or press q to quit.");
  EXPECT_EQ(console::readKey(), 'k');
  EXPECT_EQ(terminal.row(0), "Menu");
  EXPECT_EQ(terminal.wholePresents(), 1);
}

TEST(WindowSize, TooFewRowsIsRefusedToo) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(132, 23);
  terminal.type("q");
  console::clearScreen();
  EXPECT_NE(terminal.output().find("this one is 132x23."), std::string::npos);
  EXPECT_THROW(console::readKey(), console::InputEnded);
}

TEST(WindowSize, LargeEnoughOrUnknownDrawsAtOnce) {
  for (uint16_t columns : {uint16_t{0}, uint16_t{80}, uint16_t{200}}) {
    support::FakeTerminal terminal;
    terminal.setWindowSize(columns, 24);
    console::clearScreen();
    EXPECT_EQ(terminal.output(), "\x1b[H\x1b[2J") << columns;
  }
}

}  // namespace
