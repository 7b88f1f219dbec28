#pragma once
// What a terminal shows, for tests: the console's own screen grid, fed with
// the bytes a terminal would receive. It understands what the program and
// the presenter send (cursor positioning, erasing, line ends, backspaces,
// UTF-8 characters, the deferred wrap at the right edge), so tests assert
// on whole rows as a player would see them.

#include "console/screen_grid.h"

namespace support {

using ScreenModel = console::ScreenGrid;

}  // namespace support
