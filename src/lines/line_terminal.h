#pragma once
// What the line face reads from and writes to: whole lines in, text out,
// and a clock. The terminal's own echo and line editing stay on, so the
// program never echoes or edits what is typed; it only waits for a line,
// for a while at most, as the clock of a round runs. Each system's folder
// under platform/ implements it; tests use a scripted one with a virtual
// clock.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace lines {

enum class LineRead {
  kLine,        ///< a whole line arrived
  kNothingYet,  ///< the wait ran out first
  kEnded,       ///< the input is over for good (a file's end, Ctrl-D)
};

class LineTerminal {
 public:
  virtual ~LineTerminal() = default;

  /// Waits at most ms for a whole line and puts it in line, without its
  /// line end (a carriage return before it is dropped too), as UTF-8. A
  /// last line with no line end before the input's end still counts.
  virtual LineRead readLineWithin(uint32_t ms, std::string& line) = 0;
  /// Writes UTF-8 text at once; each '\n' ends a line, as the system's text
  /// ends lines.
  virtual void write(std::string_view text) = 0;
  /// Milliseconds from a fixed point, for the rounds' clock.
  virtual uint32_t nowMs() = 0;
  /// True where what is typed shows on the output's last line as it is
  /// typed (an interactive terminal echoing): what the program writes while
  /// a line is half typed must then start on a line of its own.
  virtual bool echoesTyping() { return false; }
};

/// Standard input and output as whole lines. The terminal's modes are left
/// exactly as they are.
std::unique_ptr<LineTerminal> makePlatformLineTerminal();

}  // namespace lines
