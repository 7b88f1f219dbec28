#pragma once
// What one game and one of its rounds keep beside the game record: the
// points a word earns by its length, and the round's word, typed input,
// outcome, the words it would accept and where its reshuffles come from.

#include <array>
#include <cstdint>
#include <string>

#include "dictionary/meanings.h"
#include "game/random_draws.h"
#include "game/round_words.h"
#include "game_record/word_game.h"

/// Points for a word of length n at index n - kShortestWord; every round
/// adds kPointSteps, so round r pays r times the first round's values.
using PointValues = std::array<uint32_t, kFoundWordTrees>;
constexpr PointValues kPointSteps = {1, 3, 6, 10};

struct Round {
  std::string word;            ///< as chosen, revealed when the round is lost
  std::string typedInput;      ///< never longer than game.mangledWord
  bool passed = false;         ///< a six-letter word was found
  bool extrasShown = false;    ///< counts, feedback and the review are on
  RoundWords words;            ///< with extrasShown: every word the round would accept
  std::string recordNote;      ///< with extrasShown: the place a game's score took, at its end
  RandomDraws reshuffles;      ///< what Space's reshuffles draw from
  std::string gameCode;        ///< the game's code, shown at its end; empty in the classic game
  bool dailyPractice = false;  ///< a daily game whose date had its result kept already
  dictionary::MeaningsOnDemand* meanings = nullptr;  ///< with extrasShown: what words mean, if known
};
