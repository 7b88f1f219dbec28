// Waits with an end: for a key at most so long, and for the screen to show
// when the request to enlarge a small window stands in its place.

#include <gtest/gtest.h>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

TEST(KeyArrivesWithin, WaitsAtMostItsTimeAndEndsAtAKey) {
  support::FakeTerminal terminal;
  terminal.typeAt(1500, "\x1b[A");
  EXPECT_FALSE(console::keyArrivesWithin(1000));
  EXPECT_EQ(terminal.now(), 1000u);
  EXPECT_TRUE(console::keyArrivesWithin(1000));
  EXPECT_EQ(terminal.now(), 1500u);
  EXPECT_EQ(console::readKey(), console::kExtendedKey);
  EXPECT_EQ(console::readKey(), console::kUp);
  // The end of the input counts as a key, and the read reports it.
  EXPECT_TRUE(console::keyArrivesWithin(1000));
  EXPECT_THROW(console::readKey(), console::InputEnded);
}

TEST(KeyArrivesWithin, TheScreenFollowsAResizeMeanwhile) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(80, 24);
  console::clearScreen();
  terminal.resizeAt(300, 60, 20);
  terminal.typeAt(5000, "x");
  EXPECT_FALSE(console::keyArrivesWithin(1000));
  EXPECT_EQ(terminal.row(0), "Quillop needs a terminal of at least 80x24; this one is");
}

TEST(WaitUntilScreenShows, ReturnsAtOnceWhenTheScreenShows) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(80, 24);
  terminal.type("x");
  console::clearScreen();
  console::waitUntilScreenShows();
  EXPECT_EQ(terminal.now(), 0u);
  EXPECT_EQ(terminal.unreadBytes(), 1u);
  EXPECT_EQ(terminal.presents(), 0);
}

// Keys meanwhile answer the request; the screen shows at the next wait.
TEST(WaitUntilScreenShows, WaitsForTheWindowToBeEnlarged) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(60, 20);
  console::clearScreen();
  terminal.typeAt(1000, "x");
  terminal.resizeAt(4000, 80, 24);
  terminal.typeAt(5000, "y");
  console::waitUntilScreenShows();
  EXPECT_EQ(terminal.now(), 4000u);
  EXPECT_EQ(console::readKey(), 'y');
  EXPECT_EQ(terminal.wholePresents(), 1);
}

TEST(WaitUntilScreenShows, QAtTheRequestEndsTheRun) {
  support::FakeTerminal terminal;
  terminal.setWindowSize(60, 20);
  console::clearScreen();
  terminal.typeAt(1000, "qx");
  EXPECT_THROW(console::waitUntilScreenShows(), console::InputEnded);
  EXPECT_EQ(terminal.unreadBytes(), 1u);
}

}  // namespace
