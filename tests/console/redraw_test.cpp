// Ctrl-L draws the whole screen again, on every screen and during every
// wait, and is no key for the program; a wait for any key takes a whole
// key press.

#include <gtest/gtest.h>

#include <iostream>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

constexpr const char* kCtrlL = "\x0c";

class RedrawTest : public ::testing::Test {
 protected:
  // A screen with text on its first and last rows, shown on an 80x24
  // window, then written over by another program.
  void SetUp() override {
    terminal.setWindowSize(80, 24);
    console::clearScreen();
    std::cout << "Top row";
    console::moveCursor(70, 23);
    std::cout << "bottom row";
    console::flushOutput();
    shown = terminal.screen().dump();
    terminal.writeFromOutside("\x1b[H\x1b[2Jjunk\r\nmore junk");
    terminal.keepInputOpen();
  }

  support::FakeTerminal terminal;
  std::string shown;
};

TEST_F(RedrawTest, CtrlLMendsTheScreenAndIsNoKey) {
  ASSERT_EQ(terminal.row(0), "junk");
  terminal.type(kCtrlL);
  EXPECT_FALSE(console::keyWaiting());
  EXPECT_EQ(terminal.screen().dump(), shown);
  terminal.writeFromOutside("\x1b[2Jjunk");
  terminal.type(std::string(kCtrlL) + "x");
  EXPECT_EQ(console::readKey(), 'x');
  EXPECT_EQ(terminal.screen().dump(), shown);
  EXPECT_EQ(terminal.wholePresents(), 3);
}

// The end screens' wait lets keys pass unheeded, but still mends the screen.
TEST_F(RedrawTest, CtrlLWhileKeysAreDropped) {
  terminal.typeAt(200, kCtrlL);
  terminal.typeAt(800, "y");
  console::dropKeysFor(console::kUnheededKeysMs);
  EXPECT_EQ(terminal.screen().dump(), shown);
  EXPECT_EQ(console::readKey(), 'y');
}

// While the request shows, Ctrl-L shows it again, and is not q.
TEST_F(RedrawTest, CtrlLShowsTheSizeRequestAgain) {
  terminal.setWindowSize(40, 10);
  console::flushOutput();
  terminal.writeFromOutside("\x1b[H\x1b[2Jjunk");
  terminal.type(kCtrlL);
  EXPECT_FALSE(console::keyWaiting());
  EXPECT_EQ(terminal.row(0), "Quillop needs a terminal of at least");
  terminal.setWindowSize(80, 24);
  terminal.type("z");
  EXPECT_EQ(console::readKey(), 'z');
  EXPECT_EQ(terminal.screen().dump(), shown);
}

// Before the first screen clear there is no screen to draw again: the
// start-up prompt takes Ctrl-L as any other key.
TEST(RedrawBeforeFullScreen, CtrlLIsAKeyOnLineOutput) {
  support::FakeTerminal terminal;
  terminal.type(kCtrlL);
  EXPECT_EQ(console::readKey(), 12);
}

TEST(ReadKeyPress, TakesTheWholeKeyPress) {
  support::FakeTerminal terminal;
  terminal.type("\x1bOP\x1b[24~x\x1b[[Zy");
  EXPECT_EQ(console::readKeyPress(), console::kExtendedKey);
  EXPECT_EQ(console::readKeyPress(), console::kExtendedKey);
  EXPECT_EQ(console::readKeyPress(), 'x');
  EXPECT_EQ(console::readKeyPress(), console::kExtendedKey);
  EXPECT_EQ(console::readKey(), 'y');
}

}  // namespace
