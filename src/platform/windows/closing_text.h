#pragma once
// The text a run leaves behind once the console is put back for good (a
// daily game's lines to paste), and what becomes of it on the way out. Pure,
// so it is tested without a console: the console guard keeps one and writes
// what take() gives.

#include <string>
#include <string_view>

namespace platform {

class ClosingText {
 public:
  /// Replaces any earlier text.
  void set(std::string_view text) { text_ = text; }
  /// True when take() would give nothing.
  bool empty() const { return text_.empty(); }
  /// Notes bytes written to a pipe or a file, so that the text knows whether
  /// the last line was ended.
  void noteOutput(std::string_view bytes);
  /// The text to write, once: every later call gives nothing, so however
  /// many ways out a run takes, the text is written once. A console gets it
  /// as it is; a pipe or a file gets it on a line of its own.
  std::string take(bool outputIsConsole);

 private:
  std::string text_;
  bool outputAtLineStart_ = true;
};

}  // namespace platform
