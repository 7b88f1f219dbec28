#include "platform/posix/job_control.h"

#include <unistd.h>

namespace platform {

bool holdsTerminal(int fd) {
  pid_t foreground = ::tcgetpgrp(fd);
  return foreground < 0 || foreground == ::getpgrp();
}

bool parentSharesTheJob() { return ::getpgid(::getppid()) == ::getpgrp(); }

bool sharesTheTerminalWithItsParent(int fd) { return ::tcgetpgrp(fd) == ::getpgrp() && parentSharesTheJob(); }

ScreenAtStop screenAtStop(bool terminalHeld, bool parentInJob) {
  return terminalHeld && !parentInJob ? ScreenAtStop::kLeave : ScreenAtStop::kKeepWithCursorShown;
}

}  // namespace platform
