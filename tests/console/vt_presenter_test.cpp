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
  // The letter at the cursor goes first, saving a jump there.
  EXPECT_EQ(present(presenter, terminal, grid), "n\x1b[1;12H29");
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

// An attribute goes out where it changes, as the shortest change from what
// the terminal draws with, which it keeps across a jump: every cell sent
// goes with its own attributes, so a jump carries nothing.
TEST(VtPresenter, AttributesAreSentWhereTheyChange) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("ab\x1b[7mcd\x1b[0mef\x1b[3;1H\x1b[7mx");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[H\x1b[2Jab\x1b[7mcd\x1b[mef\x1b[3;1H\x1b[7mx");
  EXPECT_TRUE(terminal.attributes(2, 0).reverse);
  EXPECT_TRUE(terminal.attributes(4, 0).plain());
  // Only the attribute changed: the cell goes again, plain.
  grid.write("\x1b[0m\x1b[3;1Hx");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[3;1H\x1b[mx");
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

// A run of cells in one colour costs one SGR sequence, and the next colour
// goes where it begins.
TEST(VtPresenter, ColoursAreSentOnlyWhereTheyChange) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[34mtaken\x1b[1;33mno\x1b[0m.\x1b[5;10H\x1b[36mx");
  EXPECT_EQ(present(presenter, terminal, grid),
            "\x1b[H\x1b[2J\x1b[34mtaken\x1b[1;33mno\x1b[m.\x1b[5;10H\x1b[36mx");
  EXPECT_EQ(terminal.attributes(4, 0).colour, console::Palette::kBlue);
  EXPECT_TRUE(terminal.attributes(7, 0).plain());
  EXPECT_TRUE(terminal.attributes(8, 4).plain());
  // Only a colour changed: that cell goes again, alone, in its new colour.
  grid.write("\x1b[1;3H\x1b[35mk");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[1;3H\x1b[35mk");
  EXPECT_EQ(terminal.dump(), grid.dump());
  EXPECT_EQ(terminal.attributes(2, 0).colour, console::Palette::kMagenta);
}

// A cell in the terminal's own colour after a coloured one, at the same
// place or after a jump, in this update or the next, never takes it on.
TEST(VtPresenter, APlainCellNeverTakesOnTheColourBeforeIt) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[31mab\x1b[0m\x1b[1;30Hc\x1b[2;1H\x1b[32md");
  EXPECT_EQ(present(presenter, terminal, grid),
            "\x1b[H\x1b[2J\x1b[1;30Hc\x1b[1;1H\x1b[31mab\x1b[2;1H\x1b[32md");
  grid.write("\x1b[0m\x1b[4;1He");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[4;1H\x1b[me");
  EXPECT_EQ(terminal.dump(), grid.dump());
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < ScreenGrid::kColumns; ++x)
      EXPECT_EQ(terminal.attributes(x, y), grid.attributes(x, y)) << x;
  }
}

// Runs go out grouped by the look they start with, so the pen changes once
// per look, not once per run, whatever their order on the screen.
TEST(VtPresenter, RunsInOneLookGoOutTogether) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  present(presenter, terminal, grid);
  grid.write("\x1b[1;1H29\x1b[0m\x1b[3;1H\x1b[1;34mplan: +3\x1b[0m\x1b[5;1Hplan\x1b[7;1H\x1b[1;34m4: 1/1");
  EXPECT_EQ(present(presenter, terminal, grid), "29\x1b[5;1Hplan\x1b[3;1H\x1b[1;34mplan: +3\x1b[7;1H4: 1/1");
  EXPECT_EQ(terminal.dump(), grid.dump());
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) EXPECT_EQ(terminal.attributes(x, y), grid.attributes(x, y)) << x << ',' << y;
  }
}

// A word typed a letter at a time in one colour costs its letters alone:
// the terminal still draws in that colour from the update before.
TEST(VtPresenter, ALetterTypedInTheColourBeforeItCostsItsByteAlone) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("Time Left: 30\x1b[8;1H\x1b[1mpl");
  present(presenter, terminal, grid);
  grid.write("a");
  EXPECT_EQ(present(presenter, terminal, grid), "a");
  grid.write("n");
  EXPECT_EQ(present(presenter, terminal, grid), "n");
  EXPECT_TRUE(terminal.attributes(3, 7).bold);
}

// An erase may fill with the attributes the terminal draws with: the pen is
// set plain before the window is cleared, for a whole update or a message,
// and once more only when something set it again.
TEST(VtPresenter, ThePenIsSetPlainBeforeEveryClearAndAtTheEnd) {
  console::VtPresenter presenter;
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[7mcursor");
  present(presenter, terminal, grid);
  EXPECT_FALSE(presenter.penIsPlain());
  EXPECT_EQ(presenter.update(grid, true).substr(0, 10), "\x1b[m\x1b[H\x1b[2J");
  EXPECT_EQ(presenter.message("Too small").substr(0, 10), "\x1b[m\x1b[H\x1b[2J");
  EXPECT_TRUE(presenter.penIsPlain());
  EXPECT_EQ(presenter.message("Too small").substr(0, 7), "\x1b[H\x1b[2J");
  present(presenter, terminal, grid, true);
  EXPECT_EQ(presenter.plainPen(), "\x1b[m");
  EXPECT_EQ(presenter.plainPen(), "");
}

// Shared with a shell that may write at any moment, each update that sends
// something leaves the terminal plain with the cursor at the start of the
// last row, so the shell's lines come below the screen in its own colour.
TEST(VtPresenter, SharingTheTerminalLeavesItPlainAtTheLastRow) {
  console::VtPresenter presenter;
  presenter.shareTheTerminal(true);
  ScreenGrid grid;
  ScreenGrid terminal;
  grid.write("\x1b[3;34HTime Left: 30\x1b[8;1H\x1b[1mpl");
  EXPECT_EQ(present(presenter, terminal, grid),
            "\x1b[H\x1b[2J\x1b[3;34HTime Left: 30\x1b[8;1H\x1b[1mpl\x1b[m\x1b[24;1H");
  EXPECT_EQ(present(presenter, terminal, grid), "");
  grid.write("a");
  EXPECT_EQ(present(presenter, terminal, grid), "\x1b[8;3H\x1b[1ma\x1b[m\x1b[24;1H");
  EXPECT_EQ(terminal.dump(), grid.dump());
  terminal.write("\r\n[1]+  Stopped\r\n$ ");
  EXPECT_EQ(terminal.row(22), "[1]+  Stopped");
  EXPECT_TRUE(terminal.attributes(0, 22).plain());
}

TEST(VtPresenter, ADumbTerminalGetsNoColour) {
  console::VtPresenter presenter(false);
  ScreenGrid grid;
  grid.write("a\x1b[1;34mb\x1b[93mc\x1b[0m");
  EXPECT_EQ(presenter.update(grid, false), "\x1b[H\x1b[2Jabc");
}

}  // namespace
