// The Windows terminal with pipes for standard input and output, as when a
// script drives the program: no console calls, and the bytes the POSIX
// terminal sends.
#include "platform/windows/terminal.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <optional>
#include <string>

#include "console/console.h"
#include "platform/windows/pipe_output.h"

namespace {

class WindowsTerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreatePipe(&keysRead, &keysWrite, nullptr, 0));
    ASSERT_TRUE(CreatePipe(&outputRead, &outputWrite, nullptr, 1 << 16));
    terminal.emplace(keysRead, outputWrite);
    installation.emplace(*terminal);
  }
  // The run's end: the console lets go of the terminal, which then puts
  // the terminal back.
  void endRun() {
    installation.reset();
    terminal.reset();
  }
  void TearDown() override {
    endRun();
    for (HANDLE handle : {keysRead, keysWrite, outputRead, outputWrite}) {
      if (handle != nullptr) CloseHandle(handle);
    }
  }

  void type(std::string_view bytes) {
    DWORD written = 0;
    WriteFile(keysWrite, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  void endInput() {
    CloseHandle(keysWrite);
    keysWrite = nullptr;
  }
  // What has arrived at the other end of the output pipe.
  std::string output() { return windows_test::takeWaitingBytes(outputRead); }

  HANDLE keysRead = nullptr;
  HANDLE keysWrite = nullptr;
  HANDLE outputRead = nullptr;
  HANDLE outputWrite = nullptr;
  std::optional<platform::WindowsTerminal> terminal;
  std::optional<console::TerminalInstallation> installation;
};

TEST_F(WindowsTerminalTest, LinesThenTheScreenInTheBytesAVtTerminalGets) {
  std::cout << "Loading... DONE!";
  console::lineEnd();
  EXPECT_EQ(output(), "Loading... DONE!\r\n");
  console::clearScreen();
  console::moveCursor(3, 2);
  std::cout << "hi";
  console::flushOutput();
  EXPECT_EQ(output(), "\x1b[H\x1b[2J\x1b[3;4Hhi");
  uint16_t columns = 0;
  uint16_t rows = 0;
  EXPECT_FALSE(terminal->windowSize(columns, rows));
}

// Redirected, the lines to paste are UTF-8 bytes with squares, whatever
// the locale, on a line of their own after the last screen.
TEST_F(WindowsTerminalTest, TheClosingTextLeavesLastAsUtf8OnALineOfItsOwn) {
  EXPECT_EQ(terminal->unicodeCells(), console::UnicodeCells::kShown);
  console::clearScreen();
  std::cout << "Goodbye";
  console::flushOutput();
  terminal->setClosingText("Round 1  \u25a0\u25a1  1/2\n");
  EXPECT_EQ(output(), "\x1b[H\x1b[2JGoodbye");
  endRun();
  EXPECT_EQ(output(), "\nRound 1  \u25a0\u25a1  1/2\n");
}

TEST_F(WindowsTerminalTest, KeysAsTypedThenTheEndOfTheInput) {
  type("a\x1b[Bq");
  endInput();
  EXPECT_EQ(console::readKey(), 'a');
  EXPECT_EQ(console::readKey(), console::kExtendedKey);
  EXPECT_EQ(console::readKey(), console::kDown);
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_EQ(console::readKey(), 'q');
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_THROW(console::readKey(), console::InputEnded);
}

TEST_F(WindowsTerminalTest, SleepingPassesTheTimeAndLeavesKeysWaiting) {
  EXPECT_FALSE(console::keyWaiting());
  uint32_t start = console::elapsedMs();
  console::sleepMs(40);
  EXPECT_GE(console::elapsedMs() - start, 40u);
  type("x");
  console::sleepMs(10);
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_EQ(console::readKey(), 'x');
}

}  // namespace
