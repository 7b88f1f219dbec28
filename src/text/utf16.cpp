#include "text/utf16.h"

namespace text {

Utf16Character decodeUtf16(std::u16string_view units) {
  if (isHighSurrogate(units[0]) && units.size() > 1 && isLowSurrogate(units[1]))
    return {0x10000 + ((char32_t{units[0]} - 0xD800) << 10) + (char32_t{units[1]} - 0xDC00), 2};
  const bool lone = isHighSurrogate(units[0]) || isLowSurrogate(units[0]);
  return {lone ? kReplacementCharacter : units[0], 1};
}

void appendUtf16(std::u16string& text, char32_t codePoint) {
  if (codePoint < 0x10000) {
    text += static_cast<char16_t>(codePoint);
    return;
  }
  codePoint -= 0x10000;
  text += static_cast<char16_t>(0xD800 + (codePoint >> 10));
  text += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

}  // namespace text
