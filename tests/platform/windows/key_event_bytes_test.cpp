// Console key events as Windows and Wine report them, through the same key
// decoder as a terminal's bytes, to the codes the program reads.
#include "platform/windows/key_event_bytes.h"

#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

using console::kExtendedKey;
using platform::KeyEvent;
using Codes = std::vector<int>;

KeyEvent press(uint16_t virtualKey, char16_t character = 0) { return {true, 1, virtualKey, character}; }
KeyEvent release(uint16_t virtualKey, char16_t character = 0) { return {false, 1, virtualKey, character}; }

// Every code the events decode to, until the input ends; with character
// keys on, as outside the classic game.
Codes codesOf(const std::vector<KeyEvent>& events, bool characterKeys = false) {
  platform::KeyEventTranslator translator;
  std::string bytes;
  for (const KeyEvent& event : events) bytes += translator.bytes(event);
  support::FakeTerminal terminal;
  console::setCharacterKeys(characterKeys);
  terminal.type(bytes);
  Codes codes;
  try {
    for (;;) codes.push_back(console::readKey());
  } catch (const console::InputEnded&) {
  }
  return codes;
}

// Windows decides by the virtual-key code whatever the flags say; Wine
// sends the same codes without the enhanced-key flag, and the numeric pad's
// keys with Num Lock off are the same keys.
TEST(KeyEventBytes, ExtendedKeysByVirtualKeyCode) {
  EXPECT_EQ(codesOf({press(0x26), press(0x28), press(0x25), press(0x27)}),
            (Codes{kExtendedKey, 72, kExtendedKey, 80, kExtendedKey, 75, kExtendedKey, 77}));
  EXPECT_EQ(codesOf({press(0x21), press(0x22), press(0x24), press(0x23), press(0x2D), press(0x2E)}),
            (Codes{kExtendedKey, 73, kExtendedKey, 81, kExtendedKey, 71, kExtendedKey, 79, kExtendedKey, 82,
                   kExtendedKey, 83}));
}

// F1 to F12 carry no character; they reach the decoder as an xterm's.
TEST(KeyEventBytes, FunctionKeysAsTheirCodes) {
  std::vector<KeyEvent> events;
  Codes expected;
  for (uint16_t key = 0; key < 12; ++key) {
    events.push_back(press(static_cast<uint16_t>(0x70 + key)));
    events.push_back(release(static_cast<uint16_t>(0x70 + key)));
    expected.insert(expected.end(), {kExtendedKey, key < 10 ? console::kF1 + key : console::kF11 + key - 10});
  }
  EXPECT_EQ(codesOf(events), expected);
  // A repeated F1, then Ctrl-L, which the console takes on the full screen.
  EXPECT_EQ(codesOf({{true, 2, 0x70, 0}, press(0x4C, 0x0C)}),
            (Codes{kExtendedKey, 59, kExtendedKey, 59, 12}));
}

TEST(KeyEventBytes, EnterBackspaceSpaceAndEscapeOnWindowsAndWine) {
  // Windows gives Escape its character 27; Wine gives it none.
  EXPECT_EQ(codesOf({press(0x0D, u'\r'), press(0x08, u'\b'), press(0x20, u' '), press(0x1B, 0x1B)}),
            (Codes{13, 8, 32, 27}));
  EXPECT_EQ(codesOf({press(0x1B), press(0x41, u'a')}), (Codes{27, 'a'}));
}

TEST(KeyEventBytes, CharactersAsTypedWithCaseAndControl) {
  // Shift then B, and Ctrl then A: the modifiers alone type nothing.
  EXPECT_EQ(codesOf({press(0x10), press(0x42, u'B'), release(0x42, u'B'), release(0x10), press(0x11),
                     press(0x41, 1), release(0x11), press(0x09, u'\t')}),
            (Codes{'B', 1, '\t'}));
}

TEST(KeyEventBytes, ReleasesAndKeysWithoutCharactersTypeNothing) {
  // Wine may report Home and End with neither a virtual-key code nor a
  // character; Caps Lock types nothing, as on a terminal.
  EXPECT_EQ(codesOf({release(0x41, u'a'), press(0), release(0), press(0x14), press(0x41, u'a')}),
            (Codes{'a'}));
}

TEST(KeyEventBytes, RepeatsAndAltNumpadEntry) {
  KeyEvent held = press(0x41, u'a');
  held.repeatCount = 3;
  EXPECT_EQ(codesOf({held}), (Codes{'a', 'a', 'a'}));
  // Alt held while 6 and 5 are typed on the numeric pad: the character
  // comes with the release of Alt.
  EXPECT_EQ(
      codesOf({press(0x12), press(0x66), release(0x66), press(0x65), release(0x65), release(0x12, u'A')}),
      (Codes{'A'}));
}

TEST(KeyEventBytes, CharactersBeyondAsciiArriveInUtf8) {
  EXPECT_EQ(codesOf({press(0xDE, u'\u00e9')}), (Codes{0xC3, 0xA9}));
  // A character beyond the Basic Multilingual Plane arrives as two halves.
  EXPECT_EQ(codesOf({press(0, 0xD83D), press(0, 0xDE00)}), (Codes{0xF0, 0x9F, 0x98, 0x80}));
  // A lone second half is no character.
  EXPECT_EQ(codesOf({press(0, 0xDE00), press(0x41, u'a')}), (Codes{'a'}));
}

// The letters a terminal sends in UTF-8 come from the console's UTF-16 as
// the same character keys: é, ß, à (never the prefix of an extended key),
// and a letter beyond the Basic Multilingual Plane from its two halves.
TEST(KeyEventBytes, LettersAreTheSameCharacterKeysAsFromATerminal) {
  using console::characterKey;
  EXPECT_EQ(codesOf({press(0xDE, u'é'), press(0xDB, u'ß'), press(0xDC, u'à'), press(0x26)}, true),
            (Codes{characterKey(U'é'), characterKey(U'ß'), characterKey(U'à'), kExtendedKey, console::kUp}));
  EXPECT_EQ(codesOf({press(0, 0xD835), press(0, 0xDC9C)}, true), (Codes{characterKey(0x1D49C)}));
}

}  // namespace
