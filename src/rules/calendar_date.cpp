#include "rules/calendar_date.h"

namespace rules {
namespace {

constexpr size_t kDateLength = 10;  // YYYY-MM-DD
constexpr int64_t kFirstYear = 1970;

// The value of a run of decimal digits; nothing when any is not a digit.
std::optional<int64_t> digitsValue(std::string_view digits) {
  int64_t value = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + (digit - '0');
  }
  return value;
}

bool isLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int64_t daysInMonth(int64_t year, int64_t month) {
  constexpr int64_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01, by the proleptic Gregorian calendar, counted in
// eras of 400 years (146,097 days) that start on the first of March, so the
// leap day ends a year.
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = year / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<int64_t> dayNumber(std::string_view date) {
  if (date.size() != kDateLength || date[4] != '-' || date[7] != '-') return std::nullopt;
  const std::optional<int64_t> year = digitsValue(date.substr(0, 4));
  const std::optional<int64_t> month = digitsValue(date.substr(5, 2));
  const std::optional<int64_t> day = digitsValue(date.substr(8, 2));
  if (!year || !month || !day || *year < kFirstYear || *month < 1 || *month > 12) return std::nullopt;
  if (*day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;
  return daysFromCivil(*year, *month, *day);
}

}  // namespace rules
