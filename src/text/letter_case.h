#pragma once
// Small letters from capitals, by the simple (one character to one
// character) lower-case mappings of the Unicode Character Database, so a
// word typed in capitals can be matched with a list of small letters in
// any script: "ÉTÉ" gives "été", as "PLAN" gives "plan".

#include <string>
#include <string_view>

namespace text {

/// The small letter of codePoint; codePoint itself when it has none (a
/// small letter, ß, a digit, a mark, a letter of a script without case).
char32_t lowerCase(char32_t codePoint);

/// utf8 with every character in its lower case. A byte that is no part of
/// valid UTF-8 is kept as it is, and the text keeps its canonical form
/// (É written as E and its accent gives e and the accent).
std::string lowerCased(std::string_view utf8);

}  // namespace text
