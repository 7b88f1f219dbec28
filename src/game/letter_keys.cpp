#include "game/letter_keys.h"

#include "console/console.h"
#include "dictionary/letters.h"

namespace game {
namespace {

constexpr int kLowByte = 0xFF;
constexpr int kFirstNonAscii = 0x80;

std::string utf8Of(char32_t codePoint) {
  std::string text;
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
  return text;
}

}  // namespace

// With characters, the console sends every byte of 128 or more as part of
// a character key; a lone such byte could only be half a character.
std::string letterOfKey(int key) {
  const bool bytes = dictionary::letterRule() == dictionary::LetterRule::kBytes;
  if (console::isCharacterKey(key)) return bytes ? std::string() : utf8Of(console::keyCharacter(key));
  const int byte = key & kLowByte;
  if (!bytes && byte >= kFirstNonAscii) return {};
  return std::string(1, static_cast<char>(byte));
}

}  // namespace game
