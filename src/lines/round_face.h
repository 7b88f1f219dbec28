#pragma once
// One round in lines: its start, the words and commands typed while its
// clock runs, the time said at set points (time_announcements.h), and its
// end, when the time is up, the player asks, or the input ends.

#include <cstdint>

#include "lines/session.h"
#include "rules/round.h"

namespace lines {

enum class RoundEnding {
  kTimeUp,
  kAsked,     ///< /end, or the player ends a round with no limit
  kQuit,      ///< /quit: the round and the game end here
  kInputEnd,  ///< the game ends too
};

/// Plays round number of the session's game until it ends.
RoundEnding playRound(Session& session, rules::Round& round, uint32_t number);

/// The help of a round, a line each.
void sayRoundHelp(Writer& writer);

}  // namespace lines
