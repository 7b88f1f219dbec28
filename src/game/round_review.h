#pragma once
// The round review: every word the round would have accepted, by length in
// byte order, each found one marked with a star, on pages of the rows
// between the banners. W opens it on the round's end screen.

#include "game/round_words.h"
#include "game_record/word_game.h"

/// Shows the review until a key that turns no page; the caller then redraws
/// the screen it came from. Page Up/Down and Up/Down turn the pages when
/// there are several.
void showRoundReview(const WordGame& game, const RoundWords& words);
