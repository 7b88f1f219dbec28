#pragma once
// The real terminal behind the console operations: standard input and
// output, which may be a terminal, a pipe or a file.

#include <memory>

#include "console/terminal.h"

namespace console {

class PosixTerminal : public Terminal {
 public:
  PosixTerminal();
  ~PosixTerminal() override;
  PosixTerminal(const PosixTerminal&) = delete;
  PosixTerminal& operator=(const PosixTerminal&) = delete;

  int readByte() override;
  int readByteWithin(uint32_t ms) override;
  bool byteWaiting() override;
  uint32_t nowMs() override;
  void sleepMs(uint32_t ms) override;
  void beginFullScreen() override;
  void flushOutput() override;

 private:
  class OutputBuffer;
  std::unique_ptr<OutputBuffer> output_;
  std::streambuf* previousCoutBuffer_;
};

}  // namespace console
