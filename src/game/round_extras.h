#pragma once
// The rows the extras add to the round screen, all in rows the classic
// screen leaves empty: during play the counts of words found and words there
// are by length (row 20) and the feedback on the last word submitted (row
// 9); at the round's end the place a game's score took among the best
// (row 5) and how many of the words were found, with the key that shows
// them all (row 20).

#include <cstdint>
#include <string>

#include "game/round_state.h"
#include "game/round_words.h"
#include "game_record/word_game.h"

/// What became of a submitted word, in the order the round checks.
enum class Verdict { kAccepted, kTooShort, kNotInDictionary, kFoundBefore };

/// Row 20 during play, e.g. "3: 2/7   4: 1/9   5: 0/4   6: 0/2".
void drawWordCounts(const WordGame& game, const RoundWords& words);
/// Row 9: "plane: +6" for an accepted word, or why it was refused.
void drawFeedback(Verdict verdict, const std::string& word, uint32_t points);
/// Rows 5, 9 and 20 of the round's end screen.
void drawRoundEndRows(const WordGame& game, const Round& round);

/// "New record for 60 seconds!", or the place a score took; empty for 0.
std::string recordNote(int place, uint16_t seconds);
/// The key that opens the review on the round's end screen.
bool opensReview(int key);
