#pragma once
// The results of the daily games, one per date: the first daily game of a
// date is the one that counts. They live in a small text file, a header
// line and then one line per date, oldest first:
//   "YYYY-MM-DD CODE SCORE ROUNDS FOUND/TOTAL ..." with one FOUND/TOTAL per
// round (the words found and the words there were). Reading is lenient: line
// ends with or without a carriage return, blank lines and a missing last
// line end are fine, and a line that makes no sense is skipped and counted.
// Also here: the streaks of dates with a result, and the lines a player
// pastes to share a result, which hold no word and no letter of a round.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daily {

struct RoundTally {
  uint32_t found = 0;  ///< words found in the round
  uint32_t total = 0;  ///< words the round would accept, at least 1

  bool operator==(const RoundTally&) const = default;
};

struct Result {
  std::string date;  ///< YYYY-MM-DD, local
  std::string code;  ///< the game code of that date
  uint32_t score = 0;
  std::vector<RoundTally> rounds;  ///< at least one

  bool operator==(const Result&) const = default;
};

struct History {
  std::vector<Result> results;  ///< one per date, oldest first
  size_t skippedLines = 0;      ///< lines that made no sense
};

/// The file's text.
std::string historyText(const std::vector<Result>& results);
/// The results a file's text holds; nothing when its first line is not
/// our header. A later line for a date already read is skipped.
std::optional<History> parseHistory(std::string_view text);

/// Adds result unless its date has one; true when it was added.
bool addResult(std::vector<Result>& results, const Result& result);
/// The result kept for date, or null.
const Result* resultOf(const std::vector<Result>& results, const std::string& date);

/// Days since 1970-01-01 of a valid date YYYY-MM-DD; nothing for anything else.
std::optional<int64_t> dayNumber(std::string_view date);

struct Streaks {
  uint32_t current = 0;  ///< consecutive dates with a result, up to today or yesterday
  uint32_t best = 0;     ///< the longest run of consecutive dates ever
};
Streaks streaksOf(const std::vector<Result>& results, const std::string& today);

/// The lines to paste, each ended by "\n": the date and code, the score and
/// rounds, and a bar and found/total per round. With unicodeCells the bar
/// is of filled and empty squares, else of '#' and '.'.
std::string shareLines(const Result& result, bool unicodeCells);

}  // namespace daily
