#include <windows.h>

#include <string>

#include "platform/own_executable.h"
#include "platform/windows/wide_names.h"

namespace platform {
namespace {

// A path may be longer than MAX_PATH; the buffer grows until the name fits.
std::wstring ownModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

// In UTF-8, as the program keeps names, whatever the code page can hold.
std::string ownExecutablePath() { return utf8Name(ownModuleFileName()); }

}  // namespace platform
