#pragma once
// The date where the player is, by the system's clock and time zone: the
// daily game and the records go by it.

#include <string>

namespace platform {

/// Today's local date as YYYY-MM-DD; empty if the system cannot tell.
std::string localDate();

}  // namespace platform
