#include "records/daily_store.h"

#include <utility>

#include "platform/file_names.h"
#include "platform/records_file.h"
#include "records/state_file.h"
#include "rules/game_code.h"

namespace daily {
namespace {

constexpr const char* kFileName = "daily.txt";
// The best scores' lock: one lock for the folder's files.
constexpr const char* kLockName = "records.lock";
// A line a day for a lifetime is well under this; a file far larger is not ours.
constexpr std::uintmax_t kLargestFile = 4 << 20;

}  // namespace

Store::Store(std::string folder, std::function<std::string()> today, uint32_t lockWaitMs)
    : folder_(std::move(folder)), today_(std::move(today)), lockWaitMs_(lockWaitMs) {}

std::string Store::pathOf(const char* name) const {
  return platform::nameOfPath(platform::pathOfName(folder_) / name);
}

void Store::load() {
  if (folder_.empty()) return;
  const records::FileLock lock(pathOf(kLockName), lockWaitMs_);
  saved_ = shown_ = read(lock.held());
}

// Lines skipped are in the copy set aside: the file is written again
// without them at once, so the next read does not set them aside again.
std::vector<Result> Store::read(bool locked) {
  std::vector<Result> results;
  const records::TextParser parse = [&results](std::string_view text) -> std::optional<size_t> {
    std::optional<History> history = parseHistory(text);
    if (!history) return std::nullopt;
    results = std::move(history->results);
    return history->skippedLines;
  };
  const records::StateFileRead read = records::readStateFile(
      pathOf(kFileName), parse, records::FileWords{"Daily results file", "daily results start anew"}, locked,
      kLargestFile);
  if (!read.notice.empty()) notice_ = read.notice;
  std::string reason;
  if (locked && read.skippedLines > 0) records::replaceFile(pathOf(kFileName), historyText(results), reason);
  return results;
}

// Read afresh under the lock: a result another copy kept meanwhile wins.
bool Store::save(bool& kept, std::string& reason) {
  if (folder_.empty()) {
    reason = "no home folder";
    return false;
  }
  if (!records::makeStateFolder(folder_, reason)) return false;
  const records::FileLock lock(pathOf(kLockName), lockWaitMs_);
  if (!lock.held()) {
    reason = std::string(kLockName) + (lock.timedOut() ? " is " : ": ") + lock.reason();
    return false;
  }
  std::vector<Result> merged = read(true);
  for (const Result& result : unsaved_) kept = addResult(merged, result);
  if (!records::replaceFile(pathOf(kFileName), historyText(merged), reason)) return false;
  saved_ = shown_ = std::move(merged);
  unsaved_.clear();
  return true;
}

bool Store::keep(const Result& result) {
  if (resultOf(shown_, result.date) != nullptr) return false;
  unsaved_.push_back(result);
  bool kept = false;
  std::string reason;
  if (save(kept, reason)) return kept;
  if (!toldUnsaved_) notice_ = "Daily results cannot be saved (" + reason + "); they last until you quit.";
  toldUnsaved_ = true;
  addResult(shown_, result);
  return true;
}

std::string Store::takeNotice() {
  std::string notice;
  notice.swap(notice_);
  return notice;
}

Play::Play(Store& store, std::string date) : store_(store) {
  practice_ = resultOf(store.results(), date) != nullptr;
  result_.code = rules::dailyGameCode(date);
  result_.date = std::move(date);
}

void Play::finish(uint32_t score) {
  if (practice_) return;
  result_.score = score;
  practice_ = !store_.keep(result_);
}

}  // namespace daily
