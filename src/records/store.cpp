#include "records/store.h"

#include <ctime>
#include <system_error>

#include "platform/file_names.h"
#include "platform/records_file.h"
#include "records/state_file.h"

namespace records {
namespace {

constexpr const char* kFileName = "records.txt";
constexpr const char* kLockName = "records.lock";

}  // namespace

std::string localDate() {
  const std::time_t now = std::time(nullptr);
  char date[sizeof "YYYY-MM-DD"] = {};
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return date;
}

Store::Store(std::string folder, std::function<std::string()> today, uint32_t lockWaitMs)
    : folder_(std::move(folder)), today_(std::move(today)), lockWaitMs_(lockWaitMs) {}

std::string Store::pathOf(const char* name) const {
  return platform::nameOfPath(platform::pathOfName(folder_) / name);
}

// The lock keeps a file that another copy is just replacing from being
// taken for nonsense. Without the lock the file is still whole (it is only
// ever replaced by a rename), so it is read, but nothing is set aside.
void Store::load() {
  if (folder_.empty()) return;
  const FileLock lock(pathOf(kLockName), lockWaitMs_);
  saved_ = read(lock.held());
  shown_ = saved_;
}

// Lines skipped are in the copy set aside: the file is written again
// without them at once, so the next read does not set them aside again.
Table Store::read(bool locked) {
  Table table;
  const TextParser parse = [&table](std::string_view text) -> std::optional<size_t> {
    size_t skipped = 0;
    std::optional<Table> parsed = parseTable(text, &skipped);
    if (!parsed) return std::nullopt;
    table = std::move(*parsed);
    return skipped;
  };
  const StateFileRead result =
      readStateFile(pathOf(kFileName), parse, FileWords{"Records file", "records start anew"}, locked);
  if (!result.notice.empty()) notice_ = result.notice;
  std::string reason;
  if (locked && result.skippedLines > 0) replaceFile(pathOf(kFileName), table.text(), reason);
  return table;
}

Table Store::withUnsaved(Table table, int& lastPlace) const {
  for (const Unsaved& score : unsaved_) lastPlace = table.add(score.seconds, score.entry);
  return table;
}

// Read afresh under the lock, so scores another copy wrote meanwhile stay.
bool Store::save(int& place, std::string& reason) {
  if (folder_.empty()) {
    reason = "no home folder";
    return false;
  }
  if (!makeStateFolder(folder_, reason)) return false;
  const FileLock lock(pathOf(kLockName), lockWaitMs_);
  if (!lock.held()) {
    reason = std::string(kLockName) + (lock.timedOut() ? " is " : ": ") + lock.reason();
    return false;
  }
  const Table current = read(true);
  const Table merged = withUnsaved(current, place);
  if (merged != current && !replaceFile(pathOf(kFileName), merged.text(), reason)) return false;
  saved_ = shown_ = merged;
  unsaved_.clear();
  return true;
}

int Store::add(uint16_t seconds, uint32_t score) { return add(seconds, score, today_()); }

int Store::add(uint16_t seconds, uint32_t score, const std::string& date) {
  if (score == 0) return 0;  // never enters, so there is nothing to write
  unsaved_.push_back(Unsaved{seconds, Entry{score, date}});
  int place = 0;
  std::string reason;
  if (save(place, reason)) return place;
  if (!toldUnsaved_) notice_ = "Records cannot be saved (" + reason + "); they last until you quit.";
  toldUnsaved_ = true;
  shown_ = withUnsaved(saved_, place);
  return place;
}

std::string Store::takeNotice() {
  std::string notice;
  notice.swap(notice_);
  return notice;
}

}  // namespace records
