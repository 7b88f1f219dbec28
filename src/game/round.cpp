#include "game/round.h"

#include "console/console.h"
#include "game/round_keys.h"
#include "game/round_state.h"
#include "game/screen.h"
#include "game/word_choice.h"

namespace {

// A pass redraws the countdown and handles at most one key, at most twenty
// times a second; faster keys wait in the input for later passes. The pass
// sleeps out its time rather than spinning, so the processor stays idle.
constexpr uint32_t kPassMs = 50;
constexpr uint32_t kMsPerSecond = 1000;

std::string roundGoalText() {
  std::string text = "You need a";
  appendNumber(text, static_cast<int32_t>(kLongestWord));
  return text + " letter word to go to the next round.";
}

void growPointValues(PointValues& points) {
  for (size_t i = 0; i < points.size(); ++i) points[i] += kPointSteps[i];
}

Round startRound(WordGame& game, PointValues& points) {
  console::clearScreen();
  drawBottomBanner(roundGoalText());
  Round round;
  growPointValues(points);
  round.word = chooseWord(*game.dictionary);
  mangleWord(game, round.word);
  redrawInput(game, round);
  drawFoundWords(game);
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

void makePass(WordGame& game, Round& round, const PointValues& points, uint32_t startMs) {
  drawTimeLeft(game, startMs);
  if (console::keyWaiting()) {
    handleRoundKey(game, round, points, console::readKey() & 0xFF);
  }
  waitOutPass();
}

// A six-letter word does not end the round early: it always lasts the
// whole time to play.
void playOutTime(WordGame& game, Round& round, const PointValues& points) {
  uint32_t startMs = console::elapsedMs();
  uint32_t roundMs = static_cast<uint32_t>(game.timeToPlay) * kMsPerSecond;
  while (msSince(startMs) < roundMs) makePass(game, round, points, startMs);
}

void waitForSpace() {
  while (console::readKey() != console::kSpace) {
  }
}

void endRound(WordGame& game, const Round& round) {
  drawTopBanner(round.passed ? "You go to the next round!" : "GAME OVER! The word was: " + round.word);
  drawBottomBanner("Press SPACE to continue.");
  waitForSpace();
  for (size_t i = 0; i < kFoundWordTrees; ++i) game.foundWords[i].clear();
}

bool playRound(WordGame& game, PointValues& points) {
  Round round = startRound(game, points);
  playOutTime(game, round, points);
  endRound(game, round);
  return round.passed;
}

}  // namespace

uint32_t playGame(WordGame& game) {
  game.score = 0;
  PointValues points{};
  while (playRound(game, points)) {
  }
  return game.score;
}
