// The console keeps the screen through resizes and stops: a window too
// small shows the request instead, and the screen comes back whole.

#include <gtest/gtest.h>

#include <iostream>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

// The request laid out for a 40x10 window, each line at the start of its row.
const std::string kRequest40x10 =
    "Quillop needs a terminal of at least\x1b[2;1H80x24; this one is 40x10. Enlarge it and\x1b[3;1H"
    "press a key, or press q to quit.";

class ResizeTest : public ::testing::Test {
 protected:
  // A screen with text on its first and last rows, shown on an 80x24 window.
  void SetUp() override {
    terminal.setWindowSize(80, 24);
    console::clearScreen();
    std::cout << "Top row";
    console::moveCursor(70, 23);
    std::cout << "bottom row";
    before = terminal.screen().dump();
  }

  std::string shownSince(size_t at) { return terminal.output().substr(at); }

  support::FakeTerminal terminal;
  std::string before;
};

TEST_F(ResizeTest, ATooSmallWindowShowsTheRequestAloneThenTheScreenComesBackWhole) {
  size_t at = terminal.output().size();
  terminal.setWindowSize(40, 10);
  console::flushOutput();
  EXPECT_EQ(shownSince(at), "\x1b[H\x1b[2J" + kRequest40x10);
  terminal.setWindowSize(80, 24);
  console::flushOutput();
  EXPECT_EQ(terminal.screen().dump(), before);
  EXPECT_EQ(terminal.wholePresents(), 2);
}

TEST_F(ResizeTest, TheRequestFollowsTheSizeAndWhatIsDrawnMeanwhileShowsLater) {
  terminal.setWindowSize(40, 10);
  console::flushOutput();
  terminal.setWindowSize(60, 20);
  console::moveCursor(0, 1);
  std::cout << "drawn while small";
  EXPECT_EQ(terminal.row(0), "Quillop needs a terminal of at least 80x24; this one is");
  EXPECT_EQ(terminal.row(1), "60x20. Enlarge it and press a key, or press q to quit.");
  terminal.setWindowSize(100, 30);
  EXPECT_EQ(terminal.row(0), "Top row");
  EXPECT_EQ(terminal.row(1), "drawn while small");
  EXPECT_EQ(terminal.row(23), std::string(70, ' ') + "bottom row");
}

TEST_F(ResizeTest, KeysAnswerTheRequestAndNeverReachTheProgram) {
  terminal.resizeAt(100, 40, 10);
  terminal.typeAt(200, "ab\x1b[A");
  terminal.resizeAt(300, 80, 24);
  terminal.typeAt(400, "c");
  EXPECT_EQ(console::readKey(), 'c');
  EXPECT_EQ(terminal.screen().dump(), before);
}

TEST_F(ResizeTest, QAtTheRequestEndsTheRun) {
  terminal.resizeAt(100, 40, 10);
  terminal.typeAt(200, "xq");
  EXPECT_THROW(console::readKey(), console::InputEnded);
  EXPECT_EQ(terminal.row(0), "Quillop needs a terminal of at least");
}

// A key asks for another look, for terminals that never report a resize.
TEST_F(ResizeTest, AKeyAtTheRequestLooksAtTheWindowAgain) {
  terminal.setWindowSize(40, 10, /*resizeAfterReads=*/0);
  terminal.type("xy");
  EXPECT_EQ(console::readKey(), 'y');
  EXPECT_EQ(terminal.screen().dump(), before);
}

TEST_F(ResizeTest, WhileTheRequestShowsNoKeyIsWaitingAndTheClockGoesOn) {
  terminal.setWindowSize(40, 10);
  terminal.type("abc");
  terminal.keepInputOpen();
  EXPECT_FALSE(console::keyWaiting());
  EXPECT_EQ(terminal.unreadBytes(), 0u);
  console::sleepMs(50);
  EXPECT_EQ(terminal.now(), 50u);
}

TEST_F(ResizeTest, AContinueAfterAStopDrawsTheWholeScreenAgain) {
  size_t at = terminal.output().size();
  terminal.continueAfterStop();
  console::flushOutput();
  EXPECT_EQ(shownSince(at), "\x1b[H\x1b[2JTop row\x1b[24;71Hbottom row");
}

// Nothing scrolls: the last row holds as much of the request's start as
// fits, and the first row stays on show.
TEST_F(ResizeTest, AWindowTooSmallForTheWholeRequestShowsItsStart) {
  size_t at = terminal.output().size();
  terminal.setWindowSize(10, 3);
  console::flushOutput();
  EXPECT_EQ(shownSince(at), "\x1b[H\x1b[2JQuillop\x1b[2;1Hneeds a\x1b[3;1Hterminal");
}

TEST_F(ResizeTest, AnUpdateSendsOnlyTheCellsThatChanged) {
  size_t at = terminal.output().size();
  console::moveCursor(0, 0);
  std::cout << "Top ROW";
  console::flushOutput();
  EXPECT_EQ(shownSince(at), "\x1b[1;5HROW");
}

}  // namespace
