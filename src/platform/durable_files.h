#pragma once
// Files that must outlast a crash or a power cut, as the operating system
// keeps them beyond what the standard library can ask for: where the
// player's state belongs, a lock that running copies of the program share, a
// new file that only this program can have made, and a rename that lasts.
// One implementation per platform (posix/durable_files.cpp,
// windows/durable_files.cpp), chosen by the build.

#include <cstdint>
#include <string>

namespace platform {

/// The folder the player's state belongs in: on POSIX systems $XDG_STATE_HOME/quillop,
/// else $HOME/.local/state/quillop, where an empty or relative value counts
/// as unset; on Windows %LOCALAPPDATA%\Quillop. Empty when the environment
/// names none of these.
std::string stateFolder();

enum class NewFile {
  kWritten,    ///< made, written and flushed to the disk
  kNameTaken,  ///< something (a file, a link) has the name already; it is left alone
  kFailed,     ///< see reason; nothing is left at the name
};

/// Creates a file at path that did not exist before, never through a link,
/// writes text to it and flushes it to the disk.
NewFile writeNewFile(const std::string& path, const std::string& text, std::string& reason);

/// Renames from over to, replacing it, and makes the rename last on the disk.
bool renameOver(const std::string& from, const std::string& to, std::string& reason);

/// How long a lock is waited for before the program goes on without it.
constexpr uint32_t kLockWaitMs = 2000;

/// An exclusive lock on the file at path (created when missing, never
/// through a link), held from construction until destruction. Another
/// holder is waited for at most waitMs.
class FileLock {
 public:
  explicit FileLock(const std::string& path, uint32_t waitMs = kLockWaitMs);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  /// False when the lock file could not be opened or locked; reason says why.
  bool held() const { return held_; }
  /// Not held because another holder kept it the whole wait.
  bool timedOut() const { return timedOut_; }
  const std::string& reason() const { return reason_; }

 private:
  bool held_ = false;
  bool timedOut_ = false;
  std::string reason_;
  std::intptr_t handle_ = -1;  ///< the platform's handle of the open lock file, or -1
};

}  // namespace platform
