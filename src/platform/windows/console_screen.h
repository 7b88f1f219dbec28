#pragma once
// Showing things on a Windows console through its own calls, not escape
// sequences (which not every console interprets: Wine's prints them): text
// at the cursor, and the screen grid written cell by cell into a screen
// buffer. All text goes as UTF-16 (utf16_text.h), so nothing depends on the
// console's code page.

#include <cstdint>
#include <string_view>

#include "console/screen_grid.h"

namespace platform {

using console::CellAttributes;
using console::ScreenGrid;

/// Writes bytes at the console's cursor as the console shows text: a line
/// end, a carriage return or a backspace moves the cursor.
void writeConsoleText(void* console, std::string_view bytes);

class ConsoleScreen {
 public:
  /// Brings the buffer from what was last shown to grid, writing the rows
  /// that changed; with whole, or when nothing is known of the buffer, it is
  /// blanked and every row written. The grid's top left is the window's.
  void present(void* buffer, const ScreenGrid& grid, bool whole);
  /// Blanks the buffer and shows text alone at its top left. The next
  /// present is a whole one.
  void message(void* buffer, std::string_view text);

 private:
  void writeRows(void* buffer, const ScreenGrid& grid, int fromY, int toY);

  ScreenGrid shown_;
  bool shownKnown_ = false;
};

}  // namespace platform
