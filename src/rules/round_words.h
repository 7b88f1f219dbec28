#pragma once
// The words a round would accept: every dictionary word of kShortestWord to
// kLongestWord letters that can be typed from the letters on show, each
// position at most once, letters compared as the round compares them. Found
// once when the round starts, for the live counts and the review at its end.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "containers/hash_table.h"
#include "game_record/word_game.h"

namespace rules {

struct RoundWords {
  /// byLength[n - kShortestWord]: the words of n letters, each once, in byte order.
  std::array<std::vector<std::string>, game_record::kFoundWordTrees> byLength;

  size_t total() const;
};

/// How many words the round has found so far, all lengths together.
size_t foundWordCount(const game_record::WordGame& game);
/// True when the round has found word (of 3 to 6 letters) already.
bool wasFound(const game_record::WordGame& game, const std::string& word);

/// The bytes of the keys a round takes as commands (Space, Enter and
/// Backspace): a letter made of one of them is never typed, since its key
/// reshuffles, submits or takes a letter back.
constexpr char kReshuffleLetter = ' ';
constexpr char kSubmitLetter = '\r';
constexpr char kTakeBackLetter = '\b';
/// True for a letter (one of lettersOf's parts) that its key would type.
bool typeable(std::string_view letter);

/// Looks up every distinct arrangement of 3 to 6 of the letters (1,920 for
/// six different letters) with the dictionary's find, as the round checks a
/// submitted word. A letter the round takes as a command (a blank
/// reshuffles) is never typed.
RoundWords findRoundWords(const containers::WordTable& dictionary, const std::string& letters);

}  // namespace rules
