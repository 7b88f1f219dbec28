#include "rules/daily_streaks.h"

#include <algorithm>
#include <optional>
#include <set>

#include "rules/calendar_date.h"

namespace rules {

Streaks streaksOf(const std::vector<DailyResult>& results, const std::string& today) {
  std::set<int64_t> days;
  for (const DailyResult& result : results) days.insert(*dayNumber(result.date));
  Streaks streaks;
  uint32_t run = 0;
  int64_t previous = 0;
  for (const int64_t day : days) {
    run = run > 0 && day == previous + 1 ? run + 1 : 1;
    previous = day;
    streaks.best = std::max(streaks.best, run);
  }
  const std::optional<int64_t> now = dayNumber(today);
  if (!now) return streaks;
  int64_t day = days.contains(*now) ? *now : *now - 1;
  while (days.contains(day--)) ++streaks.current;
  return streaks;
}

}  // namespace rules
