#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "console/theme.h"
#include "stats/locale_scope.h"
#include "stats/statistics_viewer.h"
#include "support/fake_terminal.h"

namespace {

using stats_test::LocaleScope;
using std::nullopt;

const std::string kSquare = "\u25a0";

// filled cells of square, then the empty cells with a tick at 10, 20 and 30.
std::string expectedBar(int filled) {
  std::string bar;
  for (int cell = 0; cell < 40; ++cell) {
    if (cell < filled) {
      bar += kSquare;
    } else {
      bar += cell % 10 == 0 ? '|' : ' ';
    }
  }
  return bar;
}

std::string barOf(float ratio) {
  support::FakeTerminal terminal;
  stats::drawBucketBar(ratio, kSquare);
  return terminal.output();
}

TEST(BucketBar, FillsCellsUpToRatioTimesFortyInSinglePrecision) {
  struct Case {
    uint32_t count;
    uint32_t maxCount;
    int filled;
  };
  const std::vector<Case> cases = {{0, 1, 1},  {1, 1, 40}, {7, 10, 28},  {3, 10, 13},
                                   {1, 4, 11}, {1, 40, 2}, {39, 40, 40}, {2, 3, 27}};
  for (const Case& c : cases) {
    const float ratio = static_cast<float>(c.count) / static_cast<float>(c.maxCount);
    EXPECT_EQ(barOf(ratio), expectedBar(c.filled)) << c.count << " of " << c.maxCount;
  }
}

TEST(BucketBar, FilledCellFollowsTheLocale) {
  struct Case {
    std::optional<std::string> lcAll, lcCtype, lang;
    std::string cell;
  };
  const std::vector<Case> cases = {
      {nullopt, nullopt, "en_US.UTF-8", kSquare},
      {nullopt, "C.utf8", "C", kSquare},
      {"de_DE.Utf-8", "C", "C", kSquare},
      {"C", "en_US.UTF-8", "en_US.UTF-8", "#"},
      {"", "", "en_GB.UTF-8", kSquare},
      {nullopt, "POSIX", "en_US.UTF-8", "#"},
      {nullopt, nullopt, "en_US.ISO-8859-1", "#"},
      {nullopt, nullopt, nullopt, "#"},
  };
  for (const Case& c : cases) {
    LocaleScope locale(c.lcAll, c.lcCtype, c.lang);
    EXPECT_EQ(stats::filledBarCell(), c.cell)
        << c.lcAll.value_or("-") << " " << c.lcCtype.value_or("-") << " " << c.lang.value_or("-");
  }
}

TEST(BucketBar, AWindowThatTakesUnicodeShowsTheSquareWhateverTheLocale) {
  LocaleScope locale("C", nullopt, nullopt);
  support::FakeTerminal terminal;
  EXPECT_EQ(stats::filledBarCell(), "#");
  terminal.windowCells = console::UnicodeCells::kShown;
  EXPECT_EQ(stats::filledBarCell(), kSquare);
}

TEST(BucketBar, AWindowKnownNotToShowTheSquareGetsTheHashWhateverTheLocale) {
  LocaleScope locale(nullopt, nullopt, "en_US.UTF-8");
  support::FakeTerminal terminal;
  EXPECT_EQ(stats::filledBarCell(), kSquare);
  terminal.windowCells = console::UnicodeCells::kNotShown;
  EXPECT_EQ(stats::filledBarCell(), "#");
}

TEST(BucketBar, OneArgumentFormUsesTheLocaleCell) {
  LocaleScope locale(nullopt, nullopt, "C");
  support::FakeTerminal terminal;
  stats::drawBucketBar(0.5f);
  EXPECT_EQ(terminal.output(), std::string(21, '#') + "         |         ");
}

}  // namespace

namespace {

// The bar drawn on the full screen at the top left, with colour on or off.
const support::ScreenModel& barOnScreen(support::FakeTerminal& terminal, float ratio, bool colour) {
  console::clearScreen();
  console::setColourShown(colour);
  stats::drawBucketBar(ratio, "#");
  console::flushOutput();
  return terminal.screen();
}

// The filled cells take the colour of how full the bucket is; the ticks
// and blanks after them stay plain.
TEST(BucketBar, FilledCellsAreInTheColourOfTheirFullness) {
  support::FakeTerminal terminal;
  const support::ScreenModel& screen = barOnScreen(terminal, 0.5F, true);
  const console::Palette middle = console::colourOf(console::Role::kBarMiddle).foreground;
  EXPECT_EQ(screen.row(0), std::string(21, '#') + std::string(9, ' ') + "|");
  for (int x = 0; x < 21; ++x) EXPECT_EQ(screen.attributes(x, 0).colour, middle) << x;
  for (int x = 21; x < 40; ++x) EXPECT_TRUE(screen.attributes(x, 0).plain()) << x;
}

TEST(BucketBar, WithColourOffTheSameCharactersAndNoSequence) {
  support::FakeTerminal coloured;
  const std::string colouredRow = barOnScreen(coloured, 0.9F, true).row(0);
  support::FakeTerminal plain;
  const size_t before = plain.drawn().size();
  const std::string plainRow = barOnScreen(plain, 0.9F, false).row(0);
  EXPECT_EQ(plainRow, colouredRow);
  const std::string drawn = plain.drawn().substr(before);
  EXPECT_EQ(drawn.find("\x1b[0;3"), std::string::npos) << drawn;
  EXPECT_TRUE(plain.screen().attributes(0, 0).plain());
}

TEST(BucketBar, RolesByThirdsOfTheFullest) {
  EXPECT_EQ(stats::barRole(0.0F), console::Role::kBarLow);
  EXPECT_EQ(stats::barRole(1.0F / 3), console::Role::kBarLow);
  EXPECT_EQ(stats::barRole(0.34F), console::Role::kBarMiddle);
  EXPECT_EQ(stats::barRole(2.0F / 3), console::Role::kBarMiddle);
  EXPECT_EQ(stats::barRole(0.67F), console::Role::kBarHigh);
  EXPECT_EQ(stats::barRole(1.0F), console::Role::kBarHigh);
}

}  // namespace
