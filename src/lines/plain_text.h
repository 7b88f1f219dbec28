#pragma once
// What a line of line mode may hold: text only, read out as it stands by a
// screen reader or a braille display. Every line starts with what it is
// about, a label such as "Letters:" or "Yes:", and holds at most
// kLineColumns columns; a longer fact goes on over more lines that start
// with the same label.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lines {

constexpr size_t kLineColumns = 80;

/// bytes as they may be shown: control characters (escape sequences,
/// carriage returns, backspaces, line ends) and invisible formatting become
/// blanks, box-drawing, block and square characters are left out, and a run
/// of three or more of the same punctuation mark is cut to two, as a reader
/// would spell every one.
std::string plainText(std::string_view bytes);

/// The columns bytes take: a character takes one, a combining mark none,
/// a wide East Asian character two. Bytes that are not UTF-8 take one each.
size_t columnsOf(std::string_view bytes);

/// "label: detail" as lines of at most kLineColumns columns, broken at
/// blanks (or inside a word longer than a line), each line after the first
/// starting with the label again. detail goes through plainText first.
std::vector<std::string> labelledLines(std::string_view label, std::string_view detail);

}  // namespace lines
