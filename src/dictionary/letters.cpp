#include "dictionary/letters.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace dictionary {
namespace {

LetterRule currentRule = LetterRule::kBytes;

struct Range {
  char32_t first;
  char32_t last;
};

// Combining marks: they add to the character before them and take no
// column of their own.
constexpr std::array<Range, 12> kCombiningMarks = {{
    {0x0300, 0x036F},
    {0x0483, 0x0489},
    {0x0591, 0x05BD},
    {0x0610, 0x061A},
    {0x064B, 0x065F},
    {0x0E31, 0x0E31},
    {0x0E34, 0x0E3A},
    {0x1AB0, 0x1AFF},
    {0x1DC0, 0x1DFF},
    {0x20D0, 0x20FF},
    {0x302A, 0x302F},
    {0xFE20, 0xFE2F},
}};

// Characters a terminal shows two columns wide: the CJK blocks, Hangul,
// full-width forms and most pictographs.
constexpr std::array<Range, 14> kWideCharacters = {{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF},
    {0x20000, 0x3FFFD},
}};

// Controls, invisible formatting, private use and non-characters: nothing a
// player could read or type as a letter.
constexpr std::array<Range, 11> kUnprintable = {{
    {0x0000, 0x001F},
    {0x007F, 0x009F},
    {0x00AD, 0x00AD},
    {0x200B, 0x200F},
    {0x2028, 0x202E},
    {0x2060, 0x206F},
    {0xD800, 0xF8FF},
    {0xFEFF, 0xFEFF},
    {0xFFF0, 0xFFFF},
    {0xE0000, 0xE007F},
    {0xF0000, 0x10FFFF},
}};

template <size_t kCount>
bool within(const std::array<Range, kCount>& ranges, char32_t codePoint) {
  return std::any_of(ranges.begin(), ranges.end(), [codePoint](const Range& range) {
    return codePoint >= range.first && codePoint <= range.last;
  });
}

bool isCombiningMark(char32_t codePoint) { return within(kCombiningMarks, codePoint); }

// One character read from the front of bytes: a valid UTF-8 sequence, or
// else its first byte alone, as that byte's Latin-1 character.
struct Character {
  char32_t codePoint;
  size_t length;
};

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The sequence's length from its lead byte, 0 for a byte that leads none,
// and the smallest code point that length may carry (anything less is an
// overlong form, which is not valid UTF-8).
size_t sequenceLength(unsigned char lead, char32_t& smallest) {
  if (lead >= 0xC2 && lead <= 0xDF) return smallest = 0x80, 2;
  if (lead >= 0xE0 && lead <= 0xEF) return smallest = 0x800, 3;
  if (lead >= 0xF0 && lead <= 0xF4) return smallest = 0x10000, 4;
  return 0;
}

Character readCharacter(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return {lead, 1};
  char32_t smallest = 0;
  const size_t length = sequenceLength(lead, smallest);
  if (length == 0 || length > bytes.size()) return {lead, 1};
  char32_t codePoint = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!isContinuation(byte)) return {lead, 1};
    codePoint = codePoint << 6 | (byte & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) return {lead, 1};
  return {codePoint, length};
}

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The letter at the front of bytes: one character and the marks after it.
// Nearly every letter is plain ASCII with no mark after it, answered at once.
size_t letterLength(std::string_view bytes) {
  if (static_cast<unsigned char>(bytes[0]) < 0x80 &&
      (bytes.size() == 1 || static_cast<unsigned char>(bytes[1]) < 0x80))
    return 1;
  size_t length = readCharacter(bytes).length;
  while (length < bytes.size()) {
    const Character next = readCharacter(bytes.substr(length));
    if (next.length == 1 || !isCombiningMark(next.codePoint)) break;
    length += next.length;
  }
  return length;
}

// Plain ASCII and the Latin letters below the first combining mark are
// answered at once: nearly every letter of a word list is one of them.
bool showsInOneColumn(char32_t codePoint) {
  if (codePoint >= 0x20 && codePoint < 0x7F) return true;
  if (codePoint >= 0xA0 && codePoint < 0x300) return codePoint != 0xAD;
  return !within(kUnprintable, codePoint) && !within(kWideCharacters, codePoint) &&
         !isCombiningMark(codePoint);
}

void appendUtf8(std::string& text, char32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | codePoint >> 6);
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    text += static_cast<char>(0xE0 | codePoint >> 12);
    text += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | codePoint >> 18);
    text += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
    text += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace

void setLetterRule(LetterRule rule) { currentRule = rule; }
LetterRule letterRule() { return currentRule; }

std::vector<std::string_view> lettersOf(std::string_view word) {
  std::vector<std::string_view> letters;
  while (!word.empty()) {
    const size_t length = currentRule == LetterRule::kBytes ? 1 : letterLength(word);
    letters.push_back(word.substr(0, length));
    word.remove_prefix(length);
  }
  return letters;
}

size_t letterCount(std::string_view word) {
  if (currentRule == LetterRule::kBytes || isAscii(word)) return word.size();
  size_t count = 0;
  for (; !word.empty(); ++count) word.remove_prefix(letterLength(word));
  return count;
}

std::string_view leadingLetters(std::string_view text, size_t count) {
  if (currentRule == LetterRule::kBytes || isAscii(text)) return text.substr(0, count);
  size_t length = 0;
  for (; count > 0 && length < text.size(); --count) length += letterLength(text.substr(length));
  return text.substr(0, length);
}

// A byte from 0x80 to 0xBF standing alone could, in another order of the
// letters, complete a stray lead byte before it into a character: a shuffle
// or a typed input would then split into other letters than the word's.
bool isLoneContinuation(std::string_view bytes, const Character& character) {
  return character.length == 1 && isContinuation(static_cast<unsigned char>(bytes[0]));
}

// Only the first character of each letter takes a column: the marks after
// it were taken in by the letter, and a mark that leads one has no base.
size_t printableLetterCount(std::string_view line, size_t limit) {
  size_t count = 0;
  for (; !line.empty(); ++count) {
    if (count == limit) return limit + 1;
    const Character character = readCharacter(line);
    if (!showsInOneColumn(character.codePoint) || isLoneContinuation(line, character)) return 0;
    line.remove_prefix(letterLength(line));
  }
  return count;
}

std::string shownText(std::string_view word) {
  if (currentRule == LetterRule::kBytes || isAscii(word)) return std::string(word);
  std::string text;
  text.reserve(word.size() + 2);
  while (!word.empty()) {
    const Character character = readCharacter(word);
    appendUtf8(text, character.codePoint);
    word.remove_prefix(character.length);
  }
  return text;
}

}  // namespace dictionary
