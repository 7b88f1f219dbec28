#pragma once
// What the full-screen face keeps for one round beside its rules: whether
// the extras are shown, and the texts and facts of the round's end.

#include <string>
#include <utility>

#include "dictionary/meanings.h"
#include "rules/round.h"
#include "rules/round_end.h"

namespace game {

struct Round {
  explicit Round(rules::Round dealt) : rules(std::move(dealt)) {}

  rules::Round rules;
  bool extrasShown = false;    ///< counts, feedback and the review are on
  std::string gameCode;        ///< the game's code, shown at its end; empty in the classic game
  bool dailyPractice = false;  ///< a daily game whose date had its result kept already
  std::string recordNote;      ///< with extrasShown: the place a game's score took, at its end
  dictionary::MeaningsOnDemand* meanings = nullptr;  ///< with extrasShown: what words mean, if known

  /// The facts of the round's end, as they stand.
  rules::RoundEnd end() const { return {rules.passed(), rules.word(), gameCode, dailyPractice}; }
};

}  // namespace game
