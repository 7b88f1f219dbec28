#pragma once
// UTF-8, the one way the program reads and writes it. A sequence is valid
// only in its shortest form, for a code point up to U+10FFFF that is not a
// surrogate; everything else is a byte standing alone, which the callers
// take as its Latin-1 character.

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

constexpr char32_t kLastCodePoint = 0x10FFFF;

/// How many bytes the sequence this byte leads has: 1 for ASCII, 2 to 4,
/// or 0 for a byte that leads none (a continuation byte, C0, C1, F5 to FF).
size_t sequenceLength(unsigned char lead);

/// A byte from 0x80 to 0xBF, which only continues a sequence.
constexpr bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

/// One character read from the front of some bytes.
struct Character {
  char32_t codePoint;  ///< for an invalid byte, that byte's value (its Latin-1 character)
  size_t length;       ///< bytes taken: 1 for an invalid byte
  bool valid;          ///< false: the first byte begins no valid sequence
};

/// The character at the front of bytes, which must not be empty.
Character decode(std::string_view bytes);

/// True when bytes are the start of a valid sequence cut short: a lead byte
/// and fewer continuation bytes than it calls for, so more may follow.
bool isUnfinished(std::string_view bytes);

/// Adds the UTF-8 of codePoint (at most kLastCodePoint) to text.
void appendUtf8(std::string& text, char32_t codePoint);
std::string utf8Of(char32_t codePoint);

}  // namespace text
