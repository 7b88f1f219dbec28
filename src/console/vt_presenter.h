#pragma once
// Turns the screen grid into the bytes that make a VT terminal (xterm, tmux,
// screen, the Linux console) show it. It remembers what it last showed, so
// an update sends only the cells that changed: a countdown costs a few
// bytes a second, not a screen. A cell's attributes go as SGR sequences,
// sent only where they change along a run of cells and reset before the
// cursor jumps away and at the end, so the terminal is plain between runs.

#include <string>
#include <string_view>

#include "console/screen_grid.h"

namespace console {

class VtPresenter {
 public:
  /// With sendsAttributes false (a dumb terminal) cells go as plain text.
  explicit VtPresenter(bool sendsAttributes = true) : sendsAttributes_(sendsAttributes) {}
  bool sendsAttributes() const { return sendsAttributes_; }

  /// The bytes that bring the terminal from what was last shown to grid;
  /// with whole, or when nothing is known of the window, a clear and every
  /// row from the top left.
  std::string update(const ScreenGrid& grid, bool whole);
  /// The bytes that blank the window and show text alone at its top left,
  /// each of its lines (parted by line feeds) at the start of its row. The
  /// next update is a whole one.
  std::string message(std::string_view text);

 private:
  void appendRowChanges(std::string& out, const ScreenGrid& grid, int y);
  void appendCells(std::string& out, const ScreenGrid& grid, int y, int fromX, int toX);
  void appendAttributes(std::string& out, CellAttributes attributes);

  bool sendsAttributes_;
  CellAttributes terminalAttributes_;  ///< what the terminal draws with now
  ScreenGrid shown_;
  bool shownKnown_ = false;
  // Where the terminal's cursor is, so a jump there is left out; -1 when
  // unknown (a wrap may be pending at the right edge).
  int cursorX_ = -1;
  int cursorY_ = -1;
};

}  // namespace console
