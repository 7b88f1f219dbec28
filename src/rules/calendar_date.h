#pragma once
// The one rule for a date in the program's files and games: YYYY-MM-DD, a
// day that the Gregorian calendar has, from 1970 on (no clock this program
// reads gives an earlier one). The best scores, the daily results and the
// daily streaks all read dates by it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace rules {

/// Days since 1970-01-01 of a date YYYY-MM-DD; nothing for a text that is
/// not one, or a day the calendar does not have (2023-02-29, 2024-13-45).
std::optional<int64_t> dayNumber(std::string_view date);

inline bool isDate(std::string_view date) { return dayNumber(date).has_value(); }

}  // namespace rules
