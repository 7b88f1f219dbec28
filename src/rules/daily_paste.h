#pragma once
// The lines a player pastes to share a daily result. They hold no word and
// no letter of a round, so sharing them spoils the game for nobody.

#include <string>

#include "rules/daily_result.h"

namespace rules {

/// The lines to paste, each ended by "\n": the date and code, the score and
/// rounds, and a bar and found/total per round. The round numbers take the
/// width of the largest, so the bars stand in one column. With
/// unicodeCells the bar is of filled and empty squares, else of '#' and '.'.
std::string shareLines(const DailyResult& result, bool unicodeCells);

}  // namespace rules
