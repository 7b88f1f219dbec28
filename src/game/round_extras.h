#pragma once
// The rows the extras add to the round screen, all in rows the classic
// screen leaves empty (game/round_layout.h): during play the counts of
// words found and words there are by length and the feedback on the last
// word submitted; at the round's end the place a game's score took among
// the best, what the round's word means when the round ends the game, and
// how many of the words were found, with the key that shows them all.

#include <cstdint>
#include <string>

#include "game/round_state.h"
#include "rules/round.h"

namespace game {

/// The counts row during play, e.g. "3: 2/7   4: 1/9   5: 0/4   6: 0/2".
void drawWordCounts(const rules::Round& round);
/// The feedback row: "plane: +6" for an accepted word, or why it was refused.
void drawFeedback(const rules::Submission& submission);
/// The extras' rows of the round's end screen. Reads the meanings, the
/// first time, when the round is lost.
void drawRoundEndRows(const Round& round);

/// "New record for 60 seconds!", or the place a score took; empty for 0.
std::string recordNote(int place, uint16_t seconds);
/// The key that opens the review on the round's end screen.
bool opensReview(int key);

}  // namespace game
