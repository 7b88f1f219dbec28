// The real terminal with pipes and sockets for standard input and output, as
// when a script drives the program.
#include "platform/posix/terminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "console/console.h"
#include "platform/posix/test_descriptors.h"

namespace {

using console_test::MessageSockets;
using console_test::Pipe;
using Writes = std::vector<std::string>;

// The program reads keys from a pipe and writes to a socket that keeps each
// write apart, so a test sees how the output was grouped.
class PosixTerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(keys.ready() && output.ready());
    terminal.emplace(keys.readEnd(), output.sendingEnd());
    installation.emplace(*terminal);
  }
  // The run's end: the console lets go of the terminal, which then puts
  // the terminal back.
  void endRun() {
    installation.reset();
    terminal.reset();
  }
  void TearDown() override { endRun(); }

  Writes writes() { return console_test::writesArrived(output.receivingEnd()); }
  void type(std::string_view bytes) { (void)!::write(keys.writeEnd(), bytes.data(), bytes.size()); }

  Pipe keys;
  MessageSockets output;
  std::optional<platform::PosixTerminal> terminal;
  std::optional<console::TerminalInstallation> installation;
};

TEST_F(PosixTerminalTest, BeforeTheFirstClearEveryFlushGoesOut) {
  std::cout << "Loading";
  EXPECT_EQ(writes(), Writes{});
  std::cout << std::flush;
  EXPECT_EQ(writes(), Writes{"Loading"});
  std::cout << " done";
  console::lineEnd();
  std::cout << "Words: 7";
  console::lineEnd();
  EXPECT_EQ(writes(), (Writes{" done\r\n", "Words: 7\r\n"}));
}

TEST_F(PosixTerminalTest, AScreenUpdateLeavesInOneWriteWhenTheProgramWaits) {
  std::cout << "Press a key";
  console::clearScreen();
  EXPECT_EQ(writes(), Writes{"Press a key\r\n"});  // a line left open is ended
  console::moveCursor(30, 2);
  std::cout << "MENU";
  console::lineEnd();
  std::cout << "one\ntwo" << std::flush;
  EXPECT_EQ(writes(), Writes{});
  console::sleepMs(0);
  EXPECT_EQ(writes(), Writes{"\x1b[H\x1b[2J\x1b[3;31HMENU\x1b[4;1Hone\x1b[5;1Htwo"});
  console::moveCursor(0, 23);
  std::cout << "Time: 59";
  EXPECT_FALSE(console::keyWaiting());
  EXPECT_EQ(writes(), Writes{"\x1b[24;1HTime: 59"});
}

TEST_F(PosixTerminalTest, KeysAreTheBytesReadDecoded) {
  type("\x1b[Ax\x7f\n\x1b[6~q");
  std::vector<int> codes;
  codes.reserve(8);
  for (int i = 0; i < 8; ++i) codes.push_back(console::readKey());
  EXPECT_EQ(codes, (std::vector<int>{224, 72, 'x', 8, 13, 224, 81, 'q'}));
}

TEST_F(PosixTerminalTest, TheEndOfTheInputIsFinalAndCountsAsWaiting) {
  type("k");
  keys.closeWriteEnd();
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_EQ(console::readKey(), 'k');
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_THROW(console::readKey(), console::InputEnded);
  EXPECT_EQ(terminal->readByte(), console::kEndOfInput);
}

TEST_F(PosixTerminalTest, AHungUpInputEndsAWaitAtOnce) {
  keys.closeWriteEnd();
  uint32_t start = terminal->nowMs();
  EXPECT_EQ(terminal->readByteWithin(5000), console::kEndOfInput);
  EXPECT_LT(terminal->nowMs() - start, 1000u);
}

TEST_F(PosixTerminalTest, WaitingForAByteOnAnEmptyOpenInputTimesOut) {
  EXPECT_FALSE(terminal->byteWaiting());
  uint32_t start = terminal->nowMs();
  EXPECT_EQ(terminal->readByteWithin(20), console::kNoByte);
  uint32_t waited = terminal->nowMs() - start;
  EXPECT_GE(waited, 20u);
  EXPECT_LT(waited, 1000u);
  type("z");
  EXPECT_EQ(terminal->readByteWithin(20), 'z');
}

TEST_F(PosixTerminalTest, ANonBlockingInputIsWaitedForNotTakenForItsEnd) {
  ASSERT_EQ(::fcntl(keys.readEnd(), F_SETFL, O_NONBLOCK), 0);
  std::thread typist([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    type("k");
  });
  EXPECT_EQ(terminal->readByte(), 'k');
  typist.join();
}

TEST_F(PosixTerminalTest, SleepingWaitsAtLeastTheTimeAsked) {
  uint32_t start = terminal->nowMs();
  terminal->sleepMs(15);
  EXPECT_GE(terminal->nowMs() - start, 15u);
}

using PosixTerminalDeathTest = PosixTerminalTest;

// Nobody sees output to a reader that has gone: the run ends there, with
// one line on the error output.
TEST_F(PosixTerminalDeathTest, OutputToAClosedReaderEndsTheRun) {
  output.close(1);
  EXPECT_EXIT(
      {
        std::cout << std::string(100000, 'x') << std::flush;
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(1), "^Error: Could not write the output \\([^\n]+\\)\n$");
}

TEST_F(PosixTerminalTest, WhatIsUnsentStillLeavesWhenTheProgramEnds) {
  console::clearScreen();
  std::cout << "last words";
  endRun();
  EXPECT_EQ(writes(), Writes{"\x1b[H\x1b[2Jlast words"});
}

std::string joined(const Writes& writes) {
  std::string all;
  for (const std::string& write : writes) all += write;
  return all;
}

// Written to a file, the lines to paste must be found at the start of a
// line, not glued to the last screen's bytes.
TEST_F(PosixTerminalTest, TheClosingTextComesLastOnALineOfItsOwn) {
  console::clearScreen();
  std::cout << "Goodbye";
  terminal->setClosingText("Quillop daily\n");
  endRun();
  EXPECT_EQ(joined(writes()), "\x1b[H\x1b[2JGoodbye\nQuillop daily\n");
}

TEST_F(PosixTerminalTest, TheClosingTextAfterAnEndedLineAddsNoEmptyLine) {
  std::cout << "Loading";
  console::lineEnd();
  terminal->setClosingText("first\n");
  terminal->setClosingText("Quillop daily\n");
  endRun();
  EXPECT_EQ(joined(writes()), "Loading\r\nQuillop daily\n");
}

TEST_F(PosixTerminalTest, StandardOutputIsGivenBackWhenTheTerminalGoes) {
  std::streambuf* ours = std::cout.rdbuf();
  endRun();
  EXPECT_NE(std::cout.rdbuf(), ours);
}

// Output that cannot be written ends the run at once: status 1, one line on
// the error output naming the problem, the terminal put back.
TEST(PosixTerminalOutputDeathTest, AScreenWithoutAReaderEndsTheRunWithTheTerminalPutBack) {
  console_test::PseudoTerminal keys;
  Pipe output;
  ASSERT_TRUE(keys.ready() && output.ready());
  output.closeReadEnd();
  termios found = keys.modes();
  EXPECT_EXIT(
      {
        platform::PosixTerminal terminal(keys.program(), output.writeEnd());
        console::install(&terminal);
        (void)console::keyWaiting();
        console::clearScreen();
        std::cout << "Menu";
        console::flushOutput();
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(1), "^Error: Could not write the output \\(Broken pipe\\)\n$");
  EXPECT_TRUE(console_test::sameModes(keys.modes(), found));
}

TEST(PosixTerminalOutputDeathTest, AClosedOutputEndsTheRunBeforeItBegins) {
  constexpr int kClosedFd = 999;
  ASSERT_EQ(::fcntl(kClosedFd, F_GETFD), -1);
  Pipe keys;
  EXPECT_EXIT({ platform::PosixTerminal terminal(keys.readEnd(), kClosedFd); }, ::testing::ExitedWithCode(1),
              "^Error: Could not write the output \\(Bad file descriptor\\)\n$");
}

}  // namespace
