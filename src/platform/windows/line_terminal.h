#pragma once
// Standard input and output as whole lines on Windows. A console's input is
// read in its own line mode, with its echo and editing (ENABLE_LINE_INPUT,
// ENABLE_ECHO_INPUT, ENABLE_PROCESSED_INPUT) and put back as it was found;
// the text comes as UTF-16 and goes on as UTF-8. A pipe or a file gives its
// bytes as they are. Lines end in CRLF on the way out.
//
// A console read in line mode returns only at Enter, so it runs on a
// reader thread of its own, and the program waits for the lines it hands
// over with a timeout, as a round's clock runs.

#include <cstdint>
#include <string>
#include <string_view>

#include "lines/line_terminal.h"

namespace platform {

class WindowsLineTerminal : public lines::LineTerminal {
 public:
  WindowsLineTerminal(void* input, void* output);
  ~WindowsLineTerminal() override;
  WindowsLineTerminal(const WindowsLineTerminal&) = delete;
  WindowsLineTerminal& operator=(const WindowsLineTerminal&) = delete;

  lines::LineRead readLineWithin(uint32_t ms, std::string& line) override;
  void write(std::string_view text) override;
  uint32_t nowMs() override;
  bool echoesTyping() override { return inputIsConsole_ && outputIsConsole_; }

 private:
  void* input_;
  void* output_;
  bool inputIsConsole_ = false;
  bool outputIsConsole_ = false;
  unsigned long foundInputMode_ = 0;
};

}  // namespace platform
