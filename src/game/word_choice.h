#pragma once
// The round's word: a six-letter word drawn at random from the dictionary,
// and the shuffled order of its letters that the player sees. Both draw from
// std::rand in a fixed order and never seed it.

#include <string>

#include "containers/hash_table.h"
#include "game_record/word_game.h"

/// A copy of a six-letter word of the dictionary, which must hold one.
/// Each attempt draws a bucket index, then a position in that bucket.
std::string chooseWord(const containers::WordTable& dictionary);

/// Puts the six letters of source into game.mangledWord in a random order
/// and leaves every letterUsed flag false.
void mangleWord(WordGame& game, std::string source);
