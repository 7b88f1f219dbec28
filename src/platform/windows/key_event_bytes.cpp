#include "platform/windows/key_event_bytes.h"

#include <string_view>

#include "text/utf16.h"
#include "text/utf8.h"

namespace console {
namespace {

// Windows' virtual-key codes (VK_ in its headers) of the keys read here.
constexpr uint16_t kVkBackspace = 0x08;
constexpr uint16_t kVkReturn = 0x0D;
constexpr uint16_t kVkAlt = 0x12;
constexpr uint16_t kVkEscape = 0x1B;
constexpr uint16_t kVkPageUp = 0x21;
constexpr uint16_t kVkPageDown = 0x22;
constexpr uint16_t kVkEnd = 0x23;
constexpr uint16_t kVkHome = 0x24;
constexpr uint16_t kVkLeft = 0x25;
constexpr uint16_t kVkUp = 0x26;
constexpr uint16_t kVkRight = 0x27;
constexpr uint16_t kVkDown = 0x28;
constexpr uint16_t kVkInsert = 0x2D;
constexpr uint16_t kVkDelete = 0x2E;
constexpr uint16_t kVkF1 = 0x70;
constexpr uint16_t kVkF12 = 0x7B;

// What an xterm sends for F1 to F12, in order.
constexpr std::string_view kFunctionKeySequences[] = {"\x1bOP",   "\x1bOQ",   "\x1bOR",   "\x1bOS",
                                                      "\x1b[15~", "\x1b[17~", "\x1b[18~", "\x1b[19~",
                                                      "\x1b[20~", "\x1b[21~", "\x1b[23~", "\x1b[24~"};

// The sequence an xterm sends for an extended or a function key; empty for
// other keys.
std::string_view extendedKeySequence(uint16_t virtualKey) {
  switch (virtualKey) {
    case kVkUp: return "\x1b[A";
    case kVkDown: return "\x1b[B";
    case kVkRight: return "\x1b[C";
    case kVkLeft: return "\x1b[D";
    case kVkHome: return "\x1b[H";
    case kVkEnd: return "\x1b[F";
    case kVkInsert: return "\x1b[2~";
    case kVkDelete: return "\x1b[3~";
    case kVkPageUp: return "\x1b[5~";
    case kVkPageDown: return "\x1b[6~";
    default:
      if (virtualKey >= kVkF1 && virtualKey <= kVkF12) return kFunctionKeySequences[virtualKey - kVkF1];
      return {};
  }
}

// The byte of a key whose character a console may leave out.
int controlKeyByte(uint16_t virtualKey) {
  switch (virtualKey) {
    case kVkReturn: return '\r';
    case kVkBackspace: return '\b';
    case kVkEscape: return '\x1b';
    default: return -1;
  }
}

}  // namespace

std::string KeyEventTranslator::bytes(const KeyEvent& event) {
  // An Alt+numpad entry delivers its character with the release of Alt.
  bool altEntry = !event.keyDown && event.virtualKey == kVkAlt && event.character != 0;
  if (!event.keyDown && !altEntry) return {};
  std::string once(extendedKeySequence(event.virtualKey));
  int control = controlKeyByte(event.virtualKey);
  if (once.empty() && control >= 0) once = static_cast<char>(control);
  if (once.empty() && event.character != 0) once = characterBytes(event.character);
  std::string all;
  for (int i = 0; i < (altEntry ? 1 : event.repeatCount); ++i) all += once;
  return all;
}

std::string KeyEventTranslator::characterBytes(char16_t unit) {
  if (text::isHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return {};
  }
  char16_t high = highSurrogate_;
  highSurrogate_ = 0;
  if (text::isLowSurrogate(unit)) {
    if (high == 0) return {};
    const char16_t pair[] = {high, unit};
    return text::utf8Of(text::decodeUtf16({pair, 2}).codePoint);
  }
  return text::utf8Of(unit);
}

}  // namespace console
