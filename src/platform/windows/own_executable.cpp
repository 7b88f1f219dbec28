#include <windows.h>

#include <string>

#include "platform/own_executable.h"

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

// File names are opened through the C library, which takes them in the
// system's code page; a name that code page cannot hold is of no use.
std::string inSystemCodePage(const std::wstring& wide) {
  BOOL lossy = FALSE;
  auto wideLength = static_cast<int>(wide.size());
  int length =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return {};
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, narrow.data(), length, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace

std::string ownExecutablePath() { return inSystemCodePage(ownModuleFileName()); }

}  // namespace platform
