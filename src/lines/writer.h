#pragma once
// The one way the line face writes: whole labelled lines, appended, never
// redrawn (plain_text.h says what a line may hold). A line written while
// the player may be halfway through typing one starts on a line of its
// own, so that it is not read out glued to the typed letters.

#include <string_view>

#include "lines/line_terminal.h"

namespace lines {

class Writer {
 public:
  explicit Writer(LineTerminal& terminal) : terminal_(terminal) {}

  /// One fact: "label: detail", over more lines only when it is long.
  void say(std::string_view label, std::string_view detail);
  /// A fact nobody asked for, such as the time: where typing shows on the
  /// output, it starts after a line end, as the player may have typed
  /// part of a line since the program last wrote.
  void sayUnasked(std::string_view label, std::string_view detail);

  LineTerminal& terminal() { return terminal_; }

 private:
  LineTerminal& terminal_;
};

}  // namespace lines
