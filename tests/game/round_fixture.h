#pragma once
// Games played on a small dictionary through the scripted terminal. Rounds
// last 30 seconds of virtual time; with nothing typed during the end-of-round
// wait, round i starts at i * kRoundPeriodMs.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "containers/hash_table.h"
#include "game/extras.h"
#include "game/round.h"
#include "game_record/word_game.h"
#include "support/fake_terminal.h"

namespace game::game_test {

constexpr uint32_t kRoundMs = 30000;
constexpr uint32_t kSpaceAfterRoundMs = 1000;
constexpr uint32_t kRoundPeriodMs = kRoundMs + kSpaceAfterRoundMs;
constexpr uint32_t kTypingDelayMs = 1000;

// planet is the only six-letter word: every round is played on its letters.
inline const std::vector<std::string> kPlanetWords = {"planet", "plane", "plate", "plan",
                                                      "ant",    "tan",   "lap"};

inline uint32_t roundStartMs(size_t round) { return static_cast<uint32_t>(round) * kRoundPeriodMs; }

inline std::string repeat(char c, size_t n) { return std::string(n, c); }

/// Row 2 or 22 of a banner: the frame's sides and the text centred between.
inline std::string bannerTextRow(const std::string& text) {
  std::string row = "|" + repeat(' ', 78) + "|";
  row.replace((79 - text.size()) / 2, text.size(), text);
  return row;
}

/// The numbers of every "Time Left:" banner drawn, in order.
inline std::vector<unsigned> countdown(const std::string& output) {
  const std::string label = "Time Left: ";
  std::vector<unsigned> values;
  for (size_t at = output.find(label); at != std::string::npos; at = output.find(label, at + 1)) {
    values.push_back(static_cast<unsigned>(std::stoul(output.substr(at + label.size(), 12))));
  }
  return values;
}

inline size_t occurrences(const std::string& haystack, const std::string& needle) {
  size_t count = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1))
    ++count;
  return count;
}

class RoundTest : public ::testing::Test {
 protected:
  RoundTest() {
    game.timeToPlay = 30;
    add(kPlanetWords);
  }

  /// Replaces the dictionary, to play on another six-letter word.
  void useWords(const std::vector<std::string>& words) {
    game.dictionary->clear();
    add(words);
  }

  void add(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
  }

  /// Types keys a second into each round and Space after each round but
  /// the last, whose end-of-round wait then meets the end of the input
  /// (leaving its screen and found words for the test to look at).
  void playRoundsThenStop(const std::vector<std::string>& keysPerRound) {
    for (size_t i = 0; i < keysPerRound.size(); ++i) {
      terminal.typeAt(roundStartMs(i) + kTypingDelayMs, keysPerRound[i]);
      if (i + 1 < keysPerRound.size()) terminal.typeAt(roundStartMs(i + 1), " ");
    }
    terminal.typeAt(roundStartMs(keysPerRound.size()), "x");
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
  }

  /// As above, but Space ends the last round too, which must be lost.
  uint32_t playWholeGame(const std::vector<std::string>& keysPerRound) {
    for (size_t i = 0; i < keysPerRound.size(); ++i) {
      terminal.typeAt(roundStartMs(i) + kTypingDelayMs, keysPerRound[i]);
      terminal.typeAt(roundStartMs(i + 1), " ");
    }
    return playGame(game, extras);
  }

  /// Row 7: the typed input and the letters on show from column 73.
  std::string inputRow(const std::string& input) {
    return input + repeat(' ', 73 - input.size()) + game.mangledWord;
  }

  // Whatever a test played, the round screen must fit a 24-row terminal.
  void TearDown() override { EXPECT_EQ(terminal.screen().scrolls(), 0) << terminal.screen().dump(); }

  support::FakeTerminal terminal;
  game_record::WordGame game;
  Extras extras;  ///< off: the classic screens
};

}  // namespace game::game_test
