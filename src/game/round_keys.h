#pragma once
// The keys of a round: Enter submits the typed input, Space reshuffles the
// letters, Backspace takes back the last letter, and any other key types
// the letter it stands for (game/letter_keys.h) if that letter is free on
// show. The rules decide; this draws what they changed.

#include "game/round_state.h"

namespace game {

/// Handles one key code (0 to 255, or a console::characterKey code) and
/// redraws what it changed.
void handleRoundKey(Round& round, int key);

/// The input panel with the typed input, padded so a longer earlier input
/// leaves nothing behind.
void redrawInput(const Round& round);

}  // namespace game
