#pragma once
// What a character is to a player and to a terminal, by the Unicode
// Character Database (the tables in unicode_tables.cpp).

#include <cstdint>

namespace text {

/// A nonspacing or enclosing mark: it joins the character before it, drawn
/// over that character, and takes no column of its own.
bool isCombiningMark(char32_t codePoint);

/// Shown two columns wide on a terminal (CJK, Hangul, full-width forms,
/// most pictographs).
bool isWide(char32_t codePoint);

/// Something a player can read: not a control, invisible formatting, a
/// surrogate, private use, unassigned, or a line or paragraph separator.
bool isPrintable(char32_t codePoint);

/// A space separator, the ordinary space among them: it shows as nothing.
bool isBlank(char32_t codePoint);

/// The canonical combining class, which orders marks; 0 for a starter.
uint8_t combiningClass(char32_t codePoint);

}  // namespace text
