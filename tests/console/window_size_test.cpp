#include <gtest/gtest.h>

#include <iostream>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

const std::string kTooSmall79x24 =
    "Quillop needs a terminal of at least 80x24; this one is 79x24. Enlarge it and press a key, or press q "
    "to "
    "quit.\r\n";

TEST(WindowSize, AskedToEnlargeUntilTheWindowIsLargeEnough) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(79, 24, /*resizeAfterReads=*/1);
  terminal.type("xy");
  console::clearScreen();
  // One complaint per key until the window grows, then the screen clear.
  EXPECT_EQ(terminal.output(), kTooSmall79x24 + kTooSmall79x24 + "\x1b[H\x1b[2J");
  EXPECT_TRUE(terminal.fullScreen());
  EXPECT_EQ(terminal.unreadBytes(), 0u);
}

TEST(WindowSize, AnArrowKeyAnswersTheRequestWhole) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(79, 24, /*resizeAfterReads=*/1);
  terminal.type("\x1b[Ax");
  console::clearScreen();
  EXPECT_EQ(console::readKey(), 'x');
}

TEST(WindowSize, TooFewRowsIsRefusedToo) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(132, 23);
  terminal.type("q");
  EXPECT_THROW(console::clearScreen(), console::InputEnded);
  EXPECT_NE(terminal.output().find("this one is 132x23."), std::string::npos);
  EXPECT_FALSE(terminal.fullScreen());
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
