#include <string>

#include <windows.h>

#include "driver/dictionary_location.h"

namespace driver {
namespace {

// Long paths may exceed MAX_PATH; the buffer grows until the name fits.
std::wstring ownExecutable() {
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
  int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                   nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return {};
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                      length, nullptr, nullptr);
  return narrow;
}

}  // namespace

// The release unpacks into one folder: the dictionary lies beside the
// program, wherever that folder was put.
std::string installedDictionaryPath() {
  std::wstring program = ownExecutable();
  size_t folderEnd = program.find_last_of(L"\\/");
  if (folderEnd == std::wstring::npos) return {};
  return inSystemCodePage(program.substr(0, folderEnd + 1) + L"engldict.txt");
}

}  // namespace driver
