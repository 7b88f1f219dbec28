#include "records/store.h"

#include <ctime>
#include <utility>

namespace records {

std::string localDate() {
  const std::time_t now = std::time(nullptr);
  char date[sizeof "YYYY-MM-DD"] = {};
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return date;
}

std::optional<Parsed<Table>> BestScoresKind::parse(std::string_view text) {
  size_t skipped = 0;
  std::optional<Table> table = parseTable(text, &skipped);
  if (!table) return std::nullopt;
  return Parsed<Table>{std::move(*table), skipped};
}

Store::Store(std::string folder, std::function<std::string()> today, uint32_t lockWaitMs)
    : file_(std::move(folder), lockWaitMs), today_(std::move(today)) {}

int Store::add(uint16_t seconds, uint32_t score) {
  if (score == 0) return 0;  // never enters, so there is nothing to write
  return file_.add(BestScoresKind::Score{seconds, Entry{score, today_()}});
}

}  // namespace records
