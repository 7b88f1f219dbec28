#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/durable_files.h"

namespace platform {
namespace {

constexpr mode_t kFileMode = 0644;
// A held lock is tried again this often while it is waited for.
constexpr std::chrono::milliseconds kLockRetry{20};

std::string errorText() { return std::strerror(errno); }

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// A relative value would put the state under whatever folder the program
// was started from.
std::string absoluteEnvironment(const char* name) {
  std::string value = environment(name);
  return !value.empty() && value[0] == '/' ? value : std::string();
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

// flock, retried when a signal interrupts it; false when the lock is taken.
bool tryLock(int descriptor, int& error) {
  int result = 0;
  do {
    result = ::flock(descriptor, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  error = result == 0 ? 0 : errno;
  return result == 0;
}

}  // namespace

std::string stateFolder() {
  const std::string stateHome = absoluteEnvironment("XDG_STATE_HOME");
  if (!stateHome.empty()) return stateHome + "/quillop";
  const std::string home = absoluteEnvironment("HOME");
  if (home.empty()) return {};
  return home + "/.local/state/quillop";
}

// O_EXCL with O_CREAT fails on any name that exists, a link included, so
// nothing planted under the name is ever written through.
NewFile writeNewFile(const std::string& path, const std::string& text, std::string& reason) {
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
  if (descriptor < 0) {
    if (errno == EEXIST) return NewFile::kNameTaken;
    reason = errorText();
    return NewFile::kFailed;
  }
  const bool written = writeAll(descriptor, text) && ::fsync(descriptor) == 0;
  if (!written) reason = errorText();
  const bool closed = ::close(descriptor) == 0;
  if (written && !closed) reason = errorText();
  if (written && closed) return NewFile::kWritten;
  ::unlink(path.c_str());
  return NewFile::kFailed;
}

bool renameOver(const std::string& from, const std::string& to, std::string& reason) {
  if (::rename(from.c_str(), to.c_str()) != 0) {
    reason = errorText();
    return false;
  }
  syncFolderOf(to);
  return true;
}

FileLock::FileLock(const std::string& path, uint32_t waitMs) {
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kFileMode);
  if (descriptor < 0) {
    reason_ = errorText();
    return;
  }
  handle_ = descriptor;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  int error = 0;
  while (!(held_ = tryLock(descriptor, error)) && error == EWOULDBLOCK &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(kLockRetry);
  }
  timedOut_ = !held_ && error == EWOULDBLOCK;
  if (!held_) reason_ = timedOut_ ? "held by another program" : std::strerror(error);
}

FileLock::~FileLock() {
  // Closing the file releases the lock.
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace platform
