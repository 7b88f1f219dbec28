#pragma once
// An 80x24 terminal screen fed with the program's output bytes, so tests
// can assert on whole rows as a player would see them. It understands what
// the program writes: cursor positioning, screen and line erasing, carriage
// return, newline (with the terminal's output processing, which returns to
// column 0), backspace, printable bytes and UTF-8 characters (one cell each),
// and the deferred wrap at the right edge. Mode switches are ignored.

#include <string>
#include <string_view>
#include <vector>

namespace support {

class ScreenModel {
 public:
  static constexpr int kColumns = 80;
  static constexpr int kRows = 24;

  ScreenModel();

  void apply(std::string_view bytes);

  /// Row y as text, trailing blanks removed.
  std::string row(int y) const;
  /// All rows joined by '\n', for failure messages.
  std::string dump() const;

  int cursorX() const { return x_; }
  int cursorY() const { return y_; }
  /// How many times output ran off the bottom row and scrolled the screen.
  int scrolls() const { return scrolls_; }

 private:
  void put(std::string cell);
  void newline();
  void eraseScreen(int mode);
  void eraseLine(int mode);
  void applyCsi(std::string_view parameters, char finalByte);
  size_t applyEscape(std::string_view bytes, size_t at);

  std::vector<std::vector<std::string>> cells_;
  int x_ = 0;
  int y_ = 0;
  bool wrapPending_ = false;
  int scrolls_ = 0;
};

}  // namespace support
