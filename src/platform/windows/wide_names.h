#pragma once
// Between the UTF-8 names the program keeps and the UTF-16 ones the
// system's wide functions take (wchar_t is a UTF-16 unit on Windows).

#include <string>
#include <string_view>

#include "platform/windows/utf16_text.h"

namespace platform {

inline std::wstring wideName(std::string_view utf8) {
  const std::u16string units = platform::nameToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

inline std::string utf8Name(std::wstring_view wide) {
  return platform::toUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace platform
