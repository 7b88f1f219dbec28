// The attribute word the Windows console screen gives a cell of the grid.
#include "platform/windows/console_screen.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using console::CellAttributes;
using platform::consoleAttributeWord;

// Light grey on blue, with a bit above the colours that must stay.
constexpr uint16_t kPlain = FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE | BACKGROUND_BLUE | 0x0100;

TEST(WindowsConsoleScreen, ReverseVideoSwapsTheColoursAndBoldBrightensTheForeground) {
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{}), kPlain);
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.reverse = true}),
            BACKGROUND_RED | BACKGROUND_GREEN | BACKGROUND_BLUE | FOREGROUND_BLUE | 0x0100);
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.bold = true}), kPlain | FOREGROUND_INTENSITY);
  // SGR colour 31 (red) on the buffer's background.
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.colour = 2}),
            FOREGROUND_RED | BACKGROUND_BLUE | 0x0100);
}

}  // namespace
