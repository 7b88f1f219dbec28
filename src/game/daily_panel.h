#pragma once
// The title screen's rows for the daily game, in rows the classic title
// screen leaves empty, under the best scores (game/title_layout.h): the key
// that starts today's game, and today's result when it is kept with the
// streaks of days played.

#include "records/daily_store.h"

namespace game {

/// The key that starts the daily game from the title screen.
bool startsDailyGame(int key);
/// The daily key and result rows, for the store's today.
void drawDailyRows(const records::DailyStore& store);

}  // namespace game
