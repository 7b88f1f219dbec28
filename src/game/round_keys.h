#pragma once
// The keys of a round: Enter submits the typed input, Space reshuffles the
// letters, Backspace takes back the last letter, and any other key is typed
// if it matches a free letter on show. Letters are those of the letter rule
// (dictionary/letters.h): bytes in the classic game, else characters.

#include "game/round_state.h"
#include "game_record/word_game.h"

/// Handles one key code (0 to 255, or a console::characterKey code) and
/// redraws what it changed.
void handleRoundKey(WordGame& game, Round& round, const PointValues& points, int key);

/// The input panel with the typed input, padded so a longer earlier input
/// leaves nothing behind.
void redrawInput(const WordGame& game, const Round& round);
