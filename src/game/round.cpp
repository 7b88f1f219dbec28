#include "game/round.h"

#include "console/console.h"
#include "game/round_extras.h"
#include "game/round_keys.h"
#include "game/round_review.h"
#include "game/round_state.h"
#include "game/screen.h"
#include "game/word_choice.h"
#include "records/daily_store.h"
#include "records/store.h"

namespace {

// A pass redraws the countdown and handles at most one key, at most twenty
// times a second; faster keys wait in the input for later passes. The pass
// sleeps out its time rather than spinning, so the processor stays idle.
constexpr uint32_t kPassMs = 50;
constexpr uint32_t kMsPerSecond = 1000;
// Rows inside the top banner's frame, around its text, which the countdown
// leaves as they are: whether a daily game is practice, and the last
// screen's game code.
constexpr uint16_t kPracticeRow = 1;
constexpr uint16_t kGameCodeRow = 3;

std::string roundGoalText() {
  std::string text = "You need a";
  appendNumber(text, static_cast<int32_t>(kLongestWord));
  return text + " letter word to go to the next round.";
}

void growPointValues(PointValues& points) {
  for (size_t i = 0; i < points.size(); ++i) points[i] += kPointSteps[i];
}

// A round's word and first shuffle come from draws of its own, so they
// depend only on the game's code and the round's number.
void dealWord(WordGame& game, Round& round, const Extras& extras, uint32_t number) {
  RandomDraws wordDraws = roundDraws(extras.code, number, DrawStream::kWord);
  round.word = chooseWord(*game.dictionary, wordDraws);
  mangleWord(game, round.word, wordDraws);
  round.reshuffles = roundDraws(extras.code, number, DrawStream::kReshuffle);
  round.gameCode = extras.code;
  round.dailyPractice = extras.dailyPlay != nullptr && extras.dailyPlay->practice();
}

// The words the round would accept are found before its clock starts, so
// finding them costs no playing time.
Round startRound(WordGame& game, PointValues& points, const Extras& extras, uint32_t number) {
  console::clearScreen();
  drawBottomBanner(roundGoalText());
  Round round;
  growPointValues(points);
  dealWord(game, round, extras, number);
  if (round.dailyPractice) drawTopBannerRow(kPracticeRow, "Practice: today's result is kept already");
  redrawInput(game, round);
  drawFoundWords(game);
  round.extrasShown = extras.shown;
  round.meanings = extras.meanings;
  if (round.extrasShown) {
    round.words = findRoundWords(*game.dictionary, game.mangledWord);
    drawWordCounts(game, round.words);
  }
  return round;
}

// Elapsed times are differences of unsigned 32-bit clock values, so they
// stay right when the clock wraps.
uint32_t msSince(uint32_t startMs) { return console::elapsedMs() - startMs; }

void drawTimeLeft(const WordGame& game, uint32_t startMs) {
  std::string text = "Time Left:";
  appendNumber(text, static_cast<uint32_t>(game.timeToPlay) - msSince(startMs) / kMsPerSecond);
  drawTopBanner(text);
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
void takeKey(WordGame& game, Round& round, const PointValues& points) {
  const int key = round.extrasShown ? console::readKeyPress() : console::readKey();
  if (round.extrasShown && key == console::kExtendedKey) return;
  // A character key is whole; of any other code the low byte counts.
  handleRoundKey(game, round, points, console::isCharacterKey(key) ? key : key & 0xFF);
}

void makePass(WordGame& game, Round& round, const PointValues& points, uint32_t startMs) {
  drawTimeLeft(game, startMs);
  if (console::keyWaiting()) takeKey(game, round, points);
  waitOutPass();
}

// A six-letter word does not end the round early: it always lasts the
// whole time to play.
void playOutTime(WordGame& game, Round& round, const PointValues& points) {
  uint32_t startMs = console::elapsedMs();
  uint32_t roundMs = static_cast<uint32_t>(game.timeToPlay) * kMsPerSecond;
  while (msSince(startMs) < roundMs) makePass(game, round, points, startMs);
}

// The last screen of a game with a code says how to play its words again.
void drawGameCodeRows(const Round& round) {
  if (round.passed || round.gameCode.empty()) return;
  const std::string& code = round.gameCode;
  drawTopBannerRow(kGameCodeRow, "Game code " + code + ": quillop -s " + code + " plays these words again");
  if (round.dailyPractice)
    drawTopBannerRow(kPracticeRow, "Today's result was already kept: this game was practice");
}

void drawEndBanners(const WordGame& game, const Round& round) {
  drawTopBanner(round.passed ? "You go to the next round!" : "GAME OVER! The word was: " + round.word);
  drawGameCodeRows(round);
  drawBottomBanner("Press SPACE to continue.");
  if (round.extrasShown) drawRoundEndRows(game, round);
}

// The review took the whole screen: everything of the end screen comes back.
void redrawEndScreen(const WordGame& game, const Round& round) {
  console::clearScreen();
  redrawInput(game, round);
  drawFoundWords(game);
  drawEndBanners(game, round);
}

// Keys typed as the time ran out were meant for the round: they must not
// leave the end screen before it is seen.
void waitForSpace(const WordGame& game, const Round& round) {
  console::dropKeysFor(console::kUnheededKeysMs);
  for (int key = console::readKey(); key != console::kSpace; key = console::readKey()) {
    if (round.extrasShown && opensReview(key)) {
      showRoundReview(game, round.words, round.meanings);
      redrawEndScreen(game, round);
    }
  }
}

// A daily game counts every round, and keeps its result as the game ends,
// before its last screen waits for a key.
void countDailyRound(const WordGame& game, Round& round, records::DailyPlay* play) {
  if (play == nullptr) return;
  play->countRound({static_cast<uint32_t>(foundWordCount(game)), static_cast<uint32_t>(round.words.total())});
  if (!round.passed) play->finish(game.score);
  round.dailyPractice = play->practice();
}

// A lost round ends the game, whose score then meets the best scores.
void endRound(WordGame& game, Round& round, const Extras& extras) {
  if (!round.passed && extras.records != nullptr) {
    round.recordNote = recordNote(extras.records->add(game.timeToPlay, game.score), game.timeToPlay);
  }
  countDailyRound(game, round, extras.dailyPlay);
  drawEndBanners(game, round);
  waitForSpace(game, round);
  for (size_t i = 0; i < kFoundWordTrees; ++i) game.foundWords[i].clear();
}

bool playRound(WordGame& game, PointValues& points, const Extras& extras, uint32_t number) {
  Round round = startRound(game, points, extras, number);
  playOutTime(game, round, points);
  endRound(game, round, extras);
  return round.passed;
}

}  // namespace

uint32_t playGame(WordGame& game, const Extras& extras) {
  game.score = 0;
  PointValues points{};
  for (uint32_t number = 1; playRound(game, points, extras, number); ++number) {
  }
  return game.score;
}
