#include "console/key_decoder.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "support/fake_terminal.h"

namespace {

using console::kExtendedKey;

// Every code the given bytes decode to, until the input ends.
std::vector<int> decodeAll(std::string_view bytes) {
  support::FakeTerminal terminal;
  terminal.type(bytes);
  std::vector<int> codes;
  try {
    for (;;) codes.push_back(console::readKey());
  } catch (const console::InputEnded&) {
  }
  return codes;
}

TEST(KeyDecoder, ArrowsInNormalAndApplicationMode) {
  EXPECT_EQ(decodeAll("\x1b[A\x1b[B\x1b[D\x1b[C"),
            (std::vector<int>{kExtendedKey, 72, kExtendedKey, 80, kExtendedKey, 75, kExtendedKey, 77}));
  EXPECT_EQ(decodeAll("\x1bOA\x1bOB\x1bOD\x1bOC"),
            (std::vector<int>{kExtendedKey, 72, kExtendedKey, 80, kExtendedKey, 75, kExtendedKey, 77}));
}

TEST(KeyDecoder, PageAndEditingKeys) {
  EXPECT_EQ(decodeAll("\x1b[5~\x1b[6~\x1b[1~\x1b[4~\x1b[2~\x1b[3~\x1b[H\x1b[F\x1bOH\x1b[7~"),
            (std::vector<int>{kExtendedKey, 73, kExtendedKey, 81, kExtendedKey, 71, kExtendedKey, 79,
                              kExtendedKey, 82, kExtendedKey, 83, kExtendedKey, 71, kExtendedKey, 79,
                              kExtendedKey, 71, kExtendedKey, 71}));
}

// F1 to F12 as xterm, tmux and screen send them, then with modifiers, then
// the Linux console's F1 to F5.
TEST(KeyDecoder, FunctionKeys) {
  const std::vector<int> f1ToF12 = {kExtendedKey, 59, kExtendedKey, 60, kExtendedKey, 61,  kExtendedKey, 62,
                                    kExtendedKey, 63, kExtendedKey, 64, kExtendedKey, 65,  kExtendedKey, 66,
                                    kExtendedKey, 67, kExtendedKey, 68, kExtendedKey, 133, kExtendedKey, 134};
  EXPECT_EQ(
      decodeAll("\x1bOP\x1bOQ\x1bOR\x1bOS\x1b[15~\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~\x1b[23~\x1b[24~"),
      f1ToF12);
  EXPECT_EQ(decodeAll("\x1b[11~\x1b[1;2P\x1bO5Q\x1b[1;5R\x1b[1;3S\x1b[15;2~\x1b[24;5~"),
            (std::vector<int>{kExtendedKey, 59, kExtendedKey, 59, kExtendedKey, 60, kExtendedKey, 61,
                              kExtendedKey, 62, kExtendedKey, 63, kExtendedKey, 134}));
  EXPECT_EQ(decodeAll("\x1b[[A\x1b[[B\x1b[[C\x1b[[D\x1b[[E"),
            (std::vector<int>{kExtendedKey, 59, kExtendedKey, 60, kExtendedKey, 61, kExtendedKey, 62,
                              kExtendedKey, 63}));
}

// A sequence split over reads, its bytes trailing by less than the gap.
TEST(KeyDecoder, FunctionKeySplitAcrossReads) {
  support::FakeTerminal terminal;
  terminal.keepInputOpen();
  terminal.type("\x1b");
  terminal.typeAt(10, "[1");
  terminal.typeAt(20, "5~");
  terminal.typeAt(25, "\x1bO");
  terminal.typeAt(40, "P");
  terminal.typeAt(1000, "x");
  EXPECT_EQ(console::readKey(), kExtendedKey);
  EXPECT_EQ(console::readKey(), console::kF1 + 4);
  EXPECT_EQ(console::readKey(), kExtendedKey);
  EXPECT_EQ(console::readKey(), console::kF1);
  EXPECT_EQ(console::readKey(), 'x');
}

// Each unknown sequence is one key press with no code of its own: F13 and
// a keypad key, a Linux console sequence it does not know, Alt with [ cut
// short by what follows, then a plain key.
TEST(KeyDecoder, UnknownSequencesAreOneKeyPressEach) {
  const int unknown = console::kUnknownKey;
  EXPECT_EQ(decodeAll("\x1b[25~\x1bOj\x1b[[Z\x1b[\x7fx"),
            (std::vector<int>{kExtendedKey, unknown, kExtendedKey, unknown, kExtendedKey, unknown,
                              kExtendedKey, unknown, 8, 'x'}));
  // A modified arrow still moves.
  EXPECT_EQ(decodeAll("\x1b[1;5A"), (std::vector<int>{kExtendedKey, 72}));
}

TEST(KeyDecoder, LoneEscapeAndWhatFollowsIt) {
  support::FakeTerminal terminal;
  terminal.keepInputOpen();
  terminal.type("\x1b");
  terminal.typeAt(1000, "q");
  EXPECT_EQ(console::readKey(), console::kEscape);
  EXPECT_EQ(console::readKey(), 'q');
  EXPECT_EQ(decodeAll("\x1bq\x1b\x1b"), (std::vector<int>{27, 'q', 27, 27}));
}

TEST(KeyDecoder, BackspaceAndEnterVariants) {
  EXPECT_EQ(decodeAll(std::string("\x7f\x08\n\r a\xe0P", 8)),
            (std::vector<int>{8, 8, 13, 13, ' ', 'a', 224, 'P'}));
}

TEST(KeyDecoder, KeyWaitingSeesTheSecondCodeOfAnExtendedKey) {
  support::FakeTerminal terminal;
  terminal.keepInputOpen();
  terminal.type("\x1b[B");
  ASSERT_TRUE(console::keyWaiting());
  EXPECT_EQ(console::readKey(), kExtendedKey);
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_EQ(console::readKey(), console::kDown);
  EXPECT_FALSE(console::keyWaiting());
}

// Alt with [ sends ESC [ alone: when nothing follows in time it is a key.
TEST(KeyDecoder, SequenceCutShortIsAWaitingKey) {
  support::FakeTerminal terminal;
  terminal.keepInputOpen();
  terminal.type("\x1b[");
  terminal.typeAt(1000, "x");
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_LT(terminal.now(), 1000u);
  EXPECT_EQ(console::readKey(), kExtendedKey);
  EXPECT_EQ(console::readKey(), console::kUnknownKey);
  EXPECT_EQ(console::readKey(), 'x');
}

TEST(KeyDecoder, EndOfInputThrowsAndCountsAsWaiting) {
  support::FakeTerminal terminal;
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_THROW(console::readKey(), console::InputEnded);
}

}  // namespace
