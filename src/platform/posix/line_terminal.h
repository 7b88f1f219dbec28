#pragma once
// Standard input and output as whole lines on a POSIX system. A terminal
// stays in the mode it is in (canonical, with its echo, as a shell leaves
// it): the terminal itself echoes and edits what is typed and hands over a
// line when Enter is pressed. A pipe or a file gives its lines as they come.

#include <cstdint>
#include <string>
#include <string_view>

#include "lines/line_terminal.h"

namespace platform {

class PosixLineTerminal : public lines::LineTerminal {
 public:
  PosixLineTerminal(int inputFd, int outputFd);

  lines::LineRead readLineWithin(uint32_t ms, std::string& line) override;
  void write(std::string_view text) override;
  uint32_t nowMs() override;
  bool echoesTyping() override { return echoes_; }

 private:
  bool takeLine(std::string& line);
  /// Reads what is there once poll says so; false at the input's end.
  /// While another job holds the terminal it pauses and reads nothing.
  bool readMore();
  /// Waits at most ms for input; true when some is there to read. Notes the
  /// end of the input when the wait finds it.
  bool waitForInput(uint32_t ms);

  int inputFd_;
  int outputFd_;
  bool echoes_;
  bool ended_ = false;
  std::string pending_;  ///< bytes read but not yet given as a line
};

}  // namespace platform
