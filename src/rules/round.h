#pragma once
// One round's rules as a value: the letters on show, the typed input, which
// shown letters it uses, the words found, the score and the time. A face
// hands it letters and commands and draws what it answers; it reads no key,
// draws nothing and keeps no clock (the milliseconds passed come in).
//
// The score, the letters on show, their used marks and the words found
// stay in the game record, which the round works on: they outlast a round
// (the score) or are what the record is for.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game_record/word_game.h"
#include "rules/random_draws.h"
#include "rules/round_words.h"

namespace rules {

/// Points for a word of length n at index n - kShortestWord. Round r pays
/// r times kPointSteps.
using PointValues = std::array<uint32_t, game_record::kFoundWordTrees>;
constexpr PointValues kPointSteps = {1, 3, 6, 10};
PointValues pointsOfRound(uint32_t number);

/// What became of a submitted word, in the order the round checks.
/// kNotFromLetters comes only from a word submitted whole (submitWord),
/// after kTooShort: letters typed one by one are always from the letters.
enum class Verdict { kAccepted, kTooShort, kNotInDictionary, kFoundBefore, kNotFromLetters };

struct Submission {
  Verdict verdict = Verdict::kTooShort;
  std::string word;         ///< the input as submitted
  uint32_t points = 0;      ///< earned: 0 unless accepted
  bool sixLetters = false;  ///< accepted with kLongestWord letters, which passes the round
};

/// Words found and words there are, of one length.
struct WordCount {
  size_t found = 0;
  size_t there = 0;
};

class Round {
 public:
  /// Deals round number (from 1) of the game with code (empty: the classic
  /// game's std::rand): chooses its word from game.dictionary and shows its
  /// letters shuffled. With listWords, finds every word the round would
  /// accept, for the counts and the review. Leaves the score as it is.
  Round(game_record::WordGame& game, const std::string& code, uint32_t number, bool listWords);

  /// Types the first free letter on show that letter types: with bytes (the
  /// classic game) the byte itself, with characters the same letter in
  /// either canonical form or the letter's first character (so "e" types
  /// "e" with a combining accent, and a Latin-1 byte's letter is typed by
  /// its character's UTF-8). A combining mark alone joins the letter typed
  /// just before it (a letter that typed nothing alone, else the last letter
  /// typed). A letter with no free place, a capital for a small letter, or a
  /// command's letter types nothing. Returns whether it typed.
  bool type(std::string_view letter);
  /// Takes back the last letter typed, freeing the first used place that
  /// holds it (which may not be the one it was typed into).
  void takeBack();
  /// Shows the letters in a new order, from the round's own draws, and
  /// clears the input.
  void reshuffle();
  /// Judges the input (its length in letters, the dictionary, the words
  /// found), scores an accepted word and clears the input either way.
  Submission submit();
  /// Judges a word typed whole, as a line is: clears the input, types the
  /// word's letters one by one, each as typed or else in the other case
  /// (so either case plays a list of small letters or of capitals), and
  /// submits it. A word that uses a letter not on show, or more often than
  /// it is shown, is kNotFromLetters (kTooShort when it is also too short)
  /// and leaves the input empty.
  Submission submitWord(std::string_view word);

  /// Whole seconds left to show after msPassed of play; 0 with no limit.
  uint32_t secondsLeft(uint32_t msPassed) const;
  /// A six-letter word does not end the round early: it lasts the whole time.
  /// A round with no limit (timeToPlay kNoLimit) ends only at endNow.
  bool ended(uint32_t msPassed) const;
  bool hasNoLimit() const;
  /// Ends a round with no limit, as the player asks.
  void endNow() { endedByPlayer_ = true; }
  uint32_t lengthMs() const;

  /// Per length: the words found and, with listWords, the words there are.
  std::array<WordCount, game_record::kFoundWordTrees> counts() const;
  /// Forgets the words found, as the round's end screen is left.
  void finish();

  const std::string& typedInput() const { return typed_; }
  const std::string& word() const { return word_; }
  /// The letters on show, each letter whole, in the order shown.
  const std::vector<std::string>& shownLetters() const { return shown_; }
  bool passed() const { return passed_; }
  const RoundWords& words() const { return words_; }
  const PointValues& points() const { return points_; }
  const game_record::WordGame& game() const { return game_; }

 private:
  void showLetters();
  bool typeFirst(std::string_view letter);
  bool joinMark(const std::string& pending, std::string_view mark);
  Verdict judge(const std::string& word) const;
  void score(Submission& submission);

  game_record::WordGame& game_;
  std::string word_;  ///< as chosen, revealed when the round ends the game
  std::vector<std::string> shown_;
  std::string typed_;        ///< never longer than game_.mangledWord
  std::string pendingBase_;  ///< a letter that typed nothing, which a mark typed next may join
  bool passed_ = false;      ///< a six-letter word was found
  bool endedByPlayer_ = false;
  PointValues points_{};
  RandomDraws reshuffles_;  ///< what reshuffles draw from
  RoundWords words_;        ///< empty unless listWords
};

/// True when a typed letter is the shown letter, as Round::type compares.
bool types(std::string_view typed, std::string_view shown);

}  // namespace rules
