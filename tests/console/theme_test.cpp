// The theme's rules: what must differ, and what no role may use.
#include "console/theme.h"

#include <gtest/gtest.h>

namespace {

using console::colourOf;
using console::Palette;
using console::Role;

bool redOrGreen(Palette colour) {
  return colour == Palette::kRed || colour == Palette::kGreen || colour == Palette::kBrightRed ||
         colour == Palette::kBrightGreen;
}

// Taken and refused words must stay apart for a player who cannot tell red
// from green, and the review's found and missed words likewise.
TEST(Theme, VerdictsDifferWithoutRedAgainstGreen) {
  for (auto [yes, no] : {std::pair{Role::kWordTaken, Role::kWordRefused},
                         std::pair{Role::kReviewFound, Role::kReviewMissed}}) {
    EXPECT_NE(colourOf(yes).foreground, colourOf(no).foreground);
    EXPECT_FALSE(redOrGreen(colourOf(yes).foreground));
    EXPECT_FALSE(redOrGreen(colourOf(no).foreground));
  }
  EXPECT_EQ(colourOf(Role::kWordTaken).foreground, Palette::kBlue);
  EXPECT_EQ(colourOf(Role::kWordRefused).foreground, Palette::kYellow);
}

TEST(Theme, TheLastSecondsAndTheBarsStandOut) {
  EXPECT_NE(colourOf(Role::kTimeRunningOut), colourOf(Role::kTimeLeft));
  EXPECT_NE(colourOf(Role::kBarLow), colourOf(Role::kBarMiddle));
  EXPECT_NE(colourOf(Role::kBarMiddle), colourOf(Role::kBarHigh));
  EXPECT_NE(colourOf(Role::kBarLow), colourOf(Role::kBarHigh));
}

// White vanishes on a light background and black on a dark one; the
// player's background is not known.
TEST(Theme, NoRoleIsWhiteOrBlack) {
  for (const console::ThemeEntry& entry : console::kTheme) {
    const Palette colour = entry.colour.foreground;
    EXPECT_TRUE(colour != Palette::kWhite && colour != Palette::kBrightWhite && colour != Palette::kBlack &&
                colour != Palette::kBrightBlack)
        << static_cast<int>(entry.role);
  }
}

}  // namespace
