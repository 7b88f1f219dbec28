#include "records/store.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/records_file.h"
#include "records/state_files.h"

namespace records {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFileName = "records.txt";
constexpr const char* kLockName = "records.lock";
constexpr const char* kAsideSuffix = ".bad";
// A full table is well under a kilobyte; a file far larger is not ours.
constexpr std::uintmax_t kLargestFile = 65536;
constexpr int kAsideAttempts = 1000;

}  // namespace

ReadOutcome readFile(const std::string& path, std::string& text, std::uintmax_t largest) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return ReadOutcome::kMissing;
  if (status.type() != fs::file_type::regular || fs::file_size(path, error) > largest || error) {
    return ReadOutcome::kFailed;
  }
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  if (!file) return ReadOutcome::kFailed;
  text = contents.str();
  return ReadOutcome::kRead;
}

// Callers hold the lock, so no other copy of the program takes the same
// name meanwhile.
std::string moveAside(const std::string& path) {
  for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
    std::string aside = path + kAsideSuffix;
    if (attempt > 1) {
      aside += '.';
      aside += std::to_string(attempt);
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(aside, error))) continue;
    fs::rename(path, aside, error);
    return error ? std::string() : aside;
  }
  return {};
}

std::string copyAside(const std::string& path) {
  for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
    std::string aside = path + kAsideSuffix;
    if (attempt > 1) {
      aside += '.';
      aside += std::to_string(attempt);
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(aside, error))) continue;
    fs::copy_file(path, aside, error);
    return error ? std::string() : aside;
  }
  return {};
}

// The folder is the player's own: private where the platform has such modes.
bool makeFolder(const std::string& folder, std::string& reason) {
  std::error_code error;
  if (fs::create_directories(folder, error)) fs::permissions(folder, fs::perms::owner_all, error);
  if (error) reason = error.message();
  return !error;
}

std::string localDate() {
  const std::time_t now = std::time(nullptr);
  char date[sizeof "YYYY-MM-DD"] = {};
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return date;
}

Store::Store(std::string folder, std::function<std::string()> today)
    : folder_(std::move(folder)), today_(std::move(today)) {}

std::string Store::pathOf(const char* name) const { return (fs::path(folder_) / name).string(); }

// The lock keeps a file that another copy is just replacing from being
// taken for nonsense; without a folder to lock in there is nothing to read.
void Store::load() {
  if (folder_.empty()) return;
  const FileLock lock(pathOf(kLockName));
  saved_ = readKeepingAside();
  shown_ = saved_;
}

Table Store::readKeepingAside() {
  std::string text;
  const ReadOutcome outcome = readFile(pathOf(kFileName), text, kLargestFile);
  if (outcome == ReadOutcome::kMissing) return {};
  if (outcome == ReadOutcome::kRead) {
    if (std::optional<Table> table = parseTable(text)) return *table;
  }
  keepAside(outcome == ReadOutcome::kFailed);
  return {};
}

void Store::keepAside(bool unreadable) {
  const std::string what = unreadable ? "Records file unreadable" : "Records file made no sense";
  const std::string aside = moveAside(pathOf(kFileName));
  notice_ = aside.empty()
                ? what + " and could not be moved; records start anew."
                : what + ": kept as " + fs::path(aside).filename().string() + "; records start anew.";
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
  if (!makeFolder(folder_, reason)) return false;
  const FileLock lock(pathOf(kLockName));
  if (!lock.held()) {
    reason = lock.reason();
    return false;
  }
  const Table current = readKeepingAside();
  const Table merged = withUnsaved(current, place);
  if (merged != current && !replaceFile(pathOf(kFileName), merged.text(), reason)) return false;
  saved_ = shown_ = merged;
  unsaved_.clear();
  return true;
}

int Store::add(uint16_t seconds, uint32_t score) {
  if (score == 0) return 0;  // never enters, so there is nothing to write
  unsaved_.push_back(Unsaved{seconds, Entry{score, today_()}});
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
