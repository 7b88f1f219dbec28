// The real terminal on a pseudo-terminal: raw key reading, the full screen,
// and the terminal put back on every way out.
#include "platform/posix/terminal_guard.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "console/console.h"
#include "platform/posix/terminal.h"
#include "platform/posix/test_descriptors.h"

namespace {

using console_test::sameModes;

constexpr const char* kEnterFullScreen = "\x1b[?1049h\x1b[?25l";
constexpr const char* kLeaveFullScreen = "\x1b[?25h\x1b[?1049l";
constexpr const char* kClear = "\x1b[H\x1b[2J";

void raiseWithoutCoreDump(int number) {
  rlimit noCore{0, 0};
  ::setrlimit(RLIMIT_CORE, &noCore);
  ::raise(number);
}

class TerminalGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ready());
    found = pty.modes();
    terminal.emplace(pty.program(), pty.program());
    installation.emplace(*terminal);
  }
  // The run's end: the console lets go of the terminal, which then puts
  // the terminal back.
  void endRun() {
    installation.reset();
    terminal.reset();
  }
  void TearDown() override { endRun(); }

  // A new run on the same terminal.
  void startAgain() {
    TearDown();
    terminal.emplace(pty.program(), pty.program());
    installation.emplace(*terminal);
  }

  // Puts the terminal in the state of a game in progress: keys read raw and
  // a screen drawn.
  void startDrawing(const std::string& text) {
    EXPECT_FALSE(console::keyWaiting());
    console::clearScreen();
    std::cout << text;
    console::flushOutput();
  }

  console_test::PseudoTerminal pty;
  termios found{};
  std::optional<platform::PosixTerminal> terminal;
  std::optional<console::TerminalInstallation> installation;
};

using TerminalGuardDeathTest = TerminalGuardTest;

TEST_F(TerminalGuardTest, KeysAreReadRawFromTheFirstKeyPoll) {
  EXPECT_TRUE(sameModes(pty.modes(), found));
  EXPECT_FALSE(console::keyWaiting());
  termios raw = pty.modes();
  EXPECT_EQ(raw.c_lflag & (ICANON | ECHO | IEXTEN), 0u);
  EXPECT_EQ(raw.c_iflag & (ICRNL | IXON), 0u);
  EXPECT_EQ(raw.c_lflag & ISIG, tcflag_t{ISIG});
  EXPECT_EQ(raw.c_oflag & (OPOST | ONLCR), tcflag_t{OPOST | ONLCR});
  EXPECT_EQ(raw.c_cc[VMIN], 1);
  EXPECT_EQ(raw.c_cc[VTIME], 0);
  endRun();
  EXPECT_TRUE(sameModes(pty.modes(), found));
}

TEST_F(TerminalGuardTest, KeysTypedBeforeTheFirstReadAreNotLost) {
  pty.type("ab\x1b[A\r");
  EXPECT_EQ(pty.shown(), "ab^[[A\r\n");  // echoed: the terminal has them
  ASSERT_TRUE(console::keyWaiting());
  EXPECT_EQ(console::readKey(), 'a');
  EXPECT_EQ(console::readKey(), 'b');
  EXPECT_EQ(console::readKey(), 224);
  EXPECT_EQ(console::readKey(), 72);
  EXPECT_EQ(console::readKey(), 13);
  pty.type("\r\x13");
  EXPECT_EQ(terminal->readByte(), 13);
  EXPECT_EQ(terminal->readByte(), 0x13);
}

TEST_F(TerminalGuardTest, TheFullScreenLastsFromTheFirstClearToTheEnd) {
  std::cout << "Loading";
  console::lineEnd();
  EXPECT_EQ(pty.shown(), "Loading\r\r\n");
  console::clearScreen();
  std::cout << "Menu";
  console::sleepMs(0);
  EXPECT_EQ(pty.shown(), std::string(kEnterFullScreen) + kClear + "Menu");
  std::cout << "!";
  endRun();
  EXPECT_EQ(pty.shown(), std::string("!") + kLeaveFullScreen);
}

TEST_F(TerminalGuardTest, AContinueTakesTheTerminalBackAndRedrawsTheScreen) {
  startDrawing("Menu");
  console::moveCursor(0, 2);
  std::cout << "Play";
  console::flushOutput();
  pty.shown();
  ASSERT_EQ(::tcsetattr(pty.program(), TCSANOW, &found), 0);  // as a shell does while we are stopped
  ::raise(SIGCONT);
  EXPECT_EQ(pty.modes().c_lflag & (ICANON | ECHO), 0u);
  std::cout << "?";
  console::flushOutput();
  EXPECT_EQ(pty.shown(), std::string(kEnterFullScreen) + kClear + "Menu\x1b[3;1HPlay?");
  console::flushOutput();
  EXPECT_EQ(pty.shown(), "");
}

// After fg the shell has written below the line the program waits at: the
// line is shown again.
TEST_F(TerminalGuardTest, AContinueAtAPromptShowsThePromptLineAgain) {
  std::cout << "Press a key";
  console::lineEnd();
  EXPECT_FALSE(console::keyWaiting());
  EXPECT_EQ(pty.shown(), "Press a key\r\r\n");
  ::raise(SIGCONT);
  pty.type("x");
  EXPECT_EQ(console::readKey(), 'x');
  EXPECT_EQ(pty.shown(), "Press a key\r\r\n");
  console::flushOutput();
  EXPECT_EQ(pty.shown(), "");
}

TEST_F(TerminalGuardTest, AGoneTerminalEndsTheInput) {
  startDrawing("Menu");
  pty.hangUp();
  uint32_t start = terminal->nowMs();
  EXPECT_EQ(terminal->readByteWithin(5000), console::kEndOfInput);
  EXPECT_LT(terminal->nowMs() - start, 1000u);
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_THROW(console::readKey(), console::InputEnded);
}

// A signal that ends the program puts the terminal back first, and the
// program still dies of that signal.
TEST_F(TerminalGuardDeathTest, EndingSignalsPutTheTerminalBack) {
  for (int number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) {
    SCOPED_TRACE(strsignal(number));
    startAgain();
    startDrawing("Round 1");
    pty.shown();
    EXPECT_EXIT(raiseWithoutCoreDump(number), ::testing::KilledBySignal(number), "");
    EXPECT_TRUE(sameModes(pty.modes(), found));
    EXPECT_EQ(pty.shown(), kLeaveFullScreen);
  }
}

// The lines to paste stand on the main screen, below what was there, however
// the run ends: Ctrl-C, a kill, or its own end.
TEST_F(TerminalGuardDeathTest, TheClosingTextFollowsTheTerminalPutBackOnEveryWayOut) {
  for (int number : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(strsignal(number));
    startAgain();
    startDrawing("Title");
    terminal->setClosingText("Quillop daily\n");
    pty.shown();
    EXPECT_EXIT(raiseWithoutCoreDump(number), ::testing::KilledBySignal(number), "");
    EXPECT_TRUE(sameModes(pty.modes(), found));
    EXPECT_EQ(pty.shown(), std::string(kLeaveFullScreen) + "Quillop daily\r\n");
  }
  startAgain();
  startDrawing("Title");
  terminal->setClosingText("Quillop daily\n");
  pty.shown();
  endRun();
  EXPECT_EQ(pty.shown(), std::string(kLeaveFullScreen) + "Quillop daily\r\n");
}

// A screen that ends drawing in a colour leaves the terminal plain on every
// way out, before the main screen comes back, so the shell's prompt never
// takes on the colour; a plain one costs no bytes for it.
TEST_F(TerminalGuardDeathTest, AColourLeftOnIsSetPlainOnEveryWayOut) {
  const std::string kPlainPen = "\x1b[m";
  for (int number : {0, SIGINT, SIGTERM}) {
    SCOPED_TRACE(number);
    startAgain();
    startDrawing("Title");
    console::setColourShown(true);
    console::setColour({console::Palette::kBlue, true});
    std::cout << "typed";
    console::flushOutput();
    EXPECT_NE(pty.shown().find("\x1b[1;34mtyped"), std::string::npos);
    if (number == 0) {
      endRun();
    } else {
      EXPECT_EXIT(raiseWithoutCoreDump(number), ::testing::KilledBySignal(number), "");
    }
    EXPECT_EQ(pty.shown(), kPlainPen + kLeaveFullScreen);
  }
  startAgain();
  startDrawing("Title");
  pty.shown();
  endRun();
  EXPECT_EQ(pty.shown(), kLeaveFullScreen);
}

TEST_F(TerminalGuardDeathTest, ExitingPutsTheTerminalBackAfterTheLastOutput) {
  startDrawing("Goodbye");
  pty.shown();
  EXPECT_EXIT(
      {
        std::cout << "!";
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(sameModes(pty.modes(), found));
  EXPECT_EQ(pty.shown(), std::string("!") + kLeaveFullScreen);
}

TEST(TerminalGuard, RestoringTwiceChangesNothingMoreAndTheTerminalCanBeTakenAgain) {
  console_test::PseudoTerminal pty;
  ASSERT_TRUE(pty.ready());
  termios found = pty.modes();
  {
    platform::TerminalGuard guard(pty.program(), pty.program());
    guard.enterRawMode();
    guard.enterFullScreen();
    guard.restore();
    guard.restore();
    EXPECT_TRUE(sameModes(pty.modes(), found));
    EXPECT_EQ(pty.shown(), std::string(kEnterFullScreen) + kLeaveFullScreen);
    guard.enterRawMode();
    EXPECT_FALSE(sameModes(pty.modes(), found));
  }
  EXPECT_TRUE(sameModes(pty.modes(), found));
  EXPECT_EQ(pty.shown(), "");
}

// A read that a resize or a continue cuts short goes on as if nothing had
// happened, as do the writes, opens and locks of the records file.
TEST(TerminalGuard, CallsInterruptedByAResizeOrAContinueGoOn) {
  console_test::Pipe input;
  console_test::Pipe output;
  console_test::Pipe data;
  platform::TerminalGuard guard(input.readEnd(), output.writeEnd());
  pthread_t reading = ::pthread_self();
  std::thread signals([&] {
    for (int i = 0; i < 20; ++i) {
      ::pthread_kill(reading, i % 2 == 0 ? SIGWINCH : SIGCONT);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    (void)!::write(data.writeEnd(), "w", 1);
  });
  char byte = 0;
  ssize_t received = ::read(data.readEnd(), &byte, 1);
  signals.join();
  EXPECT_EQ(received, 1);
  EXPECT_EQ(byte, 'w');
}

TEST(TerminalGuard, LeavesIgnoredSignalsIgnoredAndHandlersAsFound) {
  ::signal(SIGHUP, SIG_IGN);
  ::signal(SIGINT, SIG_DFL);
  struct sigaction during {};
  {
    platform::TerminalGuard guard(platform::kStandardInput, platform::kStandardOutput);
    ::sigaction(SIGHUP, nullptr, &during);
    EXPECT_EQ(during.sa_handler, SIG_IGN);
    ::sigaction(SIGINT, nullptr, &during);
    EXPECT_NE(during.sa_handler, SIG_DFL);
  }
  struct sigaction after {};
  ::sigaction(SIGINT, nullptr, &after);
  EXPECT_EQ(after.sa_handler, SIG_DFL);
  ::signal(SIGHUP, SIG_DFL);
}

}  // namespace
