#pragma once
// One game: timed rounds on the shuffled letters of six-letter words, until
// a round ends without a six-letter word.

#include <cstdint>

#include "containers/word_game.h"

/// Plays a game and returns its final score, which is also left in game.score.
uint32_t playGame(WordGame& game);
