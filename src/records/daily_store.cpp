#include "records/daily_store.h"

#include <filesystem>
#include <utility>

#include "game/game_code.h"
#include "platform/records_file.h"
#include "records/state_files.h"

namespace daily {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFileName = "daily.txt";
// The best scores' lock: one lock for the folder's files.
constexpr const char* kLockName = "records.lock";
// A line a day for a lifetime is well under this; a file far larger is not ours.
constexpr std::uintmax_t kLargestFile = 4 << 20;

std::string fileName(const std::string& path) { return fs::path(path).filename().string(); }

}  // namespace

Store::Store(std::string folder, std::function<std::string()> today)
    : folder_(std::move(folder)), today_(std::move(today)) {}

std::string Store::pathOf(const char* name) const { return (fs::path(folder_) / name).string(); }

void Store::load() {
  if (folder_.empty()) return;
  const records::FileLock lock(pathOf(kLockName));
  saved_ = shown_ = readKeepingAside();
}

std::vector<Result> Store::readKeepingAside() {
  std::string text;
  const records::ReadOutcome outcome = records::readFile(pathOf(kFileName), text, kLargestFile);
  if (outcome == records::ReadOutcome::kMissing) return {};
  if (outcome == records::ReadOutcome::kRead) {
    if (std::optional<History> history = parseHistory(text)) {
      if (history->skippedLines > 0) cleanOut(*history);
      return history->results;
    }
  }
  setAside(outcome == records::ReadOutcome::kFailed);
  return {};
}

void Store::setAside(bool unreadable) {
  const std::string what = unreadable ? "Daily results file unreadable" : "Daily results file made no sense";
  const std::string aside = records::moveAside(pathOf(kFileName));
  notice_ = aside.empty() ? what + " and could not be moved; daily results start anew."
                          : what + ": kept as " + fileName(aside) + "; daily results start anew.";
}

// The file as it was is kept aside, and written again without the lines
// that made no sense, so they are set aside once, not at every reading.
void Store::cleanOut(const History& history) {
  const std::string aside = records::copyAside(pathOf(kFileName));
  const bool one = history.skippedLines == 1;
  notice_ = std::to_string(history.skippedLines) + (one ? " line" : " lines") +
            " of the daily results made no sense and " + (one ? "was" : "were") + " skipped";
  if (aside.empty()) {
    notice_ += '.';
    return;
  }
  notice_ += "; the file was kept as " + fileName(aside) + '.';
  std::string reason;
  records::replaceFile(pathOf(kFileName), historyText(history.results), reason);
}

// Read afresh under the lock: a result another copy kept meanwhile wins.
bool Store::save(bool& kept, std::string& reason) {
  if (folder_.empty()) {
    reason = "no home folder";
    return false;
  }
  if (!records::makeFolder(folder_, reason)) return false;
  const records::FileLock lock(pathOf(kLockName));
  if (!lock.held()) {
    reason = lock.reason();
    return false;
  }
  std::vector<Result> merged = readKeepingAside();
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
  result_.code = dailyGameCode(date);
  result_.date = std::move(date);
}

void Play::finish(uint32_t score) {
  if (practice_) return;
  result_.score = score;
  practice_ = !store_.keep(result_);
}

}  // namespace daily
