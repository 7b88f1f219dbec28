#pragma once
// The round review: every word the round would have accepted, by length in
// byte order, each found one marked with a star, on pages of the rows
// between the banners (game/review_layout.h). W opens it on the round's end screen. A cursor,
// shown in reverse video (between brackets where the terminal shows no
// attributes), moves over the words, and the two rows above the bottom
// banner say what the word under it means.

#include "dictionary/meanings.h"
#include "game_record/word_game.h"
#include "rules/round_words.h"

namespace game {

/// Shows the review until a key that neither moves the cursor nor turns a
/// page; the caller then redraws the screen it came from. The arrow keys
/// move the cursor, which starts on the first word the player missed, and
/// Page Up/Down turn the pages when there are several. Without meanings the
/// meaning rows stay blank.
void showRoundReview(const game_record::WordGame& game, const rules::RoundWords& words,
                     dictionary::MeaningsOnDemand* meanings = nullptr);

}  // namespace game
