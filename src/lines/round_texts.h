#pragma once
// The words a round is said in: its letters as capitals a reader spells,
// the time left, the words still to find and the verdict on a word. Pure,
// so each text is tested alone.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/round.h"

namespace lines {

/// The letters as separate capitals: "B O S S E D". Letters beyond ASCII
/// keep their own form, capitalised where Latin-1 has a capital.
std::string spokenLetters(const std::vector<std::string>& letters);
/// "1 minute 30 seconds left.", "10 seconds left.", "up."
std::string timeLeftText(uint32_t secondsLeft);
/// "Seconds" and the like for a time per round: "90 seconds", "2 minutes", "no limit".
std::string roundTimeText(uint32_t seconds);
/// "4 of 3 letters, 2 of 4, 1 of 6 to find.": the words not found yet by length.
std::string stillToFindText(const std::array<rules::WordCount, game_record::kFoundWordTrees>& counts);
/// The label and the detail of the one line a checked word gets.
struct ResultLine {
  std::string label;  ///< "Yes" or "No"
  std::string detail;
};
ResultLine resultLine(const rules::Submission& submission, uint32_t score);
/// "3 words" or "1 word".
std::string countOf(size_t count, const char* one, const char* many);

}  // namespace lines
