#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/records_file.h"

namespace records {
namespace {

constexpr const char* kTemporarySuffix = ".new";
constexpr mode_t kFileMode = 0644;

std::string errorText() { return std::strerror(errno); }

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool writeAll(int descriptor, const std::string& text) {
  for (size_t written = 0; written < text.size();) {
    const ssize_t now = ::write(descriptor, text.data() + written, text.size() - written);
    if (now < 0 && errno == EINTR) continue;
    if (now <= 0) return false;
    written += static_cast<size_t>(now);
  }
  return true;
}

// The new file's bytes reach the disk before it takes the old one's name,
// so a crash never leaves a named file with missing contents.
bool writeSynced(const std::string& path, const std::string& text, std::string& reason) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
  if (descriptor < 0) {
    reason = errorText();
    return false;
  }
  const bool written = writeAll(descriptor, text) && ::fsync(descriptor) == 0;
  if (!written) reason = errorText();
  const bool closed = ::close(descriptor) == 0;
  if (written && !closed) reason = errorText();
  return written && closed;
}

// The rename itself is an entry of the folder: syncing the folder makes it
// last. A folder that cannot be opened for this still has the rename.
void syncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

std::string stateFolder() {
  const std::string stateHome = environment("XDG_STATE_HOME");
  if (!stateHome.empty() && stateHome[0] == '/') return stateHome + "/quillop";
  const std::string home = environment("HOME");
  if (home.empty()) return {};
  return home + "/.local/state/quillop";
}

bool replaceFile(const std::string& path, const std::string& text, std::string& reason) {
  const std::string temporary = path + kTemporarySuffix;
  if (!writeSynced(temporary, text, reason)) {
    ::unlink(temporary.c_str());
    return false;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    reason = errorText();
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolderOf(path);
  return true;
}

FileLock::FileLock(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kFileMode);
  if (descriptor < 0) {
    reason_ = errorText();
    return;
  }
  handle_ = descriptor;
  int result = 0;
  do {
    result = ::flock(descriptor, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  held_ = result == 0;
  if (!held_) reason_ = errorText();
}

FileLock::~FileLock() {
  // Closing the file releases the lock.
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace records
