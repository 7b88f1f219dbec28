// Where the program stands among a shell's jobs, and what a stop does to
// the full screen because of it.
#include "platform/posix/job_control.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/posix/terminal_guard.h"
#include "platform/posix/test_descriptors.h"

namespace {

using platform::ScreenAtStop;

constexpr const char* kEnterFullScreen = "\x1b[?1049h\x1b[?25l";
constexpr const char* kLeaveFullScreen = "\x1b[?25h\x1b[?1049l";
constexpr const char* kShowCursor = "\x1b[?25h";

// Exit statuses of the forked children below.
constexpr int kChildPassed = 0;
constexpr int kChildFailed = 1;

// The screen is left only where no shell can have written on it yet.
TEST(JobControl, AStopLeavesTheScreenOnlyWhenHeldAndTheShellWaitsForTheProgramItself) {
  struct Case {
    bool held;
    bool parentInJob;
    ScreenAtStop expected;
  };
  const Case cases[] = {
      {true, false, ScreenAtStop::kLeave},
      {false, false, ScreenAtStop::kKeepWithCursorShown},
      // A script's stop can reach the shell between a look at the
      // foreground and the leave: held or not, the screen stays.
      {true, true, ScreenAtStop::kKeepWithCursorShown},
      {false, true, ScreenAtStop::kKeepWithCursorShown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "held " << c.held << ", parent in job " << c.parentInJob);
    EXPECT_EQ(platform::screenAtStop(c.held, c.parentInJob), c.expected);
  }
}

TEST(JobControl, ADescriptorThatIsNoControllingTerminalIsAlwaysHeld) {
  console_test::Pipe pipe;
  console_test::PseudoTerminal pty;
  ASSERT_TRUE(pty.ready());
  EXPECT_TRUE(platform::holdsTerminal(pipe.readEnd()));
  EXPECT_TRUE(platform::holdsTerminal(pty.program()));
}

// A child forked from here shares this process's group, like a game started
// by a script; one that makes a group of its own is a job of its own.
TEST(JobControl, AParentSharesTheJobUntilTheProgramHasAGroupOfItsOwn) {
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    bool sharedAtFirst = platform::parentSharesTheJob();
    bool ownGroup = ::setpgid(0, 0) == 0;
    ::_exit(sharedAtFirst && ownGroup && !platform::parentSharesTheJob() ? kChildPassed : kChildFailed);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kChildPassed);
}

// The program on the full screen of a pseudo-terminal, stopped by SIGTSTP.
[[noreturn]] void runProgramAndStop(int fd, bool ownGroup) {
  if (ownGroup) ::setpgid(0, 0);
  platform::TerminalGuard guard(fd, fd);
  guard.enterFullScreen();
  ::raise(SIGTSTP);
  ::_exit(kChildPassed);
}

// What the program's stop wrote. It runs under a parent of its own that
// plays the script, and that parent makes a group of its own, so that the
// stop is never discarded as one of an orphaned group, whatever group the
// tests run in. The program stays in that group, or makes one of its own.
std::string writtenAtStop(bool ownGroup) {
  console_test::PseudoTerminal pty;
  console_test::Pipe result;
  if (!pty.ready() || !result.ready()) return "no pseudo-terminal or pipe";
  pid_t script = ::fork();
  if (script < 0) return "no fork";
  if (script == 0) {
    ::setpgid(0, 0);
    pid_t program = ::fork();
    if (program == 0) runProgramAndStop(pty.program(), ownGroup);
    int status = 0;
    ::waitpid(program, &status, WUNTRACED);
    std::string shown = WIFSTOPPED(status) ? pty.shown() : "the program did not stop";
    ::kill(program, SIGCONT);
    ::waitpid(program, &status, 0);
    (void)!::write(result.writeEnd(), shown.data(), shown.size());
    ::_exit(kChildPassed);
  }
  result.closeWriteEnd();
  int status = 0;
  ::waitpid(script, &status, 0);
  return console_test::readArrived(result.readEnd(), 0);
}

TEST(JobControl, AStoppedProgramOfItsOwnJobLeavesItsScreen) {
  EXPECT_EQ(writtenAtStop(true), std::string(kEnterFullScreen) + kLeaveFullScreen);
}

// Its parent is the shell's job and stops at once: the shell may write its
// prompt on the screen at any moment, so the screen stays.
TEST(JobControl, AStoppedProgramStartedWithinItsParentsJobKeepsItsScreen) {
  EXPECT_EQ(writtenAtStop(false), std::string(kEnterFullScreen) + kShowCursor);
}

}  // namespace
