#pragma once
// The title screen and main menu: play, set the time per round, or exit.

#include <cstdint>
#include <string>

#include "game/extras.h"
#include "game_record/word_game.h"

namespace game {

enum class MenuChoice { kExit, kPlay, kDaily };

/// Runs the menu until Enter on "Play!" (kPlay) or on "Exit" (kExit), or,
/// with extras.dailyResults, D (kDaily). Changes only game.timeToPlay, and
/// with kDaily dailyDate (when given): the date whose game the title
/// screen offered. With extras.records, the best scores for the time chosen
/// stand under the items; with extras.dailyResults, today's game and the
/// streaks under them, following the date when it changes while the menu
/// waits; and a notice about either once.
MenuChoice runMainMenu(game_record::WordGame& game, uint32_t highScore, const Extras& extras = {},
                       std::string* dailyDate = nullptr);

}  // namespace game
