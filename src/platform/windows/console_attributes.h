#pragma once
// How a cell of the screen grid looks on a Windows console: its attributes
// as the console's attribute word. A pure function of the two, so it is
// tested on every system.

#include <cstdint>

#include "console/screen_grid.h"

namespace console {

/// The console's attribute word for a cell, from the buffer's own (plain):
/// a colour replaces the foreground (the console's sixteen colours are the
/// palette's, the bright ones with the intensity bit), bold makes the
/// foreground intense, and reverse video then swaps foreground and
/// background. The background and the bits above the colours stay as found.
uint16_t consoleAttributeWord(uint16_t plain, CellAttributes attributes);

}  // namespace console
