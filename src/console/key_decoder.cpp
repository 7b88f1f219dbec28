#include "console/key_decoder.h"

#include <algorithm>
#include <string>

#include "console/console.h"
#include "text/utf8.h"

namespace console {
namespace {

constexpr int kDeleteByte = 127;
constexpr int kLineFeed = 10;
constexpr int kCsiIntroducer = '[';
constexpr int kSs3Introducer = 'O';

// The codes of the keys that end in a letter: ESC [ A and ESC O A alike,
// and F1 to F4, which xterm, screen and tmux send as ESC O P to ESC O S, or
// as ESC [ 1;5P and the like with a modifier.
int letterKeyCode(int finalByte) {
  switch (finalByte) {
    case 'A': return kUp;
    case 'B': return kDown;
    case 'C': return kRight;
    case 'D': return kLeft;
    case 'H': return kHome;
    case 'F': return kEnd;
    case 'P':
    case 'Q':
    case 'R':
    case 'S': return kF1 + (finalByte - 'P');
    default: return kUnknownKey;
  }
}

// The function keys sent as ESC [ number ~: F1 to F5 as 11 to 15, then
// numbers that skip 16 and 22, as the VT220 left gaps between its groups.
int functionKeyCode(int number) {
  if (number >= 11 && number <= 15) return kF1 + (number - 11);
  if (number >= 17 && number <= 21) return kF1 + 5 + (number - 17);
  if (number == 23) return kF11;
  if (number == 24) return kF12;
  return kUnknownKey;
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
    default: return functionKeyCode(number);
  }
}

// The Linux console's F1 to F5: ESC [ [ A to ESC [ [ E.
int linuxFunctionKeyCode(int finalByte) {
  if (finalByte >= 'A' && finalByte <= 'E') return kF1 + (finalByte - 'A');
  return kUnknownKey;
}

std::vector<int> extended(int code) { return {kExtendedKey, code}; }

bool isFinalByte(int byte) { return byte >= 0x40 && byte <= 0x7E; }

int plainKeyCode(int byte) {
  if (byte == kDeleteByte) return kBackspace;
  if (byte == kLineFeed) return kEnter;
  return byte;
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

// What a sequence cut short gives: a key with no code of its own when its
// rest did not come in time (Alt with [ or O sends just that), nothing at
// the end of the input, which the next read then reports.
std::vector<int> KeyDecoder::cutShort(int byte) {
  if (byte == kEndOfInput) {
    pushedBack_ = kEndOfInput;
    return {};
  }
  return extended(kUnknownKey);
}

// ESC [ then parameter bytes (0x30-0x3F), intermediate bytes (0x20-0x2F) and
// one final byte (0x40-0x7E). A byte that belongs to no sequence ends it,
// and is the start of the next key.
std::vector<int> KeyDecoder::decodeCsi(Terminal& terminal) {
  int number = 0;
  bool inFirstParameter = true;
  for (bool first = true;; first = false) {
    int byte = terminal.readByteWithin(kSequenceGapMs);
    if (byte < 0) return cutShort(byte);
    if (byte >= '0' && byte <= '9') {
      if (inFirstParameter && number < 1000) number = number * 10 + (byte - '0');
    } else if (byte >= 0x20 && byte <= 0x3F) {
      inFirstParameter = false;
    } else if (first && byte == '[') {
      return decodeLinuxFunctionKey(terminal);
    } else if (byte == '~') {
      return extended(tildeKeyCode(number));
    } else if (isFinalByte(byte)) {
      return extended(letterKeyCode(byte));
    } else {
      pushedBack_ = byte;
      return extended(kUnknownKey);
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
  const size_t length = text::sequenceLength(static_cast<unsigned char>(leadByte));
  std::vector<int> bytes{leadByte};
  while (bytes.size() < length) {
    const int byte = terminal.readByteWithin(kSequenceGapMs);
    if (byte < 0 || !text::isContinuation(static_cast<unsigned char>(byte))) {
      if (byte != kNoByte) pushedBack_ = byte;
      return latin1Keys(bytes);
    }
    bytes.push_back(byte);
  }
  const std::string sequence(bytes.begin(), bytes.end());
  const text::Character character = text::decode(sequence);
  if (!character.valid) return latin1Keys(bytes);
  return {characterKey(character.codePoint)};
}

std::vector<int> KeyDecoder::decodeLinuxFunctionKey(Terminal& terminal) {
  int byte = terminal.readByteWithin(kSequenceGapMs);
  if (byte < 0) return cutShort(byte);
  return extended(linuxFunctionKeyCode(byte));
}

// ESC O then the final byte, with a modifier before it from some terminals
// (ESC O 5 P).
std::vector<int> KeyDecoder::decodeSs3(Terminal& terminal) {
  int byte = terminal.readByteWithin(kSequenceGapMs);
  while (byte >= 0x30 && byte <= 0x3F) byte = terminal.readByteWithin(kSequenceGapMs);
  if (byte < 0) return cutShort(byte);
  if (isFinalByte(byte)) return extended(letterKeyCode(byte));
  pushedBack_ = byte;
  return extended(kUnknownKey);
}

}  // namespace console
