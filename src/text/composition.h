#pragma once
// Canonical composition (Normalization Form C), so that a letter written
// as one character and the same letter written as a base and its marks
// (é as U+00E9, or as e and U+0301) can be told to be the same. Meant for
// short text, a letter or a word.

#include <string>
#include <string_view>

namespace text {

/// The NFC form of utf8. A byte that is no part of valid UTF-8 is kept as
/// it is, and nothing composes across it.
std::string composed(std::string_view utf8);

}  // namespace text
