#pragma once
// Waiting for input on a descriptor that may be a terminal shared with a
// shell's other jobs. While another job holds the terminal (the program was
// stopped or sent to the background and the shell took it back), the kernel
// may answer a read with an error, or a poll with a hang-up: that is no end
// of the input, only a pause, waited out without spinning until the
// terminal is the program's again. A hang-up or error of a terminal the
// program holds, the end of a pipe or a file, or a closed descriptor is the
// end of the input for good.

namespace platform {

enum class InputState {
  kReadable,    ///< input is there to read
  kNothingYet,  ///< the time ran out, or a signal cut the wait short
  kWoken,       ///< the wake descriptor became readable
  kAway,        ///< another job holds the terminal: wait a while, then try again
  kEnded,       ///< the input is over for good
};

/// What a poll of the input (events in inputEvents) and of a wake
/// descriptor (wakeEvents) means; ready and error as poll gave them.
InputState pollVerdict(int ready, int error, short inputEvents, short wakeEvents, bool terminalHeld);

/// What a read of the input that gave no byte means: got is what read
/// returned (0 or less), error its errno.
InputState readVerdict(long got, int error, bool terminalHeld);

/// readVerdict for a read of inputFd that just failed, asking whether the
/// terminal is held only when that matters.
InputState afterFailedRead(int inputFd, long got, int error);

/// Waits at most timeoutMs (-1: no limit) for input on inputFd, or for
/// wakeFd (-1: none) to become readable; the wake descriptor is only
/// watched, never read. While the terminal is away it pauses a little and
/// answers kNothingYet, so that callers' loops neither end nor spin.
InputState waitForInput(int inputFd, int wakeFd, int timeoutMs);

/// The pause for kAway: at most timeoutMs (-1: no limit) and a tenth of a
/// second, shorter if wakeFd becomes readable.
void pauseWhileAway(int wakeFd, int timeoutMs);

}  // namespace platform
