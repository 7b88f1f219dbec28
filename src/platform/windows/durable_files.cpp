// Durable files on Windows. Names travel in UTF-8, as the
// program keeps them, and reach the system as UTF-16 through its wide
// functions, so any name works whatever the code page.

#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/durable_files.h"
#include "platform/windows/wide_names.h"

namespace platform {
namespace {

constexpr DWORD kMessageSize = 256;

std::string errorText(DWORD code) {
  char message[kMessageSize] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      code, 0, message, kMessageSize, nullptr);
  std::string text(message, length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == '.')) text.pop_back();
  return text.empty() ? "error " + std::to_string(code) : text;
}

std::string environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return utf8Name(value);
}

// A held lock is tried again this often while it is waited for.
constexpr DWORD kLockRetryMs = 20;

bool writeWhole(HANDLE file, const std::string& text) {
  DWORD written = 0;
  return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size() && FlushFileBuffers(file);
}

bool tryLock(HANDLE file, DWORD& error) {
  OVERLAPPED fromTheStart = {};
  const bool locked = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                                 MAXDWORD, &fromTheStart) != 0;
  error = locked ? ERROR_SUCCESS : GetLastError();
  return locked;
}

}  // namespace

std::string stateFolder() {
  const std::string localAppData = environment(L"LOCALAPPDATA");
  return localAppData.empty() ? std::string() : localAppData + "\\Quillop";
}

// CREATE_NEW fails on any name that exists; with FILE_FLAG_OPEN_REPARSE_POINT
// a link found under the name is never followed.
NewFile writeNewFile(const std::string& path, const std::string& text, std::string& reason) {
  const HANDLE file = CreateFileW(wideName(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return NewFile::kNameTaken;
    reason = errorText(error);
    return NewFile::kFailed;
  }
  const bool written = writeWhole(file, text);
  if (!written) reason = errorText(GetLastError());
  CloseHandle(file);
  if (written) return NewFile::kWritten;
  DeleteFileW(wideName(path).c_str());
  return NewFile::kFailed;
}

// Write-through: the call returns once the rename is on the disk.
bool renameOver(const std::string& from, const std::string& to, std::string& reason) {
  if (!MoveFileExW(wideName(from).c_str(), wideName(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    reason = errorText(GetLastError());
    return false;
  }
  return true;
}

FileLock::FileLock(const std::string& path, uint32_t waitMs) {
  const HANDLE file = CreateFileW(wideName(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason_ = errorText(GetLastError());
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  const ULONGLONG giveUp = GetTickCount64() + waitMs;
  DWORD error = ERROR_SUCCESS;
  while (!(held_ = tryLock(file, error)) && error == ERROR_LOCK_VIOLATION && GetTickCount64() < giveUp) {
    Sleep(kLockRetryMs);
  }
  timedOut_ = !held_ && error == ERROR_LOCK_VIOLATION;
  if (!held_) reason_ = timedOut_ ? "held by another program" : errorText(error);
}

FileLock::~FileLock() {
  // Closing the file releases the lock.
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace platform
