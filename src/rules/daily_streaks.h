#pragma once
// The streaks of the daily game: runs of consecutive dates with a result.

#include <cstdint>
#include <string>
#include <vector>

#include "rules/daily_result.h"

namespace rules {

struct Streaks {
  uint32_t current = 0;  ///< consecutive dates with a result, up to today or yesterday
  uint32_t best = 0;     ///< the longest run of consecutive dates ever
};

/// The streaks of results (each of a valid date) as they stand on today.
Streaks streaksOf(const std::vector<DailyResult>& results, const std::string& today);

}  // namespace rules
