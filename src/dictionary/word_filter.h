#pragma once
// Which lines of a word file become dictionary words.

#include <string_view>

namespace dictionary {

constexpr size_t kShortestUsable = 3;
constexpr size_t kLongestUsable = 6;

/// The line without the carriage return of a CR LF line end, so that files
/// written with either convention give the same words.
std::string_view withoutCarriageReturn(std::string_view line);

/// 3 to 6 bytes, no apostrophe and no control byte (0 to 31, 127); blanks,
/// digits and capitals are kept as they are. Control bytes are refused so a
/// word file cannot send terminal control sequences to the screen.
bool isUsableWord(std::string_view word);

}  // namespace dictionary
