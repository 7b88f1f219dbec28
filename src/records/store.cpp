#include "records/store.h"

#include <utility>

namespace records {

std::optional<Parsed<Table>> BestScoresKind::parse(std::string_view text) {
  size_t skipped = 0;
  std::optional<Table> table = parseTable(text, &skipped);
  if (!table) return std::nullopt;
  return Parsed<Table>{std::move(*table), skipped};
}

Store::Store(std::string folder, std::function<std::string()> today, uint32_t lockWaitMs)
    : file_(std::move(folder), lockWaitMs), today_(std::move(today)) {}

int Store::add(uint16_t seconds, uint32_t score) { return add(seconds, score, today_()); }

int Store::add(uint16_t seconds, uint32_t score, const std::string& date) {
  if (score == 0) return 0;  // never enters, so there is nothing to write
  return file_.add(BestScoresKind::Score{seconds, Entry{score, date}});
}

}  // namespace records
