#include "platform/posix/terminal_guard.h"

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cerrno>
#include <iterator>

#include "platform/posix/fd_output.h"
#include "platform/posix/job_control.h"

namespace platform {
namespace {

constexpr char kEnterFullScreen[] = "\x1b[?1049h\x1b[?25l";  // alternate screen, cursor hidden
constexpr char kLeaveFullScreen[] = "\x1b[?25h\x1b[?1049l";  // cursor shown, main screen back
constexpr char kShowCursor[] = "\x1b[?25h";
constexpr char kPlainPen[] = "\x1b[m";

void onEndingSignal(int number);
void onStopSignal(int number);
void onContinueSignal(int signal);
void onWindowChangeSignal(int signal);

struct HandledSignal {
  int number;
  void (*handler)(int);
};

constexpr HandledSignal kHandledSignals[] = {
    {SIGINT, onEndingSignal},  {SIGTERM, onEndingSignal},   {SIGHUP, onEndingSignal},
    {SIGQUIT, onEndingSignal}, {SIGSEGV, onEndingSignal},   {SIGABRT, onEndingSignal},
    {SIGBUS, onEndingSignal},  {SIGFPE, onEndingSignal},    {SIGILL, onEndingSignal},
    {SIGTSTP, onStopSignal},   {SIGCONT, onContinueSignal}, {SIGWINCH, onWindowChangeSignal},
};
constexpr size_t kHandledCount = std::size(kHandledSignals);

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the signal handlers share these flags with the program");

// Everything the signal handlers need, set up before they can run. The
// termios records are only written while the handled signals are blocked.
struct GuardState {
  bool active = false;
  int inputFd = -1;
  int outputFd = -1;
  bool inputIsTerminal = false;
  bool outputIsTerminal = false;
  termios foundModes{};
  termios rawModes{};
  std::atomic<bool> rawWanted{false};
  std::atomic<bool> fullScreenWanted{false};
  std::atomic<bool> windowChanged{false};
  // A pipe the handlers write a byte to when the window changed, so a wait
  // for input wakes even when the signal came just before it began.
  int wakeReadFd = -1;
  int wakeWriteFd = -1;
  std::atomic<int> continues{0};
  // Set by every continue, taken by the program: line output may need its
  // last line shown again, as the shell wrote below it while stopped.
  std::atomic<bool> continued{false};
  // Written once the terminal is put back for good; changed only while the
  // handled signals are blocked.
  char closingText[TerminalGuard::kClosingTextCapacity]{};
  size_t closingLength = 0;
  // Whether the last byte written to the output ended a line.
  std::atomic<bool> outputAtLineStart{true};
  // Whether the output draws with an attribute the program set.
  std::atomic<bool> penSet{false};
  struct sigaction previousActions[kHandledCount] {};
  bool replaced[kHandledCount]{};
};

GuardState state;

// A crash from a stack overflow leaves no stack to run the handler on.
char alternateStack[1 << 16];

// The modes for reading single keys, kept otherwise as found.
termios rawModesFrom(termios modes) {
  // No echo; bytes available at once, not after Enter; Ctrl-V taken literally.
  // ISIG stays, so Ctrl-C and Ctrl-Z still act.
  modes.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | IEXTEN);
  // Enter arrives as the 13 it sends; Ctrl-S and Ctrl-Q are keys, not flow
  // control that would freeze the output; all eight bits of a byte are kept.
  modes.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IGNCR | IXON | ISTRIP);
  // A read waits for one byte and no longer. Output processing is left on,
  // so a newline still starts the next row at its first column.
  modes.c_cc[VMIN] = 1;
  modes.c_cc[VTIME] = 0;
  return modes;
}

void setInputModes(const termios& modes) {
  while (::tcsetattr(state.inputFd, TCSANOW, &modes) != 0 && errno == EINTR) {
  }
}

// Safe in a signal handler. A shell that has taken the terminal back has
// set modes of its own, which a late handler must not spoil. The handlers
// block SIGTTOU, so a call made just as the shell takes over cannot stop
// the program.
void setInputModesIfForeground(const termios& modes) {
  if (holdsTerminal(state.inputFd)) setInputModes(modes);
}

void writeSequence(const char* sequence, size_t length) { writeFully(state.outputFd, sequence, length); }

// Safe in a signal handler: only write().
void noteWindowChange() {
  int savedErrno = errno;
  state.windowChanged = true;
  char wake = 1;
  if (state.wakeWriteFd >= 0) (void)!::write(state.wakeWriteFd, &wake, 1);  // a full pipe already wakes
  errno = savedErrno;
}

void drainWakePipe() {
  char drained[64];
  while (state.wakeReadFd >= 0 && ::read(state.wakeReadFd, drained, sizeof drained) > 0) {
  }
}

void openWakePipe() {
  int ends[2];
  if (::pipe(ends) != 0) return;  // without it a wait wakes on the signal alone
  for (int end : ends) {
    ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    ::fcntl(end, F_SETFD, FD_CLOEXEC);
  }
  state.wakeReadFd = ends[0];
  state.wakeWriteFd = ends[1];
}

void closeWakePipe() {
  if (state.wakeReadFd < 0) return;
  ::close(state.wakeReadFd);
  ::close(state.wakeWriteFd);
  state.wakeReadFd = state.wakeWriteFd = -1;
}

// Safe in a signal handler: only write(). Into a pipe too, as colour may
// have been asked for there.
void putPenBack() {
  if (state.penSet.exchange(false)) writeSequence(kPlainPen, sizeof kPlainPen - 1);
}

// Safe in a signal handler: only write() and tcsetattr().
void putTerminalBack() {
  int savedErrno = errno;
  putPenBack();
  if (state.fullScreenWanted) writeSequence(kLeaveFullScreen, sizeof kLeaveFullScreen - 1);
  if (state.rawWanted) setInputModesIfForeground(state.foundModes);
  errno = savedErrno;
}

// Safe in a signal handler, like putTerminalBack. A job run by a script
// stops with the script, which stops at once: the shell may see the job
// stop, take the terminal and write its prompt at any moment of this
// handler, even between a look at the foreground and the write after it.
// The prompt is then on the program's screen, and leaving that screen would
// take it along: started within another program's job, the program leaves
// its screen up, with the cursor shown for the shell, and leaves it at the
// end of the run or when a signal ends it. A program that is a job of its
// own stops before its shell can see the job stop, and leaves its screen.
void putTerminalBackForStop() {
  int savedErrno = errno;
  putPenBack();
  if (state.fullScreenWanted) {
    bool leave = screenAtStop(holdsTerminal(state.outputFd), parentSharesTheJob()) == ScreenAtStop::kLeave;
    if (leave) writeSequence(kLeaveFullScreen, sizeof kLeaveFullScreen - 1);
    if (!leave) writeSequence(kShowCursor, sizeof kShowCursor - 1);
  }
  if (state.rawWanted) setInputModesIfForeground(state.foundModes);
  errno = savedErrno;
}

// Safe in a signal handler: only write(). The text is taken before it is
// written, so a second way out finds none left.
void writeClosingText() {
  size_t length = state.closingLength;
  state.closingLength = 0;
  if (length == 0) return;
  int savedErrno = errno;
  if (!state.outputIsTerminal && !state.outputAtLineStart) writeSequence("\n", 1);
  writeSequence(state.closingText, length);
  errno = savedErrno;
}

// Safe in a signal handler, like putTerminalBack. The change noted wakes a
// wait for a key, so what the stop hid is shown again at once: the full
// screen, or the line the program waits at.
void takeTerminalAgain() {
  int savedErrno = errno;
  if (state.rawWanted) setInputModesIfForeground(state.rawModes);
  if (state.fullScreenWanted) writeSequence(kEnterFullScreen, sizeof kEnterFullScreen - 1);
  if (state.outputIsTerminal) state.continued = true;
  noteWindowChange();
  errno = savedErrno;
}

sigset_t handledSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (const HandledSignal& handled : kHandledSignals) sigaddset(&set, handled.number);
  return set;
}

void setAction(int number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  // One handler at a time, except that a continue must reach a stop handler
  // while it waits. SA_RESTART: a read, a write, an open or a lock that a
  // resize or a continue interrupts goes on as if nothing had happened. The
  // key wait still wakes, as poll is never restarted and the wake pipe
  // becomes readable.
  action.sa_mask = handledSignalSet();
  sigdelset(&action.sa_mask, SIGCONT);
  sigaddset(&action.sa_mask, SIGTTOU);
  action.sa_flags = SA_ONSTACK | SA_RESTART;
  ::sigaction(number, &action, nullptr);
}

// Lets the signal have its default effect (end or stop the program), as if
// it had never been caught, so a parent sees what really happened.
void actAsDefault(int number) {
  setAction(number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, number);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(number);
}

void onEndingSignal(int number) {
  putTerminalBack();
  writeClosingText();
  actAsDefault(number);
}

void setSignalMask(int how, int number) {
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, number);
  ::sigprocmask(how, &only, nullptr);
}

// Stops the program unless a continue has come since continuesBefore was
// read; false when one had. A shell may continue the program as soon as it
// sees the job stop, before the handler got this far, and a stop after that
// continue would last for good. So the stop is first made pending while the
// handler still blocks it: a continue from then on discards it, and one
// before then has been counted by now (the continue handler is never
// blocked). Either way the stop is over and the program goes on.
bool stopUnlessContinuedSince(int number, int continuesBefore) {
  setAction(number, SIG_DFL);
  ::raise(number);
  if (state.continues != continuesBefore) {
    setAction(number, SIG_IGN);  // discards the pending stop
    return false;
  }
  setSignalMask(SIG_UNBLOCK, number);  // the program stops here
  setSignalMask(SIG_BLOCK, number);
  return true;
}

// The stop began when this handler was entered: continues are counted from
// there.
void onStopSignal(int number) {
  int continuesBefore = state.continues;
  putTerminalBackForStop();
  bool stopReached = stopUnlessContinuedSince(number, continuesBefore);
  setAction(number, onStopSignal);
  // A continue that came early may have taken the terminal before this
  // handler put it back; without any continue the stop was refused (no
  // shell to continue us). Either way the terminal is taken again here.
  if (!stopReached || state.continues == continuesBefore) takeTerminalAgain();
}

void onContinueSignal(int) {
  state.continues.fetch_add(1);
  takeTerminalAgain();
}

void onWindowChangeSignal(int) { noteWindowChange(); }

void useAlternateStackIfNone() {
  stack_t current{};
  if (::sigaltstack(nullptr, &current) != 0 || !(current.ss_flags & SS_DISABLE)) return;
  stack_t ours{};
  ours.ss_sp = alternateStack;
  ours.ss_size = sizeof alternateStack;
  ::sigaltstack(&ours, nullptr);
}

// Signals the user's shell had ignored stay ignored.
void installHandlers() {
  useAlternateStackIfNone();
  for (size_t i = 0; i < kHandledCount; ++i) {
    ::sigaction(kHandledSignals[i].number, nullptr, &state.previousActions[i]);
    state.replaced[i] = state.previousActions[i].sa_handler != SIG_IGN;
    if (state.replaced[i]) setAction(kHandledSignals[i].number, kHandledSignals[i].handler);
  }
}

void uninstallHandlers() {
  for (size_t i = 0; i < kHandledCount; ++i) {
    if (state.replaced[i]) ::sigaction(kHandledSignals[i].number, &state.previousActions[i], nullptr);
    state.replaced[i] = false;
  }
}

// Keeps the handlers out while the program changes what they act on.
class HandledSignalsBlocked {
 public:
  HandledSignalsBlocked() {
    sigset_t handled = handledSignalSet();
    ::sigprocmask(SIG_BLOCK, &handled, &previousMask_);
  }
  ~HandledSignalsBlocked() { ::sigprocmask(SIG_SETMASK, &previousMask_, nullptr); }
  HandledSignalsBlocked(const HandledSignalsBlocked&) = delete;
  HandledSignalsBlocked& operator=(const HandledSignalsBlocked&) = delete;

 private:
  sigset_t previousMask_;
};

}  // namespace

TerminalGuard::TerminalGuard(int inputFd, int outputFd) {
  assert(!state.active && "one terminal guard at a time");
  HandledSignalsBlocked blocked;
  state.active = true;
  state.inputFd = inputFd;
  state.outputFd = outputFd;
  state.inputIsTerminal = ::isatty(inputFd) != 0 && ::tcgetattr(inputFd, &state.foundModes) == 0;
  state.outputIsTerminal = ::isatty(outputFd) != 0;
  state.rawModes = rawModesFrom(state.foundModes);
  state.closingLength = 0;
  state.outputAtLineStart = true;
  // Output to a closed pipe must end quietly, not kill the program; this
  // stays so for the rest of the run, as late flushes may still write.
  ::signal(SIGPIPE, SIG_IGN);
  openWakePipe();
  installHandlers();
}

TerminalGuard::~TerminalGuard() {
  restore();
  HandledSignalsBlocked blocked;
  uninstallHandlers();
  closeWakePipe();
  state.active = false;
}

bool TerminalGuard::outputIsTerminal() const { return state.outputIsTerminal; }

void TerminalGuard::enterRawMode() {
  if (!state.inputIsTerminal || state.rawWanted) return;
  HandledSignalsBlocked blocked;
  state.rawWanted = true;
  // TCSANOW, never a flush: keys typed ahead are read later, in order.
  setInputModes(state.rawModes);
}

void TerminalGuard::enterFullScreen() {
  if (!state.outputIsTerminal || state.fullScreenWanted) return;
  HandledSignalsBlocked blocked;
  state.fullScreenWanted = true;
  writeSequence(kEnterFullScreen, sizeof kEnterFullScreen - 1);
}

void TerminalGuard::restore() {
  HandledSignalsBlocked blocked;
  putTerminalBack();
  state.rawWanted = false;
  state.fullScreenWanted = false;
  writeClosingText();
}

void TerminalGuard::setClosingText(std::string_view text) {
  HandledSignalsBlocked blocked;
  state.closingLength = std::min(text.size(), kClosingTextCapacity);
  std::copy_n(text.data(), state.closingLength, state.closingText);
}

void TerminalGuard::noteOutput(std::string_view bytes) {
  if (!bytes.empty()) state.outputAtLineStart = bytes.back() == '\n';
}

void TerminalGuard::notePenSet(bool set) { state.penSet = set; }

// The flag is taken before the pipe is drained: a change noted in between
// leaves the flag set, so it is never lost, and the pipe never stays
// readable with no change pending, which would make a wait spin.
bool TerminalGuard::takeWindowChange() {
  bool changed = state.windowChanged.exchange(false);
  drainWakePipe();
  return changed;
}

bool TerminalGuard::windowChangePending() const { return state.windowChanged; }

bool TerminalGuard::takeContinue() { return state.continued.exchange(false); }

int TerminalGuard::wakeFd() const { return state.wakeReadFd; }

}  // namespace platform
