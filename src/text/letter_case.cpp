#include "text/letter_case.h"

#include <algorithm>
#include <span>

#include "text/unicode_tables.h"
#include "text/utf8.h"

namespace text {

// ASCII is answered without the table: most words are ASCII.
char32_t lowerCase(char32_t codePoint) {
  if (codePoint < 0x80) return codePoint >= U'A' && codePoint <= U'Z' ? codePoint + (U'a' - U'A') : codePoint;
  const std::span<const tables::CaseMapping> mappings = tables::lowerCases();
  const auto found = std::lower_bound(
      mappings.begin(), mappings.end(), codePoint,
      [](const tables::CaseMapping& mapping, char32_t value) { return mapping.from < value; });
  return found != mappings.end() && found->from == codePoint ? found->to : codePoint;
}

std::string lowerCased(std::string_view utf8) {
  std::string lower;
  lower.reserve(utf8.size());
  while (!utf8.empty()) {
    const Character character = decode(utf8);
    if (character.valid) {
      appendUtf8(lower, lowerCase(character.codePoint));
    } else {
      lower.append(utf8.substr(0, character.length));
    }
    utf8.remove_prefix(character.length);
  }
  return lower;
}

}  // namespace text
