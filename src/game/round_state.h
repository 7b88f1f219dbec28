#pragma once
// What one game and one of its rounds keep beside the game record: the
// points a word earns by its length, and the round's word, typed input,
// outcome and the words it would accept.

#include <array>
#include <cstdint>
#include <string>

#include "dictionary/meanings.h"
#include "game/round_words.h"
#include "game_record/word_game.h"

/// Points for a word of length n at index n - kShortestWord; every round
/// adds kPointSteps, so round r pays r times the first round's values.
using PointValues = std::array<uint32_t, kFoundWordTrees>;
constexpr PointValues kPointSteps = {1, 3, 6, 10};

struct Round {
  std::string word;          ///< as chosen, revealed when the round is lost
  std::string typedInput;    ///< never longer than game.mangledWord
  bool passed = false;       ///< a six-letter word was found
  bool extrasShown = false;  ///< counts, feedback and the review are on
  RoundWords words;          ///< with extrasShown: every word the round would accept
  std::string recordNote;    ///< with extrasShown: the place a game's score took, at its end
  dictionary::MeaningsOnDemand* meanings = nullptr;  ///< with extrasShown: what words mean, if known
};
