// The records' file operations on Windows. Names travel in the process's
// ANSI code page, as the standard library's narrow paths do there, so the
// folder named here is the one the shared records code opens.

#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/records_file.h"

namespace records {
namespace {

constexpr const char* kTemporarySuffix = ".new";
constexpr DWORD kMessageSize = 256;

std::string errorText(DWORD code) {
  char message[kMessageSize] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      code, 0, message, kMessageSize, nullptr);
  std::string text(message, length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == '.')) text.pop_back();
  return text.empty() ? "error " + std::to_string(code) : text;
}

std::string environment(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return {};
  std::string value(size, '\0');
  value.resize(GetEnvironmentVariableA(name, value.data(), size));
  return value;
}

// The new file's bytes reach the disk before it takes the old one's name,
// so a crash never leaves a named file with missing contents.
bool writeSynced(const std::string& path, const std::string& text, std::string& reason) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason = errorText(GetLastError());
    return false;
  }
  DWORD written = 0;
  const bool synced = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                      written == text.size() && FlushFileBuffers(file);
  if (!synced) reason = errorText(GetLastError());
  CloseHandle(file);
  return synced;
}

}  // namespace

std::string stateFolder() {
  const std::string localAppData = environment("LOCALAPPDATA");
  return localAppData.empty() ? std::string() : localAppData + "\\Quillop";
}

bool replaceFile(const std::string& path, const std::string& text, std::string& reason) {
  const std::string temporary = path + kTemporarySuffix;
  if (!writeSynced(temporary, text, reason)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  // Write-through: the call returns once the rename is on the disk.
  if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    reason = errorText(GetLastError());
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

FileLock::FileLock(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason_ = errorText(GetLastError());
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  OVERLAPPED fromTheStart = {};
  held_ = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &fromTheStart) != 0;
  if (!held_) reason_ = errorText(GetLastError());
}

FileLock::~FileLock() {
  // Closing the file releases the lock.
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace records
