#include "game_invariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "rules/menu_choices.h"

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

bool holds(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Row y as text, trailing blanks removed, as ScreenGrid::row gives it, but
// into storage kept from check to check, a byte at a time: a round is
// checked at every key.
void readRow(const console::ScreenGrid& screen, int y, std::string& text) {
  constexpr size_t kLongestCell = 4;
  text.resize(console::ScreenGrid::kColumns * kLongestCell);
  size_t length = 0;
  for (int x = 0; x < console::ScreenGrid::kColumns; ++x) {
    for (char byte : screen.cell(x, y)) text[length++] = byte;
  }
  text.resize(length);
  text.erase(text.find_last_not_of(' ') + 1);
}

}  // namespace

void GameInvariants::enter(Stage stage, const game_record::WordGame& game) {
  stage_ = stage;
  game_ = &game;
  if (stage == Stage::kGame) lastScore_ = 0;
}

void GameInvariants::check(const console::ScreenGrid& screen, bool waitsForKey) {
  if (stage_ == Stage::kStatistics) checkStatistics(screen);
  if (game_ == nullptr) return;
  const uint16_t time = game_->timeToPlay;
  const bool timed = time >= kShortestTime && time <= kLongestTime && time % kTimeStep == 0;
  if (!timed && time != rules::kNoLimit) fail("time to play", screen);
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
  readRow(screen, kBannerTextRow, row_);
  if (holds(row_, kReviewTitle)) return;
  // While the countdown shows, the round only polls: it never blocks.
  if (waitsForKey && holds(row_, "Time Left:")) fail("a round waits for a key", screen);
  readRow(screen, kScoreRow, row_);
  if (!holds(row_, "Your Score: " + std::to_string(game_->score))) fail("score shown", screen);
  readRow(screen, kInputRow, row_);
  const std::string_view inputRow = row_;
  if (inputRow.size() < kMangledColumn || inputRow.substr(kMangledColumn) != game_->mangledWord) {
    fail("letters shown", screen);
  }
  std::string_view typed = inputRow.substr(0, kMangledColumn);
  typed = typed.substr(0, typed.find_last_not_of(' ') + 1);
  checkTypedInput(typed, screen);
}

// The typed letters are exactly the letters at the used positions.
void GameInvariants::checkTypedInput(std::string_view typed, const console::ScreenGrid& screen) const {
  if (typed.size() > game_->mangledWord.size()) fail("typed input longer than the letters", screen);
  std::string usedLetters;
  for (size_t i = 0; i < game_->mangledWord.size(); ++i) {
    if (game_->letterUsed[i]) usedLetters += game_->mangledWord[i];
  }
  std::string typedLetters(typed);
  std::sort(usedLetters.begin(), usedLetters.end());
  std::sort(typedLetters.begin(), typedLetters.end());
  if (usedLetters != typedLetters) fail("used-letter flags and typed input", screen);
}

}  // namespace fuzz
