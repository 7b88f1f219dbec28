// The attribute word the Windows console screen gives a cell of the grid.
#include "platform/windows/console_attributes.h"

#include <gtest/gtest.h>

namespace {

using console::CellAttributes;
using console::consoleAttributeWord;
using console::Palette;

// The console's attribute bits (its header's FOREGROUND_BLUE and on).
constexpr uint16_t kForegroundBlue = 0x0001;
constexpr uint16_t kForegroundGreen = 0x0002;
constexpr uint16_t kForegroundRed = 0x0004;
constexpr uint16_t kForegroundIntensity = 0x0008;
constexpr uint16_t kBackgroundBlue = 0x0010;
constexpr uint16_t kBackgroundGreen = 0x0020;
constexpr uint16_t kBackgroundRed = 0x0040;

// Light grey on blue, with a bit above the colours that must stay.
constexpr uint16_t kPlain = kForegroundRed | kForegroundGreen | kForegroundBlue | kBackgroundBlue | 0x0100;

TEST(WindowsConsoleScreen, ReverseVideoSwapsTheColoursAndBoldBrightensTheForeground) {
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{}), kPlain);
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.reverse = true}),
            kBackgroundRed | kBackgroundGreen | kBackgroundBlue | kForegroundBlue | 0x0100);
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.bold = true}), kPlain | kForegroundIntensity);
  // SGR colour 31 (red) on the buffer's background.
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.colour = Palette::kRed}),
            kForegroundRed | kBackgroundBlue | 0x0100);
}

// Each palette colour replaces the foreground alone; the background and the
// bits above the colours stay as the buffer had them.
TEST(WindowsConsoleScreen, ThePaletteMapsToTheForegroundBitsAndIntensity) {
  struct Case {
    Palette colour;
    uint16_t foreground;
  };
  constexpr uint16_t kRgb = kForegroundRed | kForegroundGreen | kForegroundBlue;
  const Case cases[] = {{Palette::kBlack, 0},
                        {Palette::kGreen, kForegroundGreen},
                        {Palette::kYellow, kForegroundRed | kForegroundGreen},
                        {Palette::kBlue, kForegroundBlue},
                        {Palette::kMagenta, kForegroundRed | kForegroundBlue},
                        {Palette::kCyan, kForegroundGreen | kForegroundBlue},
                        {Palette::kWhite, kRgb},
                        {Palette::kBrightBlack, kForegroundIntensity},
                        {Palette::kBrightRed, kForegroundRed | kForegroundIntensity},
                        {Palette::kBrightYellow, kForegroundRed | kForegroundGreen | kForegroundIntensity},
                        {Palette::kBrightBlue, kForegroundBlue | kForegroundIntensity},
                        {Palette::kBrightWhite, kRgb | kForegroundIntensity}};
  for (const Case& c : cases) {
    EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.colour = c.colour}),
              c.foreground | kBackgroundBlue | 0x0100)
        << static_cast<int>(c.colour);
  }
}

TEST(WindowsConsoleScreen, BoldAndReverseVideoComeOnTopOfAColour) {
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.bold = true, .colour = Palette::kBlue}),
            kForegroundBlue | kForegroundIntensity | kBackgroundBlue | 0x0100);
  // The colour is the foreground that reverse video then swaps.
  EXPECT_EQ(consoleAttributeWord(kPlain, CellAttributes{.reverse = true, .colour = Palette::kYellow}),
            kBackgroundRed | kBackgroundGreen | kForegroundBlue | 0x0100);
}

}  // namespace
