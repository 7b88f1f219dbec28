#include "platform/windows/utf16_text.h"

namespace platform {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;
constexpr char16_t kUnshowable = u'?';
constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// The character of the UTF-16 at the start of units, taking its length.
char32_t decodeUnits(std::u16string_view units, size_t& length) {
  length = 1;
  if (isHighSurrogate(units[0]) && units.size() > 1 && isLowSurrogate(units[1])) {
    length = 2;
    return 0x10000 + ((char32_t{units[0]} - 0xD800) << 10) + (char32_t{units[1]} - 0xDC00);
  }
  bool surrogate = isHighSurrogate(units[0]) || isLowSurrogate(units[0]);
  return surrogate ? kReplacement : units[0];
}

// How many bytes the UTF-8 sequence led by this byte has; 0 for a byte that
// leads none.
size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF5) return 4;
  return 0;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character of the UTF-8 sequence at the start of bytes, taking its
// length; kNoCharacter where none starts there, or an overlong or surrogate
// form does.
char32_t decodeSequence(std::string_view bytes, size_t& length) {
  auto lead = static_cast<unsigned char>(bytes[0]);
  length = sequenceLength(lead);
  if (length == 0 || length > bytes.size()) return kNoCharacter;
  if (length == 1) return lead;
  char32_t code = lead & (0x7Fu >> length);
  for (size_t i = 1; i < length; ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (!isContinuation(byte)) return kNoCharacter;
    code = (code << 6) | (byte & 0x3Fu);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  bool surrogate = code >= 0xD800 && code < 0xE000;
  if (code < kSmallest[length] || code > 0x10FFFF || surrogate) return kNoCharacter;
  return code;
}

void appendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (code >> 10));
  out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

}  // namespace

std::u16string toUtf16(std::string_view bytes, ByteCharacter byteCharacter) {
  std::u16string out;
  for (size_t at = 0; at < bytes.size();) {
    size_t length = 0;
    char32_t code = decodeSequence(bytes.substr(at), length);
    if (code == kNoCharacter) {
      out += byteCharacter(static_cast<unsigned char>(bytes[at]));
      ++at;
    } else {
      appendUtf16(out, code);
      at += length;
    }
  }
  return out;
}

char16_t cellCharacter(std::string_view cell, ByteCharacter byteCharacter) {
  std::u16string units = toUtf16(cell, byteCharacter);
  return units.size() == 1 ? units[0] : kUnshowable;
}

size_t unfinishedUtf8Tail(std::string_view bytes) {
  for (size_t tail = 1; tail <= 3 && tail <= bytes.size(); ++tail) {
    auto byte = static_cast<unsigned char>(bytes[bytes.size() - tail]);
    if (isContinuation(byte)) continue;
    return sequenceLength(byte) > tail ? tail : 0;
  }
  return 0;
}

std::string utf8Of(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

std::string toUtf8(std::u16string_view units) {
  std::string out;
  for (size_t at = 0; at < units.size();) {
    size_t length = 0;
    out += utf8Of(decodeUnits(units.substr(at), length));
    at += length;
  }
  return out;
}

std::u16string nameToUtf16(std::string_view utf8) {
  return toUtf16(utf8, [](unsigned char) { return static_cast<char16_t>(kReplacement); });
}

}  // namespace platform
