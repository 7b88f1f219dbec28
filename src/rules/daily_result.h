#pragma once
// What a daily game leaves behind: its date and code, its score, and for
// each round the words found and the words there were. The first daily game
// of a date is the one that counts, so a date has one result at most.

#include <cstdint>
#include <string>
#include <vector>

namespace rules {

struct RoundTally {
  uint32_t found = 0;  ///< words found in the round
  uint32_t total = 0;  ///< words the round would accept, at least 1

  bool operator==(const RoundTally&) const = default;
};

struct DailyResult {
  std::string date;  ///< YYYY-MM-DD, local
  std::string code;  ///< the game code of that date
  uint32_t score = 0;
  std::vector<RoundTally> rounds;  ///< at least one

  bool operator==(const DailyResult&) const = default;
};

/// Adds result, keeping results oldest first, unless its date has one
/// already; true when it was added.
bool addResult(std::vector<DailyResult>& results, const DailyResult& result);
/// The result kept for date, or null.
const DailyResult* resultOf(const std::vector<DailyResult>& results, const std::string& date);

}  // namespace rules
