#pragma once
// UTF-16, as the Windows console and file names take it: code points
// beyond the Basic Multilingual Plane as surrogate pairs.

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
constexpr bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

/// One character read from the front of some UTF-16 units.
struct Utf16Character {
  char32_t codePoint;  ///< kReplacementCharacter for a surrogate that is not part of a pair
  size_t length;       ///< units taken: 1 or 2
};

/// The character at the front of units, which must not be empty.
Utf16Character decodeUtf16(std::u16string_view units);

/// Adds the UTF-16 of codePoint (a surrogate pair beyond U+FFFF) to text.
void appendUtf16(std::u16string& text, char32_t codePoint);

}  // namespace text
