#include "records/daily_store.h"

#include <utility>

#include "rules/game_code.h"

namespace records {

std::optional<Parsed<DailyResultsKind::Contents>> DailyResultsKind::parse(std::string_view text) {
  std::optional<History> history = parseHistory(text);
  if (!history) return std::nullopt;
  return Parsed<Contents>{std::move(history->results), history->skippedLines};
}

DailyStore::DailyStore(std::string folder, std::function<std::string()> today, uint32_t lockWaitMs)
    : file_(std::move(folder), lockWaitMs), today_(std::move(today)) {}

bool DailyStore::keep(const rules::DailyResult& result) {
  if (rules::resultOf(results(), result.date) != nullptr) return false;
  return file_.add(result);
}

DailyPlay::DailyPlay(DailyStore& store, std::string date) : store_(store) {
  practice_ = rules::resultOf(store.results(), date) != nullptr;
  result_.code = rules::dailyGameCode(date);
  result_.date = std::move(date);
}

void DailyPlay::finish(uint32_t score) {
  if (practice_) return;
  result_.score = score;
  practice_ = !store_.keep(result_);
}

}  // namespace records
