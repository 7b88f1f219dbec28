#include "game/round_extras.h"

#include "game/round_layout.h"
#include "game/screen.h"
#include "game/word_meaning.h"

namespace game {
namespace {

namespace rows = layout::round;

constexpr size_t kMeaningWidth = 79;
constexpr const char* kCountsGap = "   ";
constexpr const char* kPlaceNames[] = {"", "", "Second", "Third", "Fourth", "Fifth"};
constexpr int kLastPlace = 5;

std::string countsText(const rules::Round& round) {
  std::string text;
  size_t length = kShortestWord;
  for (const rules::WordCount& count : round.counts()) {
    if (!text.empty()) text += kCountsGap;
    // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict)
    // about a literal "+" a string.
    text += std::to_string(length++);
    text += ": ";
    text += std::to_string(count.found);
    text += '/';
    text += std::to_string(count.there);
  }
  return text;
}

std::string verdictText(const rules::Submission& submission) {
  switch (submission.verdict) {
    case rules::Verdict::kAccepted: return std::string(1, '+') += std::to_string(submission.points);
    case rules::Verdict::kTooShort: return "too short";
    case rules::Verdict::kNotInDictionary: return "not in the dictionary";
    case rules::Verdict::kFoundBefore: return "already found this round";
  }
  return {};
}

std::string summaryText(const rules::Round& round) {
  return "You found " + std::to_string(rules::foundWordCount(round.game())) + " of the " +
         std::to_string(round.words().total()) + " words. Press W to see them all.";
}

// The round's word, revealed when the round ends the game, and what it
// means, in the one row there is.
std::string lostWordMeaning(const Round& round) {
  if (!round.end().gameOver() || round.meanings == nullptr) return {};
  return wrapRows(meaningText(round.rules.word(), *round.meanings), kMeaningWidth, 1).front();
}

}  // namespace

void drawWordCounts(const rules::Round& round) { drawCentredRow(rows::kCountsRow, countsText(round)); }

void drawFeedback(const rules::Submission& submission) {
  const std::string said = submission.word.empty() ? std::string() : submission.word + ": ";
  drawBlankedRow(rows::kFeedbackRow, 0, said + verdictText(submission));
}

void drawRoundEndRows(const Round& round) {
  drawCentredRow(rows::kRecordNoteRow, round.recordNote);
  drawCentredRow(rows::kLostWordMeaningRow, lostWordMeaning(round));
  drawCentredRow(rows::kSummaryRow, summaryText(round.rules));
}

std::string recordNote(int place, uint16_t seconds) {
  if (place < 1 || place > kLastPlace) return {};
  const std::string forTime = " for " + std::to_string(seconds) + " seconds!";
  if (place == 1) return "New record" + forTime;
  return std::string(kPlaceNames[place]) + " best score" + forTime;
}

bool opensReview(int key) { return key == 'w' || key == 'W'; }

}  // namespace game
