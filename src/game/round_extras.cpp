#include "game/round_extras.h"

#include "game/screen.h"
#include "game/word_meaning.h"

namespace {

constexpr uint16_t kNoteRow = 5;
constexpr uint16_t kFeedbackRow = 9;
constexpr uint16_t kCountsRow = 20;
constexpr size_t kMeaningWidth = 79;
constexpr const char* kCountsGap = "   ";
constexpr const char* kPlaceNames[] = {"", "", "Second", "Third", "Fourth", "Fifth"};
constexpr int kLastPlace = 5;

std::string countsText(const WordGame& game, const RoundWords& words) {
  std::string text;
  for (size_t i = 0; i < kFoundWordTrees; ++i) {
    if (!text.empty()) text += kCountsGap;
    // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict)
    // about a literal "+" a string.
    text += std::to_string(i + kShortestWord);
    text += ": ";
    text += std::to_string(game.foundWords[i].count);
    text += '/';
    text += std::to_string(words.byLength[i].size());
  }
  return text;
}

std::string verdictText(Verdict verdict, uint32_t points) {
  switch (verdict) {
    case Verdict::kAccepted: return std::string(1, '+') += std::to_string(points);
    case Verdict::kTooShort: return "too short";
    case Verdict::kNotInDictionary: return "not in the dictionary";
    case Verdict::kFoundBefore: return "already found this round";
  }
  return {};
}

std::string summaryText(const WordGame& game, const RoundWords& words) {
  return "You found " + std::to_string(foundWordCount(game)) + " of the " + std::to_string(words.total()) +
         " words. Press W to see them all.";
}

// The round's word, revealed when the round ends the game, and what it
// means, in the one row there is.
std::string lostWordMeaning(const Round& round) {
  if (round.passed || round.meanings == nullptr) return {};
  return wrapRows(meaningText(round.word, *round.meanings), kMeaningWidth, 1).front();
}

}  // namespace

void drawWordCounts(const WordGame& game, const RoundWords& words) {
  drawCentredRow(kCountsRow, countsText(game, words));
}

void drawFeedback(Verdict verdict, const std::string& word, uint32_t points) {
  const std::string said = word.empty() ? std::string() : word + ": ";
  drawBlankedRow(kFeedbackRow, 0, said + verdictText(verdict, points));
}

void drawRoundEndRows(const WordGame& game, const Round& round) {
  drawCentredRow(kNoteRow, round.recordNote);
  drawCentredRow(kFeedbackRow, lostWordMeaning(round));
  drawCentredRow(kCountsRow, summaryText(game, round.words));
}

std::string recordNote(int place, uint16_t seconds) {
  if (place < 1 || place > kLastPlace) return {};
  const std::string forTime = " for " + std::to_string(seconds) + " seconds!";
  if (place == 1) return "New record" + forTime;
  return std::string(kPlaceNames[place]) + " best score" + forTime;
}

bool opensReview(int key) { return key == 'w' || key == 'W'; }
