#include "lines/plain_text.h"

#include <cstdint>

namespace lines {
namespace {

// One character of UTF-8 text: its code and how many bytes it takes. A byte
// that does not start a valid sequence is a character of its own, with
// kNotUtf8 for its code.
constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

struct Character {
  char32_t code;
  size_t length;
};

size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

Character characterAt(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = sequenceLength(lead);
  if (length == 0 || at + length > text.size()) return {kNotUtf8, 1};
  if (length == 1) return {lead, 1};
  char32_t code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return {kNotUtf8, 1};
    code = (code << 6) | (next & 0x3F);
  }
  return {code, length};
}

bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

// Box drawing, block elements and geometric shapes (the bars' squares):
// a reader names each one, which says nothing.
bool isDrawing(char32_t code) { return code >= 0x2500 && code <= 0x25FF; }

bool isCombining(char32_t code) {
  return (code >= 0x0300 && code <= 0x036F) || (code >= 0x1AB0 && code <= 0x1AFF) ||
         (code >= 0x1DC0 && code <= 0x1DFF) || (code >= 0x20D0 && code <= 0x20FF) ||
         (code >= 0xFE20 && code <= 0xFE2F);
}

bool isWide(char32_t code) {
  return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
         (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
         (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6) ||
         (code >= 0x1F300 && code <= 0x1FAFF) || (code >= 0x20000 && code <= 0x3FFFD);
}

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

size_t columnsOfCharacter(char32_t code) {
  if (code == kNotUtf8) return 1;
  if (isCombining(code)) return 0;
  return isWide(code) ? 2 : 1;
}

// Where the text of at most columns columns from start ends: after the
// last blank that fits, else as much of a long word as fits.
size_t breakBefore(std::string_view text, size_t start, size_t columns) {
  size_t used = 0;
  size_t lastBlank = std::string_view::npos;
  size_t at = start;
  while (at < text.size()) {
    const Character c = characterAt(text, at);
    used += columnsOfCharacter(c.code);
    if (used > columns) break;
    if (c.code == ' ') lastBlank = at;
    at += c.length;
  }
  if (at >= text.size()) return text.size();
  return lastBlank != std::string_view::npos && lastBlank > start ? lastBlank : at;
}

}  // namespace

std::string plainText(std::string_view text) {
  std::string shown;
  for (size_t at = 0; at < text.size();) {
    const Character c = characterAt(text, at);
    if (c.code != kNotUtf8 && isControl(c.code)) {
      shown += ' ';
    } else if (!isDrawing(c.code) && !(c.length == 1 && extendsRun(shown, text[at]))) {
      shown.append(text.substr(at, c.length));
    }
    at += c.length;
  }
  return shown;
}

size_t columnsOf(std::string_view text) {
  size_t columns = 0;
  for (size_t at = 0; at < text.size();) {
    const Character c = characterAt(text, at);
    columns += columnsOfCharacter(c.code);
    at += c.length;
  }
  return columns;
}

std::vector<std::string> labelledLines(std::string_view label, std::string_view detail) {
  const std::string head = std::string(label) + ": ";
  const std::string text = plainText(detail);
  const size_t room = kLineColumns > columnsOf(head) + 10 ? kLineColumns - columnsOf(head) : 10;
  std::vector<std::string> result;
  size_t start = 0;
  do {
    const size_t end = breakBefore(text, start, room);
    result.push_back(head + text.substr(start, end - start));
    start = end;
    while (start < text.size() && text[start] == ' ') ++start;
  } while (start < text.size());
  return result;
}

}  // namespace lines
