#pragma once
// What makes a new game's code one nobody is likely to have had: the
// system's random source, mixed with the clock's finest ticks and the
// process, so two runs started in the same second differ too.

#include <cstdint>

namespace platform {

/// A number from the system's random source, the clock and the process,
/// not spread evenly: whoever uses it hashes it. Where the random source
/// cannot be read, the clock and the process alone.
uint64_t freshNumber();

}  // namespace platform
