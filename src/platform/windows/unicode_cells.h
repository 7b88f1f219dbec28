#pragma once
// Which bar cells a Windows output shows. Pure, so it is tested without a
// console.

#include "console/terminal.h"

namespace platform {

using console::UnicodeCells;

/// A console takes UTF-16 and shows the filled square in one cell, except
/// under the code pages of Chinese, Japanese and Korean, whose fonts draw it
/// two cells wide; a pipe or a file gets UTF-8, the square included. The
/// locale variables play no part: under Wine, Git Bash and MSYS2 they name
/// UTF-8 whatever the console's code page is.
UnicodeCells windowsUnicodeCells(bool outputIsConsole, unsigned consoleCodePage);

}  // namespace platform
