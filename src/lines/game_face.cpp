#include "lines/game_face.h"

#include "lines/round_end_face.h"
#include "lines/round_face.h"
#include "lines/round_texts.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "rules/daily_streaks.h"
#include "rules/round.h"
#include "rules/round_end.h"

namespace lines {
namespace {

// A lost round ends the game: its score meets the best scores, unless the
// rounds had no limit, and a daily game keeps its result.
EndFacts endFactsOf(Session& session, const rules::Round& round, bool gameOver, records::DailyPlay* play) {
  EndFacts facts;
  facts.end.passed = !gameOver;
  facts.end.word = round.word();
  if (!gameOver) return facts;
  // A practice daily game, its day's result kept already, keeps no best score either.
  const bool practice = play != nullptr && play->practice();
  if (session.records != nullptr && !session.noLimit && !practice) {
    facts.recordPlace = session.records->add(session.game.timeToPlay, session.game.score);
  }
  if (play != nullptr) {
    play->finish(session.game.score);
    facts.end.practice = play->practice();
    facts.dailyKept = !play->practice();
  }
  return facts;
}

void sayNotices(Session& session) {
  if (session.records != nullptr) {
    if (std::string notice = session.records->takeNotice(); !notice.empty())
      session.writer.say("Records", notice);
  }
  if (session.dailyResults != nullptr) {
    if (std::string notice = session.dailyResults->takeNotice(); !notice.empty())
      session.writer.say("Daily", notice);
  }
}

// One round, its end said; true when the game goes on.
bool playOneRound(Session& session, const std::string& code, uint32_t number, records::DailyPlay* play) {
  rules::Round round(session.game, code, number, true);
  const uint32_t scoreBefore = session.game.score;
  const RoundEnding ending = playRound(session, round, number);
  if (ending == RoundEnding::kTimeUp) session.writer.sayUnasked("Time", "up.");
  const bool gameOver = !round.passed() || ending == RoundEnding::kQuit || ending == RoundEnding::kInputEnd;
  if (play != nullptr) {
    play->countRound({static_cast<uint32_t>(rules::foundWordCount(session.game)),
                      static_cast<uint32_t>(round.words().total())});
  }
  EndFacts facts = endFactsOf(session, round, gameOver, play);
  facts.end.gameCode = code;
  facts.roundPoints = session.game.score - scoreBefore;
  sayRoundEnd(session, round, facts);
  sayNotices(session);
  if (!session.inputEnded) waitToGoOn(session, round);
  round.finish();
  return !gameOver;
}

void sayDailyResult(Session& session, const std::string& date) {
  const rules::DailyResult* kept = rules::resultOf(session.dailyResults->results(), date);
  if (kept == nullptr) return;
  std::string rounds;
  for (const rules::RoundTally& tally : kept->rounds) {
    rounds +=
        (rounds.empty() ? "" : ", ") + std::to_string(tally.found) + " of " + std::to_string(tally.total);
  }
  session.writer.say("Share", "Quillop daily " + kept->date + ", code " + kept->code + ": " +
                                  countOf(kept->score, "point", "points") + ", words found " + rounds + ".");
  const rules::Streaks streaks = rules::streaksOf(session.dailyResults->results(), date);
  session.writer.say("Streak", countOf(streaks.current, "day", "days") + ", best " +
                                   countOf(streaks.best, "day", "days") + ".");
}

}  // namespace

uint32_t playGame(Session& session, const std::string& code, records::DailyPlay* play) {
  session.game.score = 0;
  for (uint32_t number = 1; playOneRound(session, code, number, play); ++number) {
  }
  return session.game.score;
}

// The daily game's rounds last kDailySeconds whatever was chosen; the
// chosen time comes back after it.
uint32_t playDailyGame(Session& session) {
  if (session.dailyResults == nullptr) {
    session.writer.say("Daily", "the daily game keeps its results in files, which this run has none of.");
    return 0;
  }
  const std::string today = session.dailyResults->today();
  records::DailyPlay play(*session.dailyResults, today);
  session.writer.say("Daily", "the game of " + today + ", code " + play.code() + ", the same for everyone; " +
                                  "every round lasts 60 seconds.");
  if (play.practice()) session.writer.say("Daily", "today's result was kept already: this game is practice.");
  const uint16_t chosenTime = session.game.timeToPlay;
  const bool chosenNoLimit = session.noLimit;
  session.game.timeToPlay = kDailySeconds;
  session.noLimit = false;
  const uint32_t score = playGame(session, play.code(), &play);
  session.game.timeToPlay = chosenTime;
  session.noLimit = chosenNoLimit;
  sayDailyResult(session, today);
  return score;
}

}  // namespace lines
