#include "game/letter_keys.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "dictionary/letters.h"
#include "rules/round.h"

namespace game {
namespace {

using dictionary::LetterRule;
using dictionary::ScopedLetterRule;

// The key of a Latin-1 byte's letter and of its UTF-8 is its character's;
// a letter with combining marks is typed by its first character.
TEST(LetterKeys, CharacterKeysTypeTheirCharacters) {
  const ScopedLetterRule characters(LetterRule::kCharacters);
  EXPECT_EQ(letterOfKey(console::characterKey(0xE9)), "é");
  EXPECT_EQ(letterOfKey(console::characterKey(0x20AC)), "€");
  EXPECT_EQ(letterOfKey(console::characterKey(0x1D49C)), "\U0001D49C");
  EXPECT_EQ(letterOfKey('e'), "e");
  EXPECT_EQ(letterOfKey(0xC3), "");
  EXPECT_TRUE(rules::types(letterOfKey(console::characterKey(0xE9)), "\xE9"));
  EXPECT_TRUE(rules::types(letterOfKey(console::characterKey(0xE9)), "é"));
  EXPECT_TRUE(rules::types(letterOfKey('e'), "e\u0301"));
}

TEST(LetterKeys, TheClassicGameTypesBytes) {
  const ScopedLetterRule bytes(LetterRule::kBytes);
  EXPECT_EQ(letterOfKey(0xC3), "\xC3");
  EXPECT_EQ(letterOfKey(0x100 | 'H'), "H");
  EXPECT_EQ(letterOfKey(console::characterKey(0xE9)), "");
  EXPECT_TRUE(rules::types(letterOfKey(0xC3), "\xC3"));
}

}  // namespace
}  // namespace game
