#include "console/vt_presenter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using console::ScreenGrid;

// Shows grid through the presenter on a model terminal; returns the bytes.
std::string present(console::VtPresenter& presenter, ScreenGrid& terminal, const ScreenGrid& grid,
                    bool whole = false) {
  std::string bytes = presenter.update(grid, whole);
  terminal.write(bytes);
  return bytes;
}

TEST(VtPresenter, TheFirstUpdateClearsAndDrawsOnlyWhatIsNotBlank) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  grid.write("Menu\x1b[3;31HPlay");
  EXPECT_EQ(presenter.update(grid, false), "\x1b[H\x1b[2JMenu\x1b[3;31HPlay");
}

TEST(VtPresenter, LaterUpdatesSendOnlyChangedCellsAndNothingWhenNothingChanged) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("Time Left: 30\x1b[8;1Hpla");
  present(presenter, terminal, grid);
  grid.write("\x1b[1;12H29\x1b[8;4Hn");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[1;12H29\x1b[8;4Hn");
  EXPECT_EQ(present(presenter, terminal, grid), "");
  EXPECT_EQ(terminal.dump(), grid.dump());
}

// Nearby changes go out as one run rather than paying for a jump each.
TEST(VtPresenter, ShortGapsBetweenChangesAreSentAgainRatherThanJumpedOver) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("a b c d" + std::string(30, ' ') + "far");
  present(presenter, terminal, grid);
  grid.write("\x1b[1;1HA B C D" + std::string(30, ' ') + "FAR");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[1;1HA B C D\x1b[1;38HFAR");
  EXPECT_EQ(terminal.dump(), grid.dump());
}

TEST(VtPresenter, AWholeUpdateAfterAMessageDrawsTheScreenAgain) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[24;1H" + std::string(80, '-'));
  present(presenter, terminal, grid);
  terminal.write(presenter.message("Too small"));
  EXPECT_EQ(terminal.row(0), "Too small");
  EXPECT_EQ(present(presenter, terminal, grid).substr(0, 7), "\x1b[H\x1b[2J");
  EXPECT_EQ(terminal.dump(), grid.dump());
  EXPECT_EQ(terminal.scrolls(), 0);
}

// An attribute goes out where it changes and is reset before the cursor
// leaves the run, so the terminal is plain between updates.
TEST(VtPresenter, AttributesAreSentWhereTheyChangeAndResetBeforeAJump) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("ab\x1b[7mcd\x1b[0mef\x1b[3;1H\x1b[7mx");
  EXPECT_EQ(present(presenter, terminal, grid),
            "\x1b[H\x1b[2Jab\x1b[0;7mcd\x1b[0mef\x1b[3;1H\x1b[0;7mx\x1b[0m");
  EXPECT_TRUE(terminal.attributes(2, 0).reverse);
  EXPECT_TRUE(terminal.attributes(4, 0).plain());
  // Only the attribute changed: the cell goes again, plain.
  grid.write("\x1b[0m\x1b[3;1Hx");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[3;1Hx");
  // A whole repaint (after a resize or a stop) keeps the attributes.
  grid.write("\x1b[7m\x1b[3;1Hx\x1b[0m");
  present(presenter, terminal, grid, true);
  EXPECT_TRUE(terminal.attributes(0, 2).reverse);
  EXPECT_EQ(terminal.dump(), grid.dump());
}

TEST(VtPresenter, ADumbTerminalGetsNoAttributes) {
  console::VtPresenter presenter(false);
  ScreenGrid grid;
  grid.write("a\x1b[7mb\x1b[0m");
  EXPECT_EQ(presenter.update(grid, false), "\x1b[H\x1b[2Jab");
}

// A run of cells in one colour costs one SGR sequence; the next colour
// goes where it begins, and the terminal is reset before the cursor jumps,
// so no colour reaches the cells the jump passes over or an erase blanks.
TEST(VtPresenter, ColoursAreSentOnlyWhereTheyChange) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[34mtaken\x1b[1;33mno\x1b[0m.\x1b[5;10H\x1b[36mx");
  EXPECT_EQ(present(presenter, terminal, grid),
            "\x1b[H\x1b[2J\x1b[0;34mtaken\x1b[0;1;33mno\x1b[0m.\x1b[5;10H\x1b[0;36mx\x1b[0m");
  EXPECT_EQ(terminal.attributes(4, 0).colour, console::Palette::kBlue);
  EXPECT_TRUE(terminal.attributes(7, 0).plain());
  EXPECT_TRUE(terminal.attributes(8, 4).plain());
  // Only a colour changed: that cell goes again, alone, in its new colour.
  grid.write("\x1b[1;3H\x1b[35mk");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[1;3H\x1b[0;35mk\x1b[0m");
  EXPECT_EQ(terminal.dump(), grid.dump());
  EXPECT_EQ(terminal.attributes(2, 0).colour, console::Palette::kMagenta);
}

// A cell written in the terminal's own colour after a coloured one must
// not inherit it, at the same place or after a jump.
TEST(VtPresenter, AColourIsResetBeforeEveryJump) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[31mab\x1b[0m\x1b[1;30Hc\x1b[2;1H\x1b[32md");
  const std::string bytes = present(presenter, terminal, grid);
  EXPECT_EQ(bytes, "\x1b[H\x1b[2J\x1b[0;31mab\x1b[0m\x1b[1;30Hc\x1b[2;1H\x1b[0;32md\x1b[0m");
  for (int x = 0; x < ScreenGrid::kColumns; ++x) {
    EXPECT_EQ(terminal.attributes(x, 0), grid.attributes(x, 0)) << x;
  }
}

TEST(VtPresenter, ADumbTerminalGetsNoColour) {
  console::VtPresenter presenter(false);
  ScreenGrid grid;
  grid.write("a\x1b[1;34mb\x1b[93mc\x1b[0m");
  EXPECT_EQ(presenter.update(grid, false), "\x1b[H\x1b[2Jabc");
}

}  // namespace
