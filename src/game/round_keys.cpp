#include "game/round_keys.h"

#include <cstdint>
#include <string>

#include "console/console.h"
#include "console/theme.h"
#include "game/letter_keys.h"
#include "game/round_extras.h"
#include "game/screen.h"

namespace game {
namespace {

// As wide as the longest input, so it covers whatever a longer input left.
constexpr const char* kInputPadding = "      ";

void drawSixLetterMessage() {
  std::string message = "You got a";
  appendNumber(message, static_cast<int32_t>(game_record::kLongestWord));
  drawBottomBanner(message + " letter word!", console::colourOf(console::Role::kBanner));
}

// Accepted or not, the input is cleared; the feedback and the counts are
// extras.
void submitInput(Round& round) {
  const rules::Submission submission = round.rules.submit();
  if (submission.sixLetters) drawSixLetterMessage();
  redrawInput(round);
  drawFoundWords(round.rules.game());
  if (!round.extrasShown) return;
  drawFeedback(submission);
  if (submission.verdict == rules::Verdict::kAccepted) drawWordCounts(round.rules);
}

}  // namespace

void redrawInput(const Round& round) {
  drawInputPanel(round.rules.game(), round.rules.typedInput() + kInputPadding);
}

void handleRoundKey(Round& round, int key) {
  switch (key) {
    case console::kEnter: submitInput(round); return;
    case console::kSpace: round.rules.reshuffle(); break;
    case console::kBackspace: round.rules.takeBack(); break;
    default: round.rules.type(letterOfKey(key)); break;
  }
  redrawInput(round);
}

}  // namespace game
