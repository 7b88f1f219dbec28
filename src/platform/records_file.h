#pragma once
// What keeping the records needs from the operating system beyond the
// standard library: where the player's state belongs, a lock that running
// copies of the program share, and replacing a file so that it is always
// either the old file or the new one, whole. One implementation per
// system (platform/posix/records_file.cpp, platform/windows/records_file.cpp),
// chosen by the build.

#include <cstdint>
#include <string>

namespace records {

/// The folder the records belong in: on POSIX systems $XDG_STATE_HOME/quillop
/// (an empty or relative value counts as unset), else
/// $HOME/.local/state/quillop; on Windows %LOCALAPPDATA%\Quillop. Empty when
/// the environment names none of these.
std::string stateFolder();

/// Writes text to a new file beside path, flushes it to the disk and then
/// renames it over path. On failure path is as it was, and reason says why.
bool replaceFile(const std::string& path, const std::string& text, std::string& reason);

/// An exclusive lock on the file at path (created when missing), held from
/// construction, waiting for any other holder, until destruction.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  /// False when the lock file could not be opened or locked; reason says why.
  bool held() const { return held_; }
  const std::string& reason() const { return reason_; }

 private:
  bool held_ = false;
  std::string reason_;
  std::intptr_t handle_ = -1;  ///< the platform's handle of the open lock file, or -1
};

}  // namespace records
