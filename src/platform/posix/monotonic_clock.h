#pragma once
// The milliseconds of a clock that only goes forward, for the terminals'
// waits: a change of the wall clock never cuts a wait short or stretches it.

#include <cstdint>

namespace platform {

/// Milliseconds since some fixed moment; wraps after 49 days, so only
/// differences between two readings mean anything (and they stay right).
uint32_t monotonicMs();

}  // namespace platform
