#include <gtest/gtest.h>

#include <iostream>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

// Each fake terminal installs itself when made; the installation under test
// puts another in front of the last one made, for as long as it lives.
TEST(TerminalInstallation, InstallsTheTerminalWhileItLivesThenTheOneBefore) {
  support::FakeTerminal leaving;
  support::FakeTerminal before;
  {
    const console::TerminalInstallation installation(leaving);
    EXPECT_EQ(console::installed(), &leaving);
  }
  EXPECT_EQ(console::installed(), &before);
}

TEST(TerminalInstallation, WhatWasDrawnReachesTheTerminalBeforeItIsLetGo) {
  support::FakeTerminal leaving;
  support::FakeTerminal before;
  {
    const console::TerminalInstallation installation(leaving);
    console::clearScreen();
    std::cout << "last words";
  }
  EXPECT_EQ(leaving.row(0), "last words");
  EXPECT_EQ(before.output(), "");
}

}  // namespace
