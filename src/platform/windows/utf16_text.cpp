#include "platform/windows/utf16_text.h"

#include "text/utf16.h"
#include "text/utf8.h"

namespace console {
namespace {

constexpr char16_t kUnshowable = u'?';

}  // namespace

std::u16string toUtf16(std::string_view bytes, ByteCharacter byteCharacter) {
  std::u16string out;
  while (!bytes.empty()) {
    const text::Character character = text::decode(bytes);
    if (character.valid) {
      text::appendUtf16(out, character.codePoint);
    } else {
      out += byteCharacter(static_cast<unsigned char>(bytes[0]));
    }
    bytes.remove_prefix(character.length);
  }
  return out;
}

char16_t cellCharacter(std::string_view cell, ByteCharacter byteCharacter) {
  std::u16string units = toUtf16(cell, byteCharacter);
  return units.size() == 1 ? units[0] : kUnshowable;
}

size_t unfinishedUtf8Tail(std::string_view bytes) {
  for (size_t tail = 1; tail <= 3 && tail <= bytes.size(); ++tail) {
    if (text::isUnfinished(bytes.substr(bytes.size() - tail))) return tail;
  }
  return 0;
}

std::string toUtf8(std::u16string_view units) {
  std::string out;
  while (!units.empty()) {
    const text::Utf16Character character = text::decodeUtf16(units);
    text::appendUtf8(out, character.codePoint);
    units.remove_prefix(character.length);
  }
  return out;
}

std::u16string nameToUtf16(std::string_view utf8) {
  return toUtf16(utf8, [](unsigned char) { return static_cast<char16_t>(text::kReplacementCharacter); });
}

}  // namespace console
