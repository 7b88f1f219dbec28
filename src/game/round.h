#pragma once
// One game: timed rounds on the shuffled letters of six-letter words, until
// a round ends without a six-letter word.

#include <cstdint>

#include "game/extras.h"
#include "game_record/word_game.h"

namespace game {

/// Plays a game and returns its final score, which is also left in game.score.
/// With extras.records, a game's score also meets the best scores at its end.
uint32_t playGame(game_record::WordGame& game, const Extras& extras = {});

}  // namespace game
