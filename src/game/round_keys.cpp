#include "game/round_keys.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "dictionary/letters.h"
#include "game/round_extras.h"
#include "game/round_words.h"
#include "game/screen.h"
#include "game/word_choice.h"

namespace {

// As wide as the longest input, so it covers whatever a longer input left.
constexpr const char* kInputPadding = "      ";

bool inDictionary(const WordGame& game, const std::string& word) { return game.dictionary->find(word) != -1; }

// The checks in their order: length in letters, the dictionary, the words found.
Verdict judge(const WordGame& game, const std::string& word) {
  const size_t letters = dictionary::letterCount(word);
  if (letters < kShortestWord) return Verdict::kTooShort;
  if (letters > kLongestWord || !inDictionary(game, word)) return Verdict::kNotInDictionary;
  if (wasFound(game, word)) return Verdict::kFoundBefore;
  return Verdict::kAccepted;
}

void drawSixLetterMessage() {
  std::string message = "You got a";
  appendNumber(message, static_cast<int32_t>(kLongestWord));
  drawBottomBanner(message + " letter word!");
}

void scoreWord(WordGame& game, Round& round, const PointValues& points, const std::string& word) {
  const size_t letters = dictionary::letterCount(word);
  const size_t tree = letters - kShortestWord;
  game.score += points[tree];
  if (letters == kLongestWord) {
    round.passed = true;
    drawSixLetterMessage();
  }
  game.foundWords[tree].insert(game.foundWords[tree].root, word);
  game.foundWords[tree].count += 1;
}

void showVerdict(const WordGame& game, const Round& round, Verdict verdict, const std::string& word,
                 const PointValues& points) {
  const bool accepted = verdict == Verdict::kAccepted;
  drawFeedback(verdict, word, accepted ? points[dictionary::letterCount(word) - kShortestWord] : 0);
  if (accepted) drawWordCounts(game, round.words);
}

// Accepted or not, the input is cleared; a rejected word costs nothing.
void submitInput(WordGame& game, Round& round, const PointValues& points) {
  const Verdict verdict = judge(game, round.typedInput);
  if (verdict == Verdict::kAccepted) scoreWord(game, round, points, round.typedInput);
  const std::string submitted = round.typedInput;
  round.typedInput.clear();
  game.letterUsed.fill(false);
  redrawInput(game, round);
  drawFoundWords(game);
  if (round.extrasShown) showVerdict(game, round, verdict, submitted, points);
}

void reshuffle(WordGame& game, Round& round) {
  mangleWord(game, game.mangledWord, round.reshuffles);
  round.typedInput.clear();
}

// Frees the first used position holding the last letter; with a letter on
// show twice, that may be another position than the one it was typed into,
// which makes no difference to what can be typed next.
void takeBackLetter(WordGame& game, Round& round) {
  if (round.typedInput.empty()) return;
  const std::string_view last = dictionary::lettersOf(round.typedInput).back();
  const std::vector<std::string_view> shown = dictionary::lettersOf(game.mangledWord);
  for (size_t position = 0; position < shown.size(); ++position) {
    if (shown[position] == last && game.letterUsed[position]) {
      game.letterUsed[position] = false;
      break;
    }
  }
  round.typedInput.resize(round.typedInput.size() - last.size());
}

// The typed input takes the letter's own bytes, marks included, so that it
// is the dictionary's word whatever bytes the key came as.
void typeLetter(WordGame& game, Round& round, int key) {
  const std::vector<std::string_view> shown = dictionary::lettersOf(game.mangledWord);
  for (size_t position = 0; position < shown.size(); ++position) {
    if (dictionary::letterKey(shown[position]) == key && !game.letterUsed[position]) {
      round.typedInput += shown[position];
      game.letterUsed[position] = true;
      return;
    }
  }
}

}  // namespace

void redrawInput(const WordGame& game, const Round& round) {
  drawInputPanel(game, round.typedInput + kInputPadding);
}

void handleRoundKey(WordGame& game, Round& round, const PointValues& points, int key) {
  switch (key) {
    case console::kEnter: submitInput(game, round, points); return;
    case console::kSpace: reshuffle(game, round); break;
    case console::kBackspace: takeBackLetter(game, round); break;
    default: typeLetter(game, round, key); break;
  }
  redrawInput(game, round);
}
