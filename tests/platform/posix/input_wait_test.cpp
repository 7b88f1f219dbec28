// Waiting for input: what ends it for good, and what is only a pause while
// another job holds the terminal.
#include "platform/posix/input_wait.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "console/terminal.h"
#include "platform/posix/line_terminal.h"
#include "platform/posix/terminal.h"
#include "platform/posix/test_descriptors.h"

namespace {

using platform::InputState;

constexpr bool kHeld = true;
constexpr bool kAway = false;

TEST(InputWait, APollSaysWhatItFound) {
  struct Case {
    int ready;
    int error;
    short input;
    short wake;
    bool held;
    InputState expected;
  };
  const Case cases[] = {
      {1, 0, POLLIN, 0, kHeld, InputState::kReadable},
      {1, 0, POLLIN | POLLHUP, 0, kHeld, InputState::kReadable},  // what is left is read first
      {1, 0, POLLIN, 0, kAway, InputState::kReadable},
      {0, 0, 0, 0, kHeld, InputState::kNothingYet},
      {-1, EINTR, 0, 0, kHeld, InputState::kNothingYet},
      {1, 0, 0, POLLIN, kHeld, InputState::kWoken},
      {1, 0, POLLHUP, 0, kHeld, InputState::kEnded},
      {1, 0, POLLERR, 0, kHeld, InputState::kEnded},
      {1, 0, POLLNVAL, 0, kHeld, InputState::kEnded},
      {1, 0, POLLNVAL, 0, kAway, InputState::kEnded},
      {-1, EINVAL, 0, 0, kHeld, InputState::kEnded},
      // In the background a terminal that is still there may report these.
      {1, 0, POLLHUP, 0, kAway, InputState::kAway},
      {1, 0, POLLERR, 0, kAway, InputState::kAway},
      {-1, ENOMEM, 0, 0, kHeld, InputState::kAway},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "ready " << c.ready << ", errno " << c.error << ", events "
                                      << c.input << ", wake " << c.wake << ", held " << c.held);
    EXPECT_EQ(platform::pollVerdict(c.ready, c.error, c.input, c.wake, c.held), c.expected);
  }
}

TEST(InputWait, AReadWithoutAByteSaysWhetherTheInputEnded) {
  struct Case {
    long got;
    int error;
    bool held;
    InputState expected;
  };
  const Case cases[] = {
      {0, 0, kHeld, InputState::kEnded},  // end of file
      {0, 0, kAway, InputState::kEnded},
      {-1, EIO, kHeld, InputState::kEnded},  // a terminal hung up
      {-1, EBADF, kAway, InputState::kEnded},
      {-1, EINTR, kHeld, InputState::kNothingYet},
      {-1, EAGAIN, kHeld, InputState::kNothingYet},
      // A background read where SIGTTIN cannot stop the program.
      {-1, EIO, kAway, InputState::kAway},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "got " << c.got << ", errno " << c.error << ", held " << c.held);
    EXPECT_EQ(platform::readVerdict(c.got, c.error, c.held), c.expected);
  }
}

TEST(InputWait, APipeGivesItsBytesThenItsEndAtOnce) {
  console_test::Pipe input;
  console_test::Pipe wake;
  EXPECT_EQ(platform::waitForInput(input.readEnd(), wake.readEnd(), 0), InputState::kNothingYet);
  (void)!::write(wake.writeEnd(), "w", 1);
  EXPECT_EQ(platform::waitForInput(input.readEnd(), wake.readEnd(), 0), InputState::kWoken);
  (void)!::write(input.writeEnd(), "k", 1);
  input.closeWriteEnd();
  EXPECT_EQ(platform::waitForInput(input.readEnd(), wake.readEnd(), -1), InputState::kReadable);
  char byte = 0;
  EXPECT_EQ(::read(input.readEnd(), &byte, 1), 1);
  EXPECT_EQ(platform::waitForInput(input.readEnd(), -1, -1), InputState::kEnded);
  EXPECT_EQ(platform::afterFailedRead(input.readEnd(), ::read(input.readEnd(), &byte, 1), errno),
            InputState::kEnded);
}

// Exit statuses of the forked child below.
constexpr int kChildPassed = 0;
constexpr int kNoControllingTerminal = 1;
constexpr int kEndedWhileAway = 2;
constexpr int kKeyLostAfterComingBack = 3;

// A session of its own whose controlling terminal is fd, and a second
// process group made its foreground, as a shell does when it takes the
// terminal back from a stopped job. SIGTTIN is ignored, as a script may
// leave it, so that a read answers EIO instead of stopping the program.
// Returns the other group, or -1.
pid_t sendToTheBackground(int fd) {
  if (::setsid() < 0 || ::ioctl(fd, TIOCSCTTY, 0) != 0) return -1;
  pid_t shell = ::fork();
  if (shell == 0) {
    ::setpgid(0, 0);
    ::alarm(10);  // gone even if nobody ends it
    ::pause();
    ::_exit(0);
  }
  ::setpgid(shell, shell);
  ::signal(SIGTTIN, SIG_IGN);
  ::signal(SIGTTOU, SIG_IGN);  // so that the terminal can be taken back from the background
  return ::tcsetpgrp(fd, shell) == 0 ? shell : -1;
}

// The two terminals, reading a key (a line of one key) within ms.
class FullScreenReader {
 public:
  explicit FullScreenReader(int fd) : terminal_(fd, fd) {}
  int operator()(uint32_t ms) { return terminal_.readByteFor(ms); }

 private:
  platform::PosixTerminal terminal_;
};

class LineReader {
 public:
  explicit LineReader(int fd) : terminal_(fd, fd) {}
  int operator()(uint32_t ms) {
    std::string line;
    lines::LineRead read = terminal_.readLineWithin(ms, line);
    if (read == lines::LineRead::kEnded) return console::kEndOfInput;
    return read == lines::LineRead::kLine && line.size() == 1 ? line[0] : console::kNoByte;
  }

 private:
  platform::PosixLineTerminal terminal_;
};

// A forked child, whose terminal another job holds, reads with a key typed:
// it must wait instead of ending, and read the key once the terminal is the
// child's again.
template <typename Reader>
int childReadingInTheBackground() {
  console_test::PseudoTerminal pty;
  if (!pty.ready()) return kNoControllingTerminal;
  pid_t child = ::fork();
  if (child == 0) {
    pid_t shell = sendToTheBackground(pty.program());
    if (shell < 0) ::_exit(kNoControllingTerminal);
    Reader readKey(pty.program());
    pty.type("k\n");
    bool ended = readKey(300u) == console::kEndOfInput;
    ::tcsetpgrp(pty.program(), ::getpgrp());
    int key = ended ? console::kEndOfInput : readKey(2000u);
    ::kill(shell, SIGKILL);
    ::_exit(ended ? kEndedWhileAway : key == 'k' ? kChildPassed : kKeyLostAfterComingBack);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(InputWait, TheFullScreenTerminalWaitsWhileAnotherJobHoldsTheTerminal) {
  EXPECT_EQ(childReadingInTheBackground<FullScreenReader>(), kChildPassed);
}

TEST(InputWait, TheLineTerminalWaitsWhileAnotherJobHoldsTheTerminal) {
  EXPECT_EQ(childReadingInTheBackground<LineReader>(), kChildPassed);
}

}  // namespace
