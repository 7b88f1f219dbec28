#pragma once
// The title screen and main menu: play, set the time per round, or exit.

#include <cstdint>

#include "game/extras.h"
#include "game_record/word_game.h"

namespace game {

enum class MenuChoice { kExit, kPlay, kDaily };

/// Runs the menu until Enter on "Play!" (kPlay) or on "Exit" (kExit), or,
/// with extras.dailyResults, D (kDaily). Changes only game.timeToPlay. With
/// extras.records, the best scores for the time chosen stand under the
/// items; with extras.dailyResults, today's game and the streaks under
/// them; and a notice about either once.
MenuChoice runMainMenu(WordGame& game, uint32_t highScore, const Extras& extras = {});

}  // namespace game
