#pragma once
// Where the program stands among a shell's jobs on its terminal. Both calls
// are safe in a signal handler.

namespace platform {

/// False while another process group is the foreground of the terminal fd:
/// the program was stopped or sent to the background, and a shell took the
/// terminal. A descriptor that is not the program's controlling terminal (a
/// pipe, a file, a terminal hung up) has no foreground to respect: true.
bool holdsTerminal(int fd);

/// True when the program's parent is in its process group: a script or
/// another program started it within one job. The shell waits for that
/// parent, which stops at once on Ctrl-Z, so the shell may take the terminal
/// back and write to it at any moment of the program's own stop.
bool parentSharesTheJob();

/// True when fd is the controlling terminal with the program's group in
/// front, and the parent shares that job: the shell may then write on the
/// terminal while the program's screen is up. A terminal that is not the
/// program's controlling one (a test's own) never is shared so.
bool sharesTheTerminalWithItsParent(int fd);

enum class ScreenAtStop { kLeave, kKeepWithCursorShown };

/// What a stop does to the full screen. Leaving it is safe only when no shell
/// can have written on it yet: the program holds the terminal and the shell
/// waits for the program itself. With a parent in the job, a check of the
/// foreground followed by the leave would race the shell's "Stopped" line
/// and prompt, and the leave would wipe them if they came in between.
ScreenAtStop screenAtStop(bool terminalHeld, bool parentInJob);

}  // namespace platform
