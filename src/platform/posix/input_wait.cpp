#include "platform/posix/input_wait.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix/job_control.h"

namespace platform {
namespace {

// Long enough that a job waiting in the background costs nothing, short
// enough that it answers at once when brought back.
constexpr int kAwayPauseMs = 100;

}  // namespace

// A hang-up or error with nothing left to read ends the input only on a
// terminal the program holds: in the background the kernel may report one
// for a terminal that is still there.
InputState pollVerdict(int ready, int error, short inputEvents, short wakeEvents, bool terminalHeld) {
  if (ready < 0 && error == EINTR) return InputState::kNothingYet;
  if (ready < 0 && (error == EAGAIN || error == ENOMEM)) return InputState::kAway;  // short of memory for now
  if (ready < 0) return InputState::kEnded;
  if (ready == 0) return InputState::kNothingYet;
  if (inputEvents & POLLIN) return InputState::kReadable;
  if (inputEvents == 0) return wakeEvents != 0 ? InputState::kWoken : InputState::kNothingYet;
  if (inputEvents & POLLNVAL) return InputState::kEnded;
  return terminalHeld ? InputState::kEnded : InputState::kAway;
}

// A background read of a terminal fails with EIO where it cannot stop the
// program (SIGTTIN ignored, or no shell left to continue it).
InputState readVerdict(long got, int error, bool terminalHeld) {
  if (got == 0) return InputState::kEnded;  // end of file, or Ctrl-D typed on a line of its own
  if (error == EINTR || error == EAGAIN || error == EWOULDBLOCK) return InputState::kNothingYet;
  if (error == EIO && !terminalHeld) return InputState::kAway;
  return InputState::kEnded;
}

InputState afterFailedRead(int inputFd, long got, int error) {
  bool held = got < 0 && error == EIO ? holdsTerminal(inputFd) : true;
  return readVerdict(got, error, held);
}

void pauseWhileAway(int wakeFd, int timeoutMs) {
  pollfd wake{wakeFd, POLLIN, 0};
  int pause = timeoutMs < 0 ? kAwayPauseMs : std::min(timeoutMs, kAwayPauseMs);
  (void)::poll(&wake, wakeFd >= 0 ? 1 : 0, pause);
}

InputState waitForInput(int inputFd, int wakeFd, int timeoutMs) {
  pollfd watched[2] = {{inputFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
  int ready = ::poll(watched, wakeFd >= 0 ? 2 : 1, timeoutMs);
  int error = errno;
  // Asked only when it matters: a hang-up or error with nothing to read.
  bool troubled =
      ready > 0 && (watched[0].revents & POLLIN) == 0 && (watched[0].revents & (POLLHUP | POLLERR));
  bool held = !troubled || holdsTerminal(inputFd);
  InputState state = pollVerdict(ready, error, watched[0].revents, watched[1].revents, held);
  if (state != InputState::kAway) return state;
  pauseWhileAway(wakeFd, timeoutMs);
  return InputState::kNothingYet;
}

}  // namespace platform
