#include "game_invariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fuzz {
namespace {

constexpr uint16_t kShortestTime = 30;
constexpr uint16_t kLongestTime = 120;
constexpr uint16_t kTimeStep = 30;
constexpr int kLastFirstBucket = containers::kBucketCount - 20;

constexpr int kBannerTextRow = 2;
constexpr int kFirstBucketRow = 2;
constexpr int kScoreRow = 6;
constexpr int kInputRow = 7;
constexpr size_t kMangledColumn = 73;
constexpr const char* kReviewTitle = "Every word of the round";

[[noreturn]] void fail(const char* breach, const console::ScreenGrid& screen) {
  std::fprintf(stderr, "broken invariant: %s\nscreen:\n%s", breach, screen.dump().c_str());
  std::abort();
}

// The number that starts the text, or -1 when it starts with no digit.
int leadingNumber(const std::string& text) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return -1;
  return std::atoi(text.c_str());
}

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

void GameInvariants::enter(Stage stage, const WordGame& game) {
  stage_ = stage;
  game_ = &game;
  if (stage == Stage::kGame) lastScore_ = 0;
}

void GameInvariants::check(const console::ScreenGrid& screen, bool waitsForKey) {
  if (game_ == nullptr) return;
  const uint16_t time = game_->timeToPlay;
  if (time < kShortestTime || time > kLongestTime || time % kTimeStep != 0) fail("time to play", screen);
  if (stage_ == Stage::kStatistics) checkStatistics(screen);
  if (stage_ == Stage::kGame) checkRound(screen, waitsForKey);
}

void GameInvariants::checkStatistics(const console::ScreenGrid& screen) const {
  const int firstBucket = leadingNumber(screen.row(kFirstBucketRow));
  if (firstBucket < 0 || firstBucket > kLastFirstBucket) fail("first bucket on the page", screen);
}

void GameInvariants::checkRound(const console::ScreenGrid& screen, bool waitsForKey) {
  if (game_->score < lastScore_) fail("the score went down", screen);
  lastScore_ = game_->score;
  // The review of a round's words covers the round screen while it is up.
  if (holds(screen.row(kBannerTextRow), kReviewTitle)) return;
  if (!holds(screen.row(kScoreRow), "Your Score: " + std::to_string(game_->score)))
    fail("score shown", screen);
  // While the countdown shows, the round only polls: it never blocks.
  if (waitsForKey && holds(screen.row(kBannerTextRow), "Time Left:")) fail("a round waits for a key", screen);
  const std::string inputRow = screen.row(kInputRow);
  if (inputRow.size() < kMangledColumn || inputRow.substr(kMangledColumn) != game_->mangledWord) {
    fail("letters shown", screen);
  }
  std::string typed = inputRow.substr(0, kMangledColumn);
  typed.erase(typed.find_last_not_of(' ') + 1);
  checkTypedInput(typed, screen);
}

// The typed letters are exactly the letters at the used positions.
void GameInvariants::checkTypedInput(const std::string& typed, const console::ScreenGrid& screen) const {
  if (typed.size() > game_->mangledWord.size()) fail("typed input longer than the letters", screen);
  std::string usedLetters;
  for (size_t i = 0; i < game_->mangledWord.size(); ++i) {
    if (game_->letterUsed[i]) usedLetters += game_->mangledWord[i];
  }
  std::string typedLetters = typed;
  std::sort(usedLetters.begin(), usedLetters.end());
  std::sort(typedLetters.begin(), typedLetters.end());
  if (usedLetters != typedLetters) fail("used-letter flags and typed input", screen);
}

}  // namespace fuzz
