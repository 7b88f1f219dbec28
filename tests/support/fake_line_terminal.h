#pragma once
// A scripted line terminal for tests of the line face. Lines are typed at
// moments of a virtual clock, which moves only when the program waits for
// a line; the input ends at a set moment (by default once the script is
// used up). Everything written and typed is kept as a timed transcript for
// the checker.

#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "lines/line_terminal.h"
#include "support/transcript_checker.h"

namespace support {

class FakeLineTerminal : public lines::LineTerminal {
 public:
  /// A line typed when the clock reads atMs (lines come in the order typed).
  void typeAt(uint32_t atMs, std::string line);
  /// The input ends when the clock reads atMs, not when the script is used up.
  void endInputAt(uint32_t atMs) { endMs_ = atMs; }
  /// Makes typing show on the output, as on an interactive terminal.
  bool echoing = false;

  lines::LineRead readLineWithin(uint32_t ms, std::string& line) override;
  void write(std::string_view text) override;
  uint32_t nowMs() override { return now_; }
  bool echoesTyping() override { return echoing; }

  const std::string& output() const { return output_; }
  /// What was written and typed, a line at a time, with its moment.
  std::vector<TranscriptLine> transcript() const;
  /// The written lines from the first that starts with prefix.
  std::vector<std::string> writtenFrom(std::string_view prefix) const;

 private:
  struct Typed {
    uint32_t atMs;
    std::string line;
  };
  static constexpr uint32_t kNever = std::numeric_limits<uint32_t>::max();

  uint32_t endMs() const;

  std::deque<Typed> script_;
  uint32_t endMs_ = kNever;
  uint32_t now_ = 0;
  std::string output_;
  std::string unfinished_;  ///< written text after the last line end
  std::vector<TranscriptLine> lines_;
};

}  // namespace support
