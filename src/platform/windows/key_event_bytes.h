#pragma once
// Turns the key events a Windows console reports into the bytes a VT
// terminal sends for the same keys, so that one key decoder (key_decoder.h)
// serves every platform and an extended key stays one key press: Up becomes
// ESC [ A, which the decoder turns into kExtendedKey, kUp.
//
// Keys are told apart by their virtual-key code first, since the character
// and the flags differ between consoles: Wine reports the arrows without the
// enhanced-key flag and Escape without its character, and may report Home
// and End with no virtual-key code at all (such an event says nothing and
// is dropped). Pure, so it is tested without a console.

#include <cstdint>
#include <string>

namespace platform {

/// The fields of a console key event that matter here.
struct KeyEvent {
  bool keyDown = true;
  uint16_t repeatCount = 1;
  uint16_t virtualKey = 0;  ///< the key's virtual-key code; 0 where the console gave none
  char16_t character = 0;   ///< the UTF-16 unit it types; 0 for a key that types none
};

class KeyEventTranslator {
 public:
  /// The bytes the event stands for, once per repeat: the key's VT sequence
  /// for the extended keys and F1 to F12, 13 for Enter, 8 for Backspace, 27 for Escape,
  /// else the character in UTF-8. Nothing for a release (except the one
  /// that ends an Alt+numpad entry, which carries its character), a
  /// modifier alone or a key without a character.
  std::string bytes(const KeyEvent& event);

 private:
  std::string characterBytes(char16_t unit);

  // The first half of a character outside the Basic Multilingual Plane,
  // which arrives as two events.
  char16_t highSurrogate_ = 0;
};

}  // namespace platform
