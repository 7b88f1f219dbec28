#include "records/table.h"

#include <algorithm>
#include "records/lenient_text.h"
#include "rules/calendar_date.h"

namespace records {
namespace {

constexpr uint16_t kTimes[] = {30, 60, 90, 120};

const std::vector<Entry> kNoEntries;

bool isTime(uint32_t seconds) {
  return std::find(std::begin(kTimes), std::end(kTimes), seconds) != std::end(kTimes);
}

}  // namespace

bool addLine(Table& table, std::string_view line) {
  const std::optional<uint32_t> seconds = numberOf(takeField(line));
  const std::optional<uint32_t> score = numberOf(takeField(line));
  if (!seconds || !score || !isTime(*seconds) || !rules::isDate(line)) return false;
  table.add(static_cast<uint16_t>(*seconds), Entry{*score, std::string(line)});
  return true;
}

int Table::add(uint16_t seconds, const Entry& entry) {
  if (entry.score == 0) return 0;
  std::vector<Entry>& list = lists_[seconds];
  auto below =
      std::find_if(list.begin(), list.end(), [&](const Entry& kept) { return kept.score < entry.score; });
  const auto place = static_cast<size_t>(below - list.begin());
  if (place >= kKeptPerTime) return 0;
  list.insert(below, entry);
  if (list.size() > kKeptPerTime) list.pop_back();
  return static_cast<int>(place) + 1;
}

const std::vector<Entry>& Table::best(uint16_t seconds) const {
  auto found = lists_.find(seconds);
  return found == lists_.end() ? kNoEntries : found->second;
}

std::string Table::text() const {
  std::string text = std::string(kHeader) + '\n';
  for (const auto& [seconds, list] : lists_) {
    for (const Entry& entry : list) {
      text += std::to_string(seconds) + ' ' + std::to_string(entry.score) + ' ' + entry.date + '\n';
    }
  }
  return text;
}

std::optional<Table> parseTable(std::string_view text, size_t* skipped) {
  const std::vector<std::string_view> lines = textLines(text);
  if (lines.empty() || lines.front() != kHeader) return std::nullopt;
  Table table;
  size_t senseless = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (!addLine(table, lines[i])) ++senseless;
  }
  if (skipped != nullptr) *skipped = senseless;
  return table;
}

}  // namespace records
