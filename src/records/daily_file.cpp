#include "records/daily_file.h"

#include "records/lenient_text.h"
#include "rules/calendar_date.h"
#include "rules/game_code.h"

namespace records {
namespace {

using rules::DailyResult;
using rules::RoundTally;

constexpr std::string_view kHeader = "Quillop daily 1";

std::optional<RoundTally> tallyOf(std::string_view field) {
  const size_t slash = field.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::optional<uint32_t> found = numberOf(field.substr(0, slash));
  const std::optional<uint32_t> total = numberOf(field.substr(slash + 1));
  if (!found || !total || *total == 0 || *found > *total) return std::nullopt;
  return RoundTally{*found, *total};
}

std::optional<DailyResult> resultOfLine(std::string_view line) {
  DailyResult result;
  result.date = std::string(takeField(line));
  const std::optional<std::string> code = rules::parseGameCode(takeField(line));
  const std::optional<uint32_t> score = numberOf(takeField(line));
  const std::optional<uint32_t> rounds = numberOf(takeField(line));
  if (!rules::isDate(result.date) || !code || *code != rules::dailyGameCode(result.date) || !score ||
      !rounds) {
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

std::string lineOf(const DailyResult& result) {
  std::string line = result.date + ' ' + result.code + ' ' + std::to_string(result.score) + ' ' +
                     std::to_string(result.rounds.size());
  for (const RoundTally& tally : result.rounds) {
    line += ' ' + std::to_string(tally.found) + '/' + std::to_string(tally.total);
  }
  return line;
}

}  // namespace

std::string historyText(const std::vector<DailyResult>& results) {
  std::string text = std::string(kHeader) + '\n';
  for (const DailyResult& result : results) text += lineOf(result) + '\n';
  return text;
}

std::optional<History> parseHistory(std::string_view text) {
  const std::vector<std::string_view> lines = textLines(text);
  if (lines.empty() || lines.front() != kHeader) return std::nullopt;
  History history;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::optional<DailyResult> result = resultOfLine(lines[i]);
    if (!result || !rules::addResult(history.results, *result)) ++history.skippedLines;
  }
  return history;
}

}  // namespace records
