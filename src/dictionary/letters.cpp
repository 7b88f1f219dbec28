#include "dictionary/letters.h"

#include <algorithm>

#include "text/character_classes.h"
#include "text/composition.h"
#include "text/utf8.h"

namespace dictionary {
namespace {

LetterRule currentRule = LetterRule::kBytes;

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
  size_t length = text::decode(bytes).length;
  while (length < bytes.size()) {
    const text::Character next = text::decode(bytes.substr(length));
    if (!next.valid || !text::isCombiningMark(next.codePoint)) break;
    length += next.length;
  }
  return length;
}

// A letter that a round can show and a key can type: one column, not a
// control, and no blank, which would show as nothing and whose key, Space,
// reshuffles the letters instead of typing one.
bool isTypeable(char32_t codePoint) {
  return text::isPrintable(codePoint) && !text::isWide(codePoint) && !text::isCombiningMark(codePoint) &&
         !text::isBlank(codePoint);
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

// Only the first character of each letter takes a column: the marks after
// it were taken in by the letter, and a mark that leads one has no base. A
// byte from 0x80 to 0xBF standing alone could, in another order of the
// letters, complete a stray lead byte before it into a character: a shuffle
// or a typed input would then split into other letters than the word's.
size_t printableLetterCount(std::string_view line, size_t limit) {
  size_t count = 0;
  for (; !line.empty(); ++count) {
    if (count == limit) return limit + 1;
    const text::Character character = text::decode(line);
    if (!isTypeable(character.codePoint)) return 0;
    if (!character.valid && text::isContinuation(static_cast<unsigned char>(line[0]))) return 0;
    line.remove_prefix(letterLength(line));
  }
  return count;
}

std::string shownText(std::string_view word) {
  if (currentRule == LetterRule::kBytes || isAscii(word)) return std::string(word);
  std::string shown;
  shown.reserve(word.size() + 2);
  while (!word.empty()) {
    const text::Character character = text::decode(word);
    text::appendUtf8(shown, character.codePoint);
    word.remove_prefix(character.length);
  }
  return shown;
}

bool holdsBlank(std::string_view word) {
  if (word.find(' ') != std::string_view::npos) return true;
  if (currentRule == LetterRule::kBytes || isAscii(word)) return false;
  while (!word.empty()) {
    const text::Character character = text::decode(word);
    if (text::isBlank(character.codePoint)) return true;
    word.remove_prefix(character.length);
  }
  return false;
}

bool sameLetter(std::string_view first, std::string_view second) {
  if (first == second) return true;
  if (currentRule == LetterRule::kBytes) return false;
  // A byte that is no part of UTF-8 is its Latin-1 character, as a key types it.
  return text::composed(shownText(first)) == text::composed(shownText(second));
}

}  // namespace dictionary
