#pragma once
// The daily results as a small text file: a header line and then one line
// per date, oldest first:
//   "YYYY-MM-DD CODE SCORE ROUNDS FOUND/TOTAL ..." with one FOUND/TOTAL per
// round (the words found and the words there were). Read leniently (see
// lenient_text.h): a line that makes no sense is skipped and counted.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/daily_result.h"

namespace records {

struct History {
  std::vector<rules::DailyResult> results;  ///< one per date, oldest first
  size_t skippedLines = 0;                  ///< lines that made no sense
};

/// The file's text.
std::string historyText(const std::vector<rules::DailyResult>& results);
/// The results a file's text holds; nothing when its first line is not
/// our header. A later line for a date already read is skipped, and so is
/// one whose date the calendar does not have or whose code is not that
/// date's.
std::optional<History> parseHistory(std::string_view text);

}  // namespace records
