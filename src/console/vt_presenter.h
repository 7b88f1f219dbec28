#pragma once
// Turns the screen grid into the bytes that make a VT terminal (xterm, tmux,
// screen, the Linux console) show it. It remembers what it last showed, so
// an update sends only the cells that changed: a countdown costs a few
// bytes a second, not a screen. A cell's attributes go as the shortest SGR
// sequence from those the terminal draws with, sent only where they change.
// The terminal keeps them from one update to the next, so a word typed in
// one colour costs its letters alone; a cursor jump carries nothing, since
// every cell sent goes with its own attributes. So the runs of changed
// cells go out grouped by how they start, not in reading order: a round's
// update (the time, the typed word, the answer, the words found) changes
// the pen once per look rather than once per run. The pen is reset before
// the window is cleared, as an erase may fill with it, and by plainPen
// when the output ends.

#include <string>
#include <string_view>
#include <vector>

#include "console/screen_grid.h"

namespace console {

class VtPresenter {
 public:
  /// With sendsAttributes false (a dumb terminal) cells go as plain text.
  explicit VtPresenter(bool sendsAttributes = true) : sendsAttributes_(sendsAttributes) {}
  bool sendsAttributes() const { return sendsAttributes_; }
  /// With sharing on, every update that sends anything ends with the
  /// terminal plain and the cursor at the start of the last row: another
  /// writer that may write at any moment (the shell, when the program is
  /// stopped within a script's job) then writes below the screen, in its
  /// own colour, not over the middle of it.
  void shareTheTerminal(bool sharing) { sharing_ = sharing; }

  /// The bytes that bring the terminal from what was last shown to grid;
  /// with whole, or when nothing is known of the window, a clear and every
  /// row from the top left.
  std::string update(const ScreenGrid& grid, bool whole);
  /// The bytes that blank the window and show text alone at its top left,
  /// each of its lines (parted by line feeds) at the start of its row. The
  /// next update is a whole one.
  std::string message(std::string_view text);
  /// The bytes that leave the terminal drawing plain, if it is not: for
  /// whoever writes to the output next (the shell, after the program).
  std::string plainPen();
  /// Whether the terminal draws plain: nothing needs putting back.
  bool penIsPlain() const { return terminalAttributes_.plain(); }

 private:
  /// Cells fromX to toX (not included) of row y, to be sent together.
  struct Run {
    int y;
    int fromX;
    int toX;
  };
  void findRowChanges(const ScreenGrid& grid, int y);
  size_t nextRunToSend(const ScreenGrid& grid) const;
  void appendCells(std::string& out, const ScreenGrid& grid, const Run& run);
  void appendAttributes(std::string& out, CellAttributes attributes);

  void parkForOtherWriters(std::string& out);

  bool sendsAttributes_;
  bool sharing_ = false;
  CellAttributes terminalAttributes_;  ///< what the terminal draws with now
  ScreenGrid shown_;
  std::vector<Run> runs_;  ///< the changed runs of an update, not yet sent
  bool shownKnown_ = false;
  // Where the terminal's cursor is, so a jump there is left out; -1 when
  // unknown (a wrap may be pending at the right edge).
  int cursorX_ = -1;
  int cursorY_ = -1;
};

}  // namespace console
