#pragma once
// The title screen and main menu: play, set the time per round, or exit.

#include <cstdint>

#include "game/extras.h"
#include "game_record/word_game.h"

/// Runs the menu until Enter on "Play!" (true) or on "Exit" (false). Changes
/// only game.timeToPlay. With extras.records, the best scores for the time
/// chosen stand under the items, and a notice about them once.
bool runMainMenu(WordGame& game, uint32_t highScore, const Extras& extras = {});
