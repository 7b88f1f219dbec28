#include "console/key_decoder.h"

#include <algorithm>

#include "console/console.h"

namespace console {
namespace {

constexpr int kDeleteByte = 127;
constexpr int kLineFeed = 10;
constexpr int kCsiIntroducer = '[';
constexpr int kSs3Introducer = 'O';

// The codes of the keys that end in a letter: ESC [ A and ESC O A alike.
int letterKeyCode(int finalByte) {
  switch (finalByte) {
    case 'A': return kUp;
    case 'B': return kDown;
    case 'C': return kRight;
    case 'D': return kLeft;
    case 'H': return kHome;
    case 'F': return kEnd;
    default: return kNoByte;
  }
}

// The codes of the keys sent as ESC [ number ~ (xterm, VT220, the Linux
// console, screen and tmux all agree on these numbers).
int tildeKeyCode(int number) {
  switch (number) {
    case 1:
    case 7: return kHome;
    case 2: return kInsert;
    case 3: return kDelete;
    case 4:
    case 8: return kEnd;
    case 5: return kPageUp;
    case 6: return kPageDown;
    default: return kNoByte;
  }
}

std::vector<int> extended(int code) {
  if (code == kNoByte) return {};
  return {kExtendedKey, code};
}

int plainKeyCode(int byte) {
  if (byte == kDeleteByte) return kBackspace;
  if (byte == kLineFeed) return kEnter;
  return byte;
}

// A UTF-8 sequence's length from its lead byte (0: it leads none), and the
// smallest code point of that length, below which the form is overlong.
int sequenceLength(int lead, char32_t& smallest) {
  if (lead >= 0xC2 && lead <= 0xDF) return smallest = 0x80, 2;
  if (lead >= 0xE0 && lead <= 0xEF) return smallest = 0x800, 3;
  if (lead >= 0xF0 && lead <= 0xF4) return smallest = 0x10000, 4;
  return 0;
}

bool isContinuation(int byte) { return byte >= 0x80 && byte <= 0xBF; }

bool isCharacter(char32_t codePoint, char32_t smallest) {
  return codePoint >= smallest && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

// The bytes of a sequence that came to nothing: each the key of its
// Latin-1 character.
std::vector<int> latin1Keys(const std::vector<int>& bytes) {
  std::vector<int> codes(bytes.size());
  std::transform(bytes.begin(), bytes.end(), codes.begin(),
                 [](int byte) { return characterKey(static_cast<char32_t>(byte)); });
  return codes;
}

}  // namespace

int KeyDecoder::nextByte(Terminal& terminal) {
  if (pushedBack_ != kNoByte) {
    int byte = pushedBack_;
    pushedBack_ = kNoByte;
    return byte;
  }
  return terminal.readByte();
}

std::vector<int> KeyDecoder::nextKey(Terminal& terminal) {
  for (;;) {
    int byte = nextByte(terminal);
    if (byte == kEndOfInput) return {};
    if (byte == kWindowChanged) return {kWindowChanged};
    std::vector<int> codes = decode(terminal, byte);
    if (!codes.empty()) return codes;
  }
}

std::vector<int> KeyDecoder::arrivedKey(Terminal& terminal) {
  while (hasPending() || terminal.byteWaiting()) {
    int byte = nextByte(terminal);
    if (byte == kEndOfInput) {
      pushedBack_ = kEndOfInput;
      return {};
    }
    if (byte == kWindowChanged) return {};
    std::vector<int> codes = decode(terminal, byte);
    if (!codes.empty()) return codes;
  }
  return {};
}

std::vector<int> KeyDecoder::decode(Terminal& terminal, int firstByte) {
  if (firstByte != kEscape) return decodePlain(terminal, firstByte);
  return decodeEscape(terminal);
}

std::vector<int> KeyDecoder::decodeEscape(Terminal& terminal) {
  int byte = terminal.readByteWithin(kSequenceGapMs);
  if (byte == kCsiIntroducer) return decodeCsi(terminal);
  if (byte == kSs3Introducer) return decodeSs3(terminal);
  // A lone Escape: whatever came after it is the next key.
  pushedBack_ = byte;
  return {kEscape};
}

// ESC [ then parameter bytes (0x30-0x3F), intermediate bytes (0x20-0x2F) and
// one final byte (0x40-0x7E). A sequence cut short is dropped.
std::vector<int> KeyDecoder::decodeCsi(Terminal& terminal) {
  int number = 0;
  bool inFirstParameter = true;
  for (;;) {
    int byte = terminal.readByteWithin(kSequenceGapMs);
    if (byte < 0) {
      pushedBack_ = byte == kEndOfInput ? kEndOfInput : kNoByte;
      return {};
    }
    if (byte >= '0' && byte <= '9') {
      if (inFirstParameter && number < 1000) number = number * 10 + (byte - '0');
    } else if (byte >= 0x20 && byte <= 0x3F) {
      inFirstParameter = false;
    } else if (byte == '[') {
      // The Linux console's function keys: ESC [ [ A to ESC [ [ E.
      terminal.readByteWithin(kSequenceGapMs);
      return {};
    } else if (byte == '~') {
      return extended(tildeKeyCode(number));
    } else if (byte >= 0x40 && byte <= 0x7E) {
      return extended(letterKeyCode(byte));
    } else {
      return {};  // not a sequence byte: drop what was read
    }
  }
}

std::vector<int> KeyDecoder::decodePlain(Terminal& terminal, int firstByte) {
  if (characterKeys_ && firstByte >= 0x80) return decodeCharacter(terminal, firstByte);
  return {plainKeyCode(firstByte)};
}

// The rest of a sequence may come in a later read, as the terminal split it;
// it is waited for as the rest of an escape sequence is. A byte that does
// not continue it is the next key.
std::vector<int> KeyDecoder::decodeCharacter(Terminal& terminal, int leadByte) {
  char32_t smallest = 0;
  const int length = sequenceLength(leadByte, smallest);
  std::vector<int> bytes{leadByte};
  char32_t codePoint = static_cast<char32_t>(leadByte & (0x7F >> length));
  while (static_cast<int>(bytes.size()) < length) {
    const int byte = terminal.readByteWithin(kSequenceGapMs);
    if (!isContinuation(byte)) {
      if (byte != kNoByte) pushedBack_ = byte;
      return latin1Keys(bytes);
    }
    bytes.push_back(byte);
    codePoint = codePoint << 6 | static_cast<char32_t>(byte & 0x3F);
  }
  if (length == 0 || !isCharacter(codePoint, smallest)) return latin1Keys(bytes);
  return {characterKey(codePoint)};
}

std::vector<int> KeyDecoder::decodeSs3(Terminal& terminal) {
  int byte = terminal.readByteWithin(kSequenceGapMs);
  if (byte == kEndOfInput) pushedBack_ = kEndOfInput;
  if (byte < 0) return {};
  return extended(letterKeyCode(byte));
}

}  // namespace console
