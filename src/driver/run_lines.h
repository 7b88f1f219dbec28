#pragma once
// A run in line mode, after the command line: the first line says that
// line mode is on and why, then the loading, the statistics when asked,
// and the menu and games in lines (lines/), until the player quits or the
// input ends. Nothing here waits for a key or draws a screen.

#include "driver/options.h"
#include "game_record/word_game.h"
#include "lines/line_terminal.h"

namespace driver {

/// Plays the run in lines on terminal and returns the exit status.
int runInLines(const Settings& settings, LineModeReason reason, game_record::WordGame& game,
               lines::LineTerminal& terminal);

}  // namespace driver
