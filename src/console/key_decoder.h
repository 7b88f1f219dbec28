#pragma once
// Turns the bytes a terminal sends into the key codes the game reads:
// escape sequences for arrows, page, editing and function keys become
// kExtendedKey followed by the key's code, and any other escape sequence
// kExtendedKey followed by kUnknownKey; 127 becomes Backspace (8); a line
// feed becomes Enter (13). With character keys on, a UTF-8 sequence becomes
// one characterKey code, and a byte of 128 or more that is no part of one
// the characterKey of its Latin-1 character. A pure function of the bytes,
// so it is tested without a terminal.

#include <vector>

#include "console/terminal.h"

namespace console {

class KeyDecoder {
 public:
  /// Reads from the terminal until one key press is complete and returns its
  /// codes (one code, or kExtendedKey and a second). An unknown escape
  /// sequence is read whole and is one key press, as is one cut short by a
  /// pause. Empty at the end of the input; the single code kWindowChanged
  /// when a window change ends the wait first.
  std::vector<int> nextKey(Terminal& terminal);

  /// As nextKey, but only from bytes that have already arrived: it waits for
  /// nothing but the rest of an escape sequence. Empty when they run out
  /// before a key press is complete, and at the end of the input, which
  /// hasPending() then reports. A poll for a key needs this, so that a key
  /// it reports waiting is one a read takes at once.
  std::vector<int> arrivedKey(Terminal& terminal);

  /// True when a byte already read belongs to the next key.
  bool hasPending() const { return pushedBack_ != kNoByte; }
  /// A byte read from the terminal outside the decoder (or kEndOfInput):
  /// the next key begins with it. At most one is held.
  void pushBack(int byte) { pushedBack_ = byte; }

  /// On: characters beyond ASCII arrive as characterKey codes; off (as at
  /// first): every byte is its own code.
  void setCharacterKeys(bool on) { characterKeys_ = on; }

  /// How long the bytes of one escape sequence may trail its Escape.
  static constexpr uint32_t kSequenceGapMs = 30;

 private:
  int nextByte(Terminal& terminal);
  std::vector<int> decode(Terminal& terminal, int firstByte);
  std::vector<int> decodeEscape(Terminal& terminal);
  std::vector<int> decodeCsi(Terminal& terminal);
  std::vector<int> decodeSs3(Terminal& terminal);
  std::vector<int> decodeLinuxFunctionKey(Terminal& terminal);
  std::vector<int> cutShort(int byte);
  std::vector<int> decodePlain(Terminal& terminal, int firstByte);
  std::vector<int> decodeCharacter(Terminal& terminal, int leadByte);

  int pushedBack_ = kNoByte;
  bool characterKeys_ = false;
};

}  // namespace console
