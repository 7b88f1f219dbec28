// The key decoder with character keys on, as every game but the classic
// one reads keys: a character beyond ASCII is one key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

using console::characterKey;
using Codes = std::vector<int>;

// Every code until the input ends; the bytes of each string arrive 10 ms
// after those before, a read of their own.
Codes decodeAll(const std::vector<std::string>& reads, bool characterKeys = true) {
  support::FakeTerminal terminal;
  console::setCharacterKeys(characterKeys);
  for (size_t i = 0; i < reads.size(); ++i) terminal.typeAt(static_cast<uint32_t>(10 * i), reads[i]);
  Codes codes;
  try {
    for (;;) codes.push_back(console::readKey());
  } catch (const console::InputEnded&) {
  }
  return codes;
}

TEST(KeyDecoderCharacters, SequencesOfTwoThreeAndFourBytesAreOneKeyEach) {
  EXPECT_EQ(decodeAll({"é€\U0001D49Cz"}),
            (Codes{characterKey(0xE9), characterKey(0x20AC), characterKey(0x1D49C), 'z'}));
}

TEST(KeyDecoderCharacters, ASequenceSplitAcrossReadsIsJoined) {
  EXPECT_EQ(decodeAll({"a\xC3", "\xA9", "\xE2\x82", "\xAC"}),
            (Codes{'a', characterKey(0xE9), characterKey(0x20AC)}));
}

// à is code point 224, the first code of an extended key: as a character
// key it can never be taken for one, nor its next key for an arrow's code.
TEST(KeyDecoderCharacters, AGraveAgainstAnArrowKey) {
  const Codes codes = decodeAll({"àH\x1b[A"});
  EXPECT_EQ(codes, (Codes{characterKey(0xE0), 'H', console::kExtendedKey, console::kUp}));
  EXPECT_NE(codes[0], console::kExtendedKey);
  EXPECT_TRUE(console::isCharacterKey(codes[0]));
  EXPECT_EQ(console::keyCharacter(codes[0]), U'à');
}

// Latin-1 bytes, a lead byte whose rest never comes, an overlong form and a
// surrogate: each byte the key of its Latin-1 character.
TEST(KeyDecoderCharacters, BytesThatAreNoUtf8AreLatin1Keys) {
  EXPECT_EQ(decodeAll({"\xE9t"}), (Codes{characterKey(0xE9), 't'}));
  EXPECT_EQ(decodeAll({"\xC3"}), (Codes{characterKey(0xC3)}));
  EXPECT_EQ(decodeAll({"\xC3q"}), (Codes{characterKey(0xC3), 'q'}));
  EXPECT_EQ(decodeAll({"\xE0\x80\xAF"}), (Codes{characterKey(0xE0), characterKey(0x80), characterKey(0xAF)}));
  EXPECT_EQ(decodeAll({"\xED\xA0\x80"}), (Codes{characterKey(0xED), characterKey(0xA0), characterKey(0x80)}));
}

// The classic game reads every byte as a code of its own, as ever.
TEST(KeyDecoderCharacters, OffEveryByteIsItsOwnCode) {
  EXPECT_EQ(decodeAll({"é\xE0H"}, false), (Codes{0xC3, 0xA9, 224, 'H'}));
}

}  // namespace
