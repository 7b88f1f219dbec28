#pragma once
// The real terminal of the platform the program is built for, chosen by the
// build: the POSIX terminal or the Windows console.

#include <memory>

#include "console/terminal.h"

namespace console {

/// Standard input and output as the program's terminal, taken over until
/// the returned terminal is destroyed (or the program calls std::exit).
std::unique_ptr<Terminal> makePlatformTerminal();

}  // namespace console
