#pragma once
// What has been sent to the screen since it was last cleared. A stop
// (Ctrl-Z) leaves the full screen; sending this copy again on continuing
// draws the screen as it was, because every screen starts with a clear.

#include <cstddef>
#include <string>
#include <string_view>

namespace console {

class ScreenCopy {
 public:
  /// Takes note of bytes just sent to the screen.
  void remember(std::string_view sent);

  /// The bytes from the last screen clear on, starting with the clear; empty
  /// before the first clear, and after the cap is passed until the next one.
  const std::string& text() const { return text_; }

  /// A screen redrawn in place for a long time (a countdown) grows its copy;
  /// past this size the copy is given up rather than kept without bound.
  static constexpr size_t kMaxBytes = 1 << 20;

 private:
  std::string text_;
  // The last few bytes seen, so a clear split between two sends is found.
  std::string carry_;
};

}  // namespace console
