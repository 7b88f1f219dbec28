#include "records/lasting_file.h"

#include "platform/file_names.h"

namespace records {
namespace {

// One lock for all the folder's files; it kept the best scores first and
// keeps its name, so copies of older versions still share it.
constexpr const char* kLockName = "records.lock";

}  // namespace

FolderFile::FolderFile(std::string folder, const FileKind& kind, uint32_t lockWaitMs)
    : folder_(std::move(folder)), kind_(kind), lockWaitMs_(lockWaitMs) {}

std::string FolderFile::path() const {
  return platform::nameOfPath(platform::pathOfName(folder_) / kind_.name);
}

std::string FolderFile::lockPath() const {
  return platform::nameOfPath(platform::pathOfName(folder_) / kLockName);
}

bool FolderFile::makeFolder(std::string& reason) const {
  if (nowhere()) {
    reason = "no home folder";
    return false;
  }
  return makeStateFolder(folder_, reason);
}

bool FolderFile::held(const platform::FileLock& lock, std::string& reason) const {
  if (lock.held()) return true;
  reason = std::string(kLockName) + (lock.timedOut() ? " is " : ": ") + lock.reason();
  return false;
}

StateFileRead FolderFile::read(const TextParser& parse, bool locked) {
  StateFileRead result =
      readStateFile(path(), parse, FileWords{kind_.what, kind_.next}, locked, kind_.largest);
  if (!result.notice.empty()) notice_ = result.notice;
  return result;
}

bool FolderFile::replace(const std::string& text, std::string& reason) const {
  return replaceFile(path(), text, reason);
}

void FolderFile::tellUnsaved(const std::string& reason) {
  if (!toldUnsaved_)
    notice_ = std::string(kind_.unsaved) + " cannot be saved (" + reason + "); they last until you quit.";
  toldUnsaved_ = true;
}

std::string FolderFile::takeNotice() {
  std::string notice;
  notice.swap(notice_);
  return notice;
}

}  // namespace records
