#include "game/letter_keys.h"

#include "console/console.h"
#include "dictionary/letters.h"
#include "text/utf8.h"

namespace game {
namespace {

constexpr int kLowByte = 0xFF;
constexpr int kFirstNonAscii = 0x80;

}  // namespace

// With characters, the console sends every byte of 128 or more as part of
// a character key; a lone such byte could only be half a character.
std::string letterOfKey(int key) {
  const bool bytes = dictionary::letterRule() == dictionary::LetterRule::kBytes;
  if (console::isCharacterKey(key)) return bytes ? std::string() : text::utf8Of(console::keyCharacter(key));
  const int byte = key & kLowByte;
  if (!bytes && byte >= kFirstNonAscii) return {};
  return std::string(1, static_cast<char>(byte));
}

}  // namespace game
