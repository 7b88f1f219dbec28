#include "records/daily_results.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "rules/game_code.h"

namespace daily {
namespace {

constexpr std::string_view kHeader = "Quillop daily 1";
constexpr size_t kDateLength = 10;  // YYYY-MM-DD
constexpr size_t kBarCells = 10;
constexpr const char* kFilledSquare = "\u25a0";
constexpr const char* kEmptySquare = "\u25a1";

// The next line of text without its line end, which may be "\r\n".
std::string_view takeLine(std::string_view& text) {
  const size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

// The next field up to a blank or the end, which is consumed.
std::string_view takeField(std::string_view& line) {
  const size_t end = line.find(' ');
  const std::string_view field = line.substr(0, end);
  line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
  return field;
}

// A whole decimal number and nothing else: no sign, no blank, no overflow.
std::optional<uint32_t> numberOf(std::string_view field) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || field.empty() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

std::optional<RoundTally> tallyOf(std::string_view field) {
  const size_t slash = field.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::optional<uint32_t> found = numberOf(field.substr(0, slash));
  const std::optional<uint32_t> total = numberOf(field.substr(slash + 1));
  if (!found || !total || *total == 0 || *found > *total) return std::nullopt;
  return RoundTally{*found, *total};
}

std::optional<Result> resultOfLine(std::string_view line) {
  Result result;
  result.date = std::string(takeField(line));
  const std::optional<std::string> code = rules::parseGameCode(takeField(line));
  const std::optional<uint32_t> score = numberOf(takeField(line));
  const std::optional<uint32_t> rounds = numberOf(takeField(line));
  if (!dayNumber(result.date) || !code || *code != rules::dailyGameCode(result.date) || !score || !rounds) {
    return std::nullopt;
  }
  while (!line.empty()) {
    const std::optional<RoundTally> tally = tallyOf(takeField(line));
    if (!tally) return std::nullopt;
    result.rounds.push_back(*tally);
  }
  if (result.rounds.empty() || result.rounds.size() != *rounds) return std::nullopt;
  result.code = *code;
  result.score = *score;
  return result;
}

std::string lineOf(const Result& result) {
  std::string line = result.date;
  line += ' ';
  line += result.code;
  line += ' ';
  line += std::to_string(result.score);
  line += ' ';
  line += std::to_string(result.rounds.size());
  for (const RoundTally& tally : result.rounds) {
    line += ' ';
    line += std::to_string(tally.found);
    line += '/';
    line += std::to_string(tally.total);
  }
  return line;
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

std::string plural(uint32_t count, const std::string& noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

std::string barOf(const RoundTally& tally, bool unicodeCells) {
  size_t filled = tally.total == 0 ? 0 : tally.found * kBarCells / tally.total;
  // A round with a word found never shows as nothing found.
  if (tally.found > 0 && filled == 0) filled = 1;
  std::string bar;
  for (size_t cell = 0; cell < kBarCells; ++cell) {
    const bool full = cell < filled;
    bar += unicodeCells ? (full ? kFilledSquare : kEmptySquare) : (full ? "#" : ".");
  }
  return bar;
}

}  // namespace

std::string historyText(const std::vector<Result>& results) {
  std::string text = std::string(kHeader) + '\n';
  for (const Result& result : results) text += lineOf(result) + '\n';
  return text;
}

std::optional<History> parseHistory(std::string_view text) {
  if (takeLine(text) != kHeader) return std::nullopt;
  History history;
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    const std::optional<Result> result = resultOfLine(line);
    if (!result || !addResult(history.results, *result)) ++history.skippedLines;
  }
  return history;
}

bool addResult(std::vector<Result>& results, const Result& result) {
  if (resultOf(results, result.date) != nullptr) return false;
  const auto later = std::find_if(results.begin(), results.end(),
                                  [&](const Result& kept) { return kept.date > result.date; });
  results.insert(later, result);
  return true;
}

const Result* resultOf(const std::vector<Result>& results, const std::string& date) {
  const auto found =
      std::find_if(results.begin(), results.end(), [&](const Result& kept) { return kept.date == date; });
  return found == results.end() ? nullptr : &*found;
}

std::optional<int64_t> dayNumber(std::string_view date) {
  if (date.size() != kDateLength || date[4] != '-' || date[7] != '-') return std::nullopt;
  const std::optional<uint32_t> year = numberOf(date.substr(0, 4));
  const std::optional<uint32_t> month = numberOf(date.substr(5, 2));
  const std::optional<uint32_t> day = numberOf(date.substr(8, 2));
  if (!year || !month || !day || *year < 1970 || *month < 1 || *month > 12) return std::nullopt;
  if (*day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;
  return daysFromCivil(*year, *month, *day);
}

Streaks streaksOf(const std::vector<Result>& results, const std::string& today) {
  std::set<int64_t> days;
  for (const Result& result : results) days.insert(*dayNumber(result.date));
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

std::string shareLines(const Result& result, bool unicodeCells) {
  std::string lines = "Quillop daily " + result.date + ", game code " + result.code + '\n';
  lines += "Score " + std::to_string(result.score) + " in " +
           plural(static_cast<uint32_t>(result.rounds.size()), "round") + '\n';
  for (size_t i = 0; i < result.rounds.size(); ++i) {
    const RoundTally& tally = result.rounds[i];
    lines += "Round " + std::to_string(i + 1) + "  " + barOf(tally, unicodeCells) + "  " +
             std::to_string(tally.found) + '/' + std::to_string(tally.total) + '\n';
  }
  return lines;
}

}  // namespace daily
