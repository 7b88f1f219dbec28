#include "lines/plain_text.h"

#include "text/character_classes.h"
#include "text/utf8.h"

namespace lines {
namespace {

// A byte that begins no valid UTF-8 stands for its Latin-1 character, as
// everywhere in the program: one column, shown as it is.
text::Character characterAt(std::string_view bytes, size_t at) { return text::decode(bytes.substr(at)); }

// Controls, invisible formatting and the like; a lone byte from 0x80 to
// 0x9F too, which some terminals take as a control (0x9B starts a sequence).
bool isUnprintable(const text::Character& c) {
  if (!c.valid) return c.codePoint < 0xA0;
  return c.codePoint != ' ' && !text::isPrintable(c.codePoint);
}

// Box drawing, block elements and geometric shapes (the bars' squares):
// a reader names each one, which says nothing.
bool isDrawing(char32_t code) { return code >= 0x2500 && code <= 0x25FF; }

bool isPunctuation(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte < 0x7F && !(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z') &&
         !(c >= 'A' && c <= 'Z');
}

// The byte after a run of two of the same punctuation mark is left out.
bool extendsRun(const std::string& shown, char c) {
  const size_t n = shown.size();
  return isPunctuation(c) && n >= 2 && shown[n - 1] == c && shown[n - 2] == c;
}

size_t columnsOfCharacter(const text::Character& c) {
  if (!c.valid) return 1;
  if (text::isCombiningMark(c.codePoint)) return 0;
  return text::isWide(c.codePoint) ? 2 : 1;
}

// Where the text of at most columns columns from start ends: after the
// last blank that fits, else as much of a long word as fits.
size_t breakBefore(std::string_view bytes, size_t start, size_t columns) {
  size_t used = 0;
  size_t lastBlank = std::string_view::npos;
  size_t at = start;
  while (at < bytes.size()) {
    const text::Character c = characterAt(bytes, at);
    used += columnsOfCharacter(c);
    if (used > columns) break;
    if (c.codePoint == ' ') lastBlank = at;
    at += c.length;
  }
  if (at >= bytes.size()) return bytes.size();
  return lastBlank != std::string_view::npos && lastBlank > start ? lastBlank : at;
}

}  // namespace

std::string plainText(std::string_view bytes) {
  std::string shown;
  for (size_t at = 0; at < bytes.size();) {
    const text::Character c = characterAt(bytes, at);
    if (isUnprintable(c)) {
      shown += ' ';
    } else if (!(c.valid && isDrawing(c.codePoint)) && !(c.length == 1 && extendsRun(shown, bytes[at]))) {
      shown.append(bytes.substr(at, c.length));
    }
    at += c.length;
  }
  return shown;
}

size_t columnsOf(std::string_view bytes) {
  size_t columns = 0;
  for (size_t at = 0; at < bytes.size();) {
    const text::Character c = characterAt(bytes, at);
    columns += columnsOfCharacter(c);
    at += c.length;
  }
  return columns;
}

std::vector<std::string> labelledLines(std::string_view label, std::string_view detail) {
  const std::string head = std::string(label) + ": ";
  const std::string shown = plainText(detail);
  const size_t room = kLineColumns > columnsOf(head) + 10 ? kLineColumns - columnsOf(head) : 10;
  std::vector<std::string> result;
  size_t start = 0;
  do {
    const size_t end = breakBefore(shown, start, room);
    result.push_back(head + shown.substr(start, end - start));
    start = end;
    while (start < shown.size() && shown[start] == ' ') ++start;
  } while (start < shown.size());
  return result;
}

}  // namespace lines
