#pragma once
// A round's end in lines, one fact a line: the words found of those there
// were, the points, passed or not; when the game ends, the round's word and
// its meaning, a new record's place and the game's code. Then the review of
// the missed words, each on a line of its own with its meaning, on request.

#include <cstdint>
#include <optional>
#include <string>

#include "lines/session.h"
#include "rules/round.h"
#include "rules/round_end.h"

namespace lines {

struct EndFacts {
  rules::RoundEnd end;
  uint32_t roundPoints = 0;  ///< earned in this round
  int recordPlace = 0;       ///< among the best scores for the time per round; 0: none
  bool dailyKept = false;    ///< this daily game's result is the day's
};

void sayRoundEnd(Session& session, const rules::Round& round, const EndFacts& facts);
/// Every word of the round not found, a line each, with its meaning.
void sayReview(Session& session, const rules::Round& round);
/// Waits for the player to go on (an empty line, or the input's end),
/// giving the review and the help when asked.
void waitToGoOn(Session& session, const rules::Round& round);

/// "bossed (boss, verb): be the boss of.", or nothing where the meanings
/// have no entry for the word or are not used for this word list.
std::optional<std::string> meaningOf(Session& session, const std::string& word);

}  // namespace lines
