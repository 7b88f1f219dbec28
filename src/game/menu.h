#pragma once
// The title screen and main menu: play, set the time per round, or exit.

#include <cstdint>

#include "containers/word_game.h"

/// Runs the menu until Enter on "Play!" (true) or on "Exit" (false). Changes
/// only game.timeToPlay.
bool runMainMenu(WordGame& game, uint32_t highScore);
