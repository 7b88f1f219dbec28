#pragma once
// The main menu in lines: its choices as numbered items, chosen by typing
// the number (with a value after it where the item takes one), until the
// player quits or the input ends. Plays the daily game first when asked.

#include "lines/session.h"

namespace lines {

enum class MenuItem { kPlay = 1, kDaily, kTime, kRecords, kStatistics, kQuit };

/// The times per round line mode offers, in the order "3" steps through
/// them; 0 is no limit.
const std::vector<uint16_t>& roundTimes();
/// The time after seconds (0: no limit) in that order, going round.
uint16_t nextRoundTime(uint16_t seconds);

/// Runs the menu and the games it starts, until quit or the input's end.
void runMenu(Session& session, bool dailyFirst);

}  // namespace lines
