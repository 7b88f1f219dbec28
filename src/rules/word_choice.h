#pragma once
// The round's word: a six-letter word drawn at random from the dictionary,
// and the shuffled order of its letters that the player sees. Both take
// their numbers from the draws given in a fixed order and never seed them;
// by default they draw from std::rand, as the classic game does.

#include <string>

#include "containers/hash_table.h"
#include "game_record/word_game.h"
#include "rules/random_draws.h"

namespace rules {

/// A copy of a six-letter word of the dictionary with no blank, which the
/// dictionary must hold (dictionary::holdsWordOfLength); letters are
/// counted by the letter rule (dictionary/letters.h). A word with a blank
/// is passed over, as no key types its blank.
/// Each attempt draws a bucket index, then a position in that bucket.
std::string chooseWord(const containers::WordTable& dictionary, RandomDraws& draws);
/// As above, drawing from std::rand.
std::string chooseWord(const containers::WordTable& dictionary);

/// Puts the six letters of source into game.mangledWord in a random order
/// and leaves every letterUsed flag false.
void mangleWord(game_record::WordGame& game, std::string source, RandomDraws& draws);
/// As above, drawing from std::rand.
void mangleWord(game_record::WordGame& game, std::string source);

}  // namespace rules
