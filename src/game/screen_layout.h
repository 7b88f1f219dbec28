#pragma once
// What every screen shares: an 80-column by 24-row terminal, framed banners
// at the top (rows 0 to 4) and the bottom (rows 21 to 23). Each screen's own
// rows are in its layout header (round_layout.h, title_layout.h and
// review_layout.h).

#include <cstdint>

namespace game::layout {

constexpr uint16_t kLastColumn = 79;
/// Columns 1 to 78, between a banner frame's sides.
constexpr uint16_t kInnerWidth = 78;

constexpr uint16_t kTopBannerFirstRow = 0;
/// Rows the countdown leaves alone, between the frame and the text.
constexpr uint16_t kTopBannerUpperRow = 1;
constexpr uint16_t kTopBannerTextRow = 2;
constexpr uint16_t kTopBannerLowerRow = 3;
constexpr uint16_t kTopBannerLastRow = 4;

constexpr uint16_t kBottomBannerFirstRow = 21;
constexpr uint16_t kBottomBannerTextRow = 22;
/// Gets no line end, so a 24-row screen never scrolls.
constexpr uint16_t kBottomBannerLastRow = 23;

/// The first and last rows between the banners.
constexpr uint16_t kFirstFreeRow = kTopBannerLastRow + 1;
constexpr uint16_t kLastFreeRow = kBottomBannerFirstRow - 1;

}  // namespace game::layout
