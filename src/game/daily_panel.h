#pragma once
// The title screen's rows for the daily game, in rows the classic title
// screen leaves empty, under the best scores: the key that starts today's
// game (row 18), and today's result when it is kept with the streaks of
// days played (row 19).

#include "records/daily_store.h"

/// The key that starts the daily game from the title screen.
bool startsDailyGame(int key);
/// Rows 18 and 19, for the store's today.
void drawDailyRows(const records::DailyStore& store);
