#include "rules/daily_result.h"

#include <algorithm>

namespace rules {

bool addResult(std::vector<DailyResult>& results, const DailyResult& result) {
  if (resultOf(results, result.date) != nullptr) return false;
  const auto later = std::find_if(results.begin(), results.end(),
                                  [&](const DailyResult& kept) { return kept.date > result.date; });
  results.insert(later, result);
  return true;
}

const DailyResult* resultOf(const std::vector<DailyResult>& results, const std::string& date) {
  const auto found = std::find_if(results.begin(), results.end(),
                                  [&](const DailyResult& kept) { return kept.date == date; });
  return found == results.end() ? nullptr : &*found;
}

}  // namespace rules
