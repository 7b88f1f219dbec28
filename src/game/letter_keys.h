#pragma once
// Keys and letters: the rules know letters, the full-screen face reads
// keys. A key the round does not take as a command is turned here into the
// text of the letter it types, which the round then looks for on show.

#include <string>

namespace game {

/// The letter a key code types (0 to 255, or a console::characterKey code):
/// with bytes (the classic game) its low byte, and a character key none;
/// with characters the character's UTF-8, an ASCII byte itself, and any
/// other byte none. Empty for none.
std::string letterOfKey(int key);

}  // namespace game
