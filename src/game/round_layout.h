#pragma once
// The rows of the round screen and of the round's end screen, which is the
// same screen with other texts. The extras use only rows the classic screen
// leaves empty: 5, 9 and 20.

#include <cstdint>

#include "game/screen_layout.h"

namespace game::layout::round {

/// In the top banner: whether a daily game is practice, and on the last
/// screen the game's code.
constexpr uint16_t kPracticeRow = kTopBannerUpperRow;
constexpr uint16_t kGameCodeRow = kTopBannerLowerRow;

/// At the end of a game: the place its score took among the best.
constexpr uint16_t kRecordNoteRow = kFirstFreeRow;

/// The input panel: labels and score share row 6, then the input and the
/// letters on show, then the hint.
constexpr uint16_t kPanelLabelRow = 6;
constexpr uint16_t kScoreRow = kPanelLabelRow;
constexpr uint16_t kInputRow = 7;
constexpr uint16_t kSpaceHintRow = 8;
constexpr uint16_t kMangledLabelColumn = 67;
constexpr uint16_t kMangledWordColumn = 73;
constexpr uint16_t kSpaceHintColumn = 51;

/// During play the verdict on the last word; at the end of a game what the
/// round's word means, in its place.
constexpr uint16_t kFeedbackRow = 9;
constexpr uint16_t kLostWordMeaningRow = kFeedbackRow;

/// The found-words panel: its header and rule, then a heading row and a
/// word row for each length, 3 letters first.
constexpr uint16_t kFoundHeaderRow = 10;
constexpr uint16_t kFoundRuleRow = 11;
constexpr uint16_t kFirstLengthRow = 12;
constexpr uint16_t kRowsPerLength = 2;
constexpr uint16_t kLastFoundRow = kFirstLengthRow + 4 * kRowsPerLength - 1;

/// During play the counts by length; at the round's end, in its place, how
/// many of the words were found.
constexpr uint16_t kCountsRow = kLastFoundRow + 1;
constexpr uint16_t kSummaryRow = kCountsRow;
static_assert(kCountsRow == kLastFreeRow, "the counts sit just above the bottom banner");

}  // namespace game::layout::round
