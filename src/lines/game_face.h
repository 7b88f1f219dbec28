#pragma once
// A whole game in lines, round after round until one is not passed, and
// the daily game, which is the same game for everyone on a date. The
// score meets the best scores and the daily result is kept at the game's
// end, also when the input ends it.

#include <cstdint>
#include <string>

#include "lines/session.h"

namespace records {
class DailyPlay;
}

namespace lines {

/// Every round of the daily game lasts this long, whatever time was chosen.
constexpr uint16_t kDailySeconds = 60;

/// Plays the game of code (empty: the classic draws) and returns its score.
uint32_t playGame(Session& session, const std::string& code, records::DailyPlay* play = nullptr);
/// Plays today's daily game and says its result and streaks.
uint32_t playDailyGame(Session& session);

}  // namespace lines
