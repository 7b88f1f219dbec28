#pragma once
// What a round's end says, as facts for a face to show: whether the round
// passed or ended the game, the word it reveals then, the game's code for
// playing its words again, and the review's list of the round's words with
// the ones found marked.

#include <array>
#include <string>
#include <vector>

#include "game_record/word_game.h"
#include "rules/round_words.h"

namespace rules {

struct RoundEnd {
  bool passed = false;    ///< a six-letter word was found: the game goes on
  std::string word;       ///< the round's word
  std::string gameCode;   ///< the game's code; empty in the classic game
  bool practice = false;  ///< a daily game whose day had its result kept already
  bool gameOver() const { return !passed; }
  /// The last screen of a game with a code says how to play its words again.
  bool tellsGameCode() const { return gameOver() && !gameCode.empty(); }
};

struct ReviewWord {
  std::string text;
  bool found = false;
};

/// reviewWords(...)[n - kShortestWord]: the round's words of n letters, in
/// byte order, each marked when the round found it.
std::array<std::vector<ReviewWord>, game_record::kFoundWordTrees> reviewWords(
    const game_record::WordGame& game, const RoundWords& words);

}  // namespace rules
