#pragma once
// The record of one run: the dictionary, the words found in the current
// round, the score, the time per round and the letters on show. The entry
// point owns exactly one and hands it by reference to every other part.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "containers/binary_search_tree.h"
#include "containers/hash_table.h"

namespace game_record {

/// Found-word trees: the tree for words of length n is foundWords[n - kShortestWord].
constexpr size_t kShortestWord = 3;
constexpr size_t kLongestWord = 6;
constexpr size_t kFoundWordTrees = kLongestWord - kShortestWord + 1;

struct WordGame {
  WordGame();
  ~WordGame();
  WordGame(const WordGame&) = delete;
  WordGame& operator=(const WordGame&) = delete;

  std::unique_ptr<containers::WordTable> dictionary;           ///< filled once by the loader
  std::unique_ptr<containers::BST<std::string>[]> foundWords;  ///< kFoundWordTrees trees
  uint32_t score = 0;        ///< the game in progress, or the last one played
  uint16_t timeToPlay = 60;  ///< seconds per round: 30, 60, 90 or 120
  std::string mangledWord;   ///< the round's letters in the order shown
  /// letterUsed[i]: the letter at position i of mangledWord is in the typed input.
  std::array<bool, kLongestWord> letterUsed{};
};

}  // namespace game_record
