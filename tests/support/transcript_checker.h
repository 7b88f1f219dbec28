#pragma once
// The one judge of what line mode writes, used by every line-mode test: a
// transcript (what was written, line by line, with what was typed between)
// keeps the rules when this finds no problem in it.
//
//  - text only: no escape, backspace or carriage return (but the CR of a
//    CRLF line end where the system's lines end so), nothing redrawn;
//  - no box-drawing, block or square characters, and no run of three or
//    more of the same punctuation mark;
//  - lines of at most 80 columns, each starting with a label ("Yes:");
//  - with times, at most one unasked "Time:" line in any 10 seconds;
//  - every typed word (a line that is not empty, not a command starting
//    with '/' or '?', and not a menu choice starting with a digit) gets exactly one "Yes:" or "No:"
//    line before the next typed line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace support {

struct TranscriptLine {
  uint32_t atMs = 0;
  bool typed = false;  ///< a line the player typed, not one the program wrote
  std::string text;    ///< without its line end
};

struct CheckedRules {
  bool timed = true;  ///< the lines carry real times: the 10-second rule holds
  bool crlf = false;  ///< line ends are CRLF (Windows)
};

/// The problems of output, the bytes the program wrote, one sentence each.
std::vector<std::string> outputProblems(std::string_view output, CheckedRules rules = {});
/// The problems of a transcript's lines, one sentence each.
std::vector<std::string> transcriptProblems(const std::vector<TranscriptLine>& transcript,
                                            CheckedRules rules = {});
/// output's lines, untimed, all written by the program.
std::vector<TranscriptLine> linesOf(std::string_view output, bool crlf = false);
/// The typed words among typed lines, as the checker counts them.
bool isTypedWord(std::string_view typed);
/// Whether a line is a word's result line.
bool isResultLine(std::string_view line);

}  // namespace support
