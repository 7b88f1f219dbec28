#include "records/table.h"

#include <algorithm>
#include <charconv>

#include "records/state_file.h"

namespace records {
namespace {

constexpr uint16_t kTimes[] = {30, 60, 90, 120};
constexpr size_t kDateLength = 10;  // YYYY-MM-DD

const std::vector<Entry> kNoEntries;

bool isTime(uint32_t seconds) {
  return std::find(std::begin(kTimes), std::end(kTimes), seconds) != std::end(kTimes);
}

bool isDate(std::string_view date) {
  if (date.size() != kDateLength) return false;
  for (size_t i = 0; i < kDateLength; ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? date[i] != '-' : (date[i] < '0' || date[i] > '9')) return false;
  }
  return true;
}

// A decimal number up to the next blank, which is consumed; nothing for
// anything else, a sign or an overflow included.
std::optional<uint32_t> takeNumber(std::string_view& line) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error != std::errc() || end == line.data() || end == line.data() + line.size() || *end != ' ') {
    return std::nullopt;
  }
  line.remove_prefix(static_cast<size_t>(end - line.data()) + 1);
  return value;
}

}  // namespace

bool addLine(Table& table, std::string_view line) {
  const std::optional<uint32_t> seconds = takeNumber(line);
  const std::optional<uint32_t> score = takeNumber(line);
  if (!seconds || !score || !isTime(*seconds) || !isDate(line)) return false;
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
