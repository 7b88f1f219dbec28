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

TEST(KeyDecoder, UnknownSequencesAreDroppedWhole) {
  // F5, Shift-F1 on the Linux console, an unknown SS3 key, then a plain key.
  EXPECT_EQ(decodeAll("\x1b[15~\x1b[[A\x1bOPx"), (std::vector<int>{'x'}));
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

TEST(KeyDecoder, UnknownSequenceIsNoWaitingKey) {
  support::FakeTerminal terminal;
  terminal.keepInputOpen();
  terminal.type("\x1b[15~");
  terminal.typeAt(1000, "x");
  EXPECT_FALSE(console::keyWaiting());
  EXPECT_LT(terminal.now(), 1000u);
  EXPECT_EQ(console::readKey(), 'x');
}

TEST(KeyDecoder, EndOfInputThrowsAndCountsAsWaiting) {
  support::FakeTerminal terminal;
  EXPECT_TRUE(console::keyWaiting());
  EXPECT_THROW(console::readKey(), console::InputEnded);
}

}  // namespace
