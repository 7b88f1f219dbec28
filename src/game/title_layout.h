#pragma once
// The rows of the title screen and main menu. The extras use only rows the
// classic screen leaves empty: the best scores (12 to 17), the daily game
// (18 and 19) and the notices (20, and 19 for a long one).

#include <cstdint>

#include "game/screen_layout.h"

namespace game::layout::title {

constexpr uint16_t kHighScoreRow = kFirstFreeRow;
constexpr uint16_t kScoreRow = 6;

/// Play!, Time to Play and Exit, one row each.
constexpr uint16_t kFirstItemRow = 8;
constexpr uint16_t kSelectedColumn = 34;
constexpr uint16_t kItemColumn = 37;

constexpr uint16_t kBestScoresHeadingRow = 12;
constexpr uint16_t kFirstPlaceRow = 13;  ///< five places, to row 17

constexpr uint16_t kDailyKeyRow = 18;
constexpr uint16_t kDailyResultRow = 19;

constexpr uint16_t kNoticeRow = 20;
/// A notice too long for one row takes the daily result's row too: the
/// menu that shows such a notice shows it once, and the next menu draws
/// the daily rows again.
constexpr uint16_t kLongNoticeRow = kDailyResultRow;
static_assert(kNoticeRow == kLastFreeRow);

}  // namespace game::layout::title
