#include "game/round.h"

#include "console/console.h"
#include "console/theme.h"
#include "game/round_extras.h"
#include "game/round_keys.h"
#include "game/round_layout.h"
#include "game/round_review.h"
#include "game/round_state.h"
#include "game/screen.h"
#include "records/daily_store.h"
#include "records/store.h"

namespace game {
namespace {

namespace rows = layout::round;

// A pass redraws the countdown and handles at most one key, at most twenty
// times a second; faster keys wait in the input for later passes. The pass
// sleeps out its time rather than spinning, so the processor stays idle.
constexpr uint32_t kPassMs = 50;

// In the row a record's note takes, at the end of a practice game.
constexpr const char* kPracticeNote = "Practice games keep no best scores";

std::string roundGoalText() {
  std::string text = "You need a";
  appendNumber(text, static_cast<int32_t>(game_record::kLongestWord));
  return text + " letter word to go to the next round.";
}

// The words the round would accept are found as it is dealt, before its
// clock starts, so finding them costs no playing time.
Round startRound(game_record::WordGame& game, const Extras& extras, uint32_t number) {
  console::clearScreen();
  drawBottomBanner(roundGoalText());
  Round round(rules::Round(game, extras.code, number, extras.shown));
  round.gameCode = extras.code;
  round.dailyPractice = extras.dailyPlay != nullptr && extras.dailyPlay->practice();
  if (round.dailyPractice) drawTopBannerRow(rows::kPracticeRow, "Practice: today's result is kept already");
  redrawInput(round);
  drawFoundWords(game);
  round.extrasShown = extras.shown;
  round.meanings = extras.meanings;
  if (round.extrasShown) drawWordCounts(round.rules);
  return round;
}

// Elapsed times are differences of unsigned 32-bit clock values, so they
// stay right when the clock wraps.
uint32_t msSince(uint32_t startMs) { return console::elapsedMs() - startMs; }

// A round with no limit has no countdown; its banner says how it ends.
constexpr const char* kNoLimitBanner = "No time limit: Escape ends the round";

void drawTimeLeft(const Round& round, uint32_t startMs) {
  if (round.rules.hasNoLimit()) return drawTopBanner(kNoLimitBanner);
  const uint32_t secondsLeft = round.rules.secondsLeft(msSince(startMs));
  std::string text = "Time Left:";
  appendNumber(text, secondsLeft);
  drawTopBanner(text, timeLeftColour(secondsLeft));
}

void waitOutPass() {
  uint32_t passStartMs = console::elapsedMs();
  for (uint32_t waited = 0; waited < kPassMs; waited = msSince(passStartMs)) {
    console::sleepMs(kPassMs - waited);
  }
}

// Outside the classic game an arrow or function key is one press that
// types nothing; the classic game takes its two codes as two keys, so an
// arrow's second code may type a capital there.
void takeKey(Round& round) {
  const int key = round.extrasShown ? console::readKeyPress() : console::readKey();
  if (round.extrasShown && key == console::kExtendedKey) return;
  if (key == console::kEscape && round.rules.hasNoLimit()) return round.rules.endNow();
  // A character key is whole; of any other code the low byte counts.
  handleRoundKey(round, console::isCharacterKey(key) ? key : key & 0xFF);
}

void makePass(Round& round, uint32_t startMs) {
  drawTimeLeft(round, startMs);
  if (console::keyWaiting()) takeKey(round);
  waitOutPass();
}

// A round dealt while the window is too small for its screen waits for the
// window to be enlarged: its clock starts only once the player can see it.
// A window made too small later does not stop the clock.
void playOutTime(Round& round) {
  console::waitUntilScreenShows();
  const uint32_t startMs = console::elapsedMs();
  while (!round.rules.ended(msSince(startMs))) makePass(round, startMs);
}

void drawGameCodeRows(const rules::RoundEnd& end) {
  if (!end.tellsGameCode()) return;
  const std::string& code = end.gameCode;
  drawTopBannerRow(rows::kGameCodeRow,
                   "Game code " + code + ": quillop -s " + code + " plays these words again");
  if (end.practice)
    drawTopBannerRow(rows::kPracticeRow, "Today's result was already kept: this game was practice");
}

void drawEndBanners(const Round& round) {
  const rules::RoundEnd end = round.end();
  if (end.passed) {
    drawTopBanner("You go to the next round!");
  } else {
    drawTopBanner("GAME OVER! The word was: " + end.word, console::colourOf(console::Role::kGameOver));
  }
  drawGameCodeRows(end);
  drawBottomBanner("Press SPACE to continue.");
  if (round.extrasShown) drawRoundEndRows(round);
}

// The review took the whole screen: everything of the end screen comes back.
void redrawEndScreen(const Round& round) {
  console::clearScreen();
  redrawInput(round);
  drawFoundWords(round.rules.game());
  drawEndBanners(round);
}

// Keys typed as the time ran out were meant for the round: they must not
// leave the end screen before it is seen.
void waitForSpace(const Round& round) {
  console::dropKeysFor(console::kUnheededKeysMs);
  for (int key = console::readKey(); key != console::kSpace; key = console::readKey()) {
    if (round.extrasShown && opensReview(key)) {
      showRoundReview(round.rules.game(), round.rules.words(), round.meanings);
      redrawEndScreen(round);
    }
  }
}

// A daily game counts every round, and keeps its result as the game ends,
// before its last screen waits for a key.
void countDailyRound(const game_record::WordGame& game, Round& round, records::DailyPlay* play) {
  if (play == nullptr) return;
  play->countRound({static_cast<uint32_t>(rules::foundWordCount(game)),
                    static_cast<uint32_t>(round.rules.words().total())});
  if (!round.rules.passed()) play->finish(game.score);
  round.dailyPractice = play->practice();
}

// A lost round ends the game, whose score then meets the best scores,
// unless the game was practice. A daily game's score is kept under the date
// it was started, also when it ends after midnight.
void keepScore(const game_record::WordGame& game, Round& round, const Extras& extras) {
  if (round.rules.passed()) return;
  if (round.dailyPractice) {
    round.recordNote = kPracticeNote;
    return;
  }
  if (extras.records == nullptr || round.rules.hasNoLimit()) return;  // no limit, no records
  const int place = extras.dailyPlay != nullptr
                        ? extras.records->add(game.timeToPlay, game.score, extras.dailyPlay->date())
                        : extras.records->add(game.timeToPlay, game.score);
  round.recordNote = recordNote(place, game.timeToPlay);
}

void endRound(game_record::WordGame& game, Round& round, const Extras& extras) {
  countDailyRound(game, round, extras.dailyPlay);
  keepScore(game, round, extras);
  drawEndBanners(round);
  waitForSpace(round);
  round.rules.finish();
}

bool playRound(game_record::WordGame& game, const Extras& extras, uint32_t number) {
  Round round = startRound(game, extras, number);
  playOutTime(round);
  endRound(game, round, extras);
  return round.rules.passed();
}

}  // namespace

uint32_t playGame(game_record::WordGame& game, const Extras& extras) {
  game.score = 0;
  for (uint32_t number = 1; playRound(game, extras, number); ++number) {
  }
  return game.score;
}

}  // namespace game
