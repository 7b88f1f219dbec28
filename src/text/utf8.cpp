#include "text/utf8.h"

#include <array>

namespace text {
namespace {

// The smallest code point each length may carry: anything less is an
// overlong form.
constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};

constexpr bool isSurrogate(char32_t codePoint) { return codePoint >= 0xD800 && codePoint <= 0xDFFF; }

}  // namespace

size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

Character decode(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const Character alone{lead, 1, false};
  const size_t length = sequenceLength(lead);
  if (length == 1) return {lead, 1, true};
  if (length == 0 || length > bytes.size()) return alone;
  char32_t codePoint = lead & (0x7Fu >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!isContinuation(byte)) return alone;
    codePoint = codePoint << 6 | (byte & 0x3Fu);
  }
  if (codePoint < kSmallest[length] || codePoint > kLastCodePoint || isSurrogate(codePoint)) return alone;
  return {codePoint, length, true};
}

bool isUnfinished(std::string_view bytes) {
  if (bytes.empty() || sequenceLength(static_cast<unsigned char>(bytes[0])) <= bytes.size()) return false;
  for (size_t i = 1; i < bytes.size(); ++i) {
    if (!isContinuation(static_cast<unsigned char>(bytes[i]))) return false;
  }
  return true;
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

std::string utf8Of(char32_t codePoint) {
  std::string text;
  appendUtf8(text, codePoint);
  return text;
}

}  // namespace text
