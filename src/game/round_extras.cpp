#include "game/round_extras.h"

#include <string>
#include <vector>

#include "console/theme.h"
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

// A length with no words has nothing to find, so nothing found in full.
bool allFound(const rules::WordCount& count) { return count.there > 0 && count.found == count.there; }

// Each length's count a piece of its own, in colour once all its words are
// found; the gaps between them in none.
std::vector<Piece> countsPieces(const rules::Round& round) {
  std::vector<Piece> pieces;
  size_t length = game_record::kShortestWord;
  for (const rules::WordCount& count : round.counts()) {
    if (!pieces.empty()) pieces.push_back({kCountsGap});
    // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict)
    // about a literal "+" a string.
    std::string text = std::to_string(length++);
    text += ": ";
    text += std::to_string(count.found);
    text += '/';
    text += std::to_string(count.there);
    pieces.push_back(
        {text, allFound(count) ? console::colourOf(console::Role::kLengthAllFound) : console::Colour{}});
  }
  return pieces;
}

console::Colour verdictColour(const rules::Submission& submission) {
  return console::colourOf(submission.verdict == rules::Verdict::kAccepted ? console::Role::kWordTaken
                                                                           : console::Role::kWordRefused);
}

std::string verdictText(const rules::Submission& submission) {
  switch (submission.verdict) {
    case rules::Verdict::kAccepted: return std::string(1, '+') += std::to_string(submission.points);
    case rules::Verdict::kTooShort: return "too short";
    case rules::Verdict::kNotInDictionary: return "not in the dictionary";
    case rules::Verdict::kFoundBefore: return "already found this round";
    case rules::Verdict::kNotFromLetters: break;  // keys type only letters on show
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

void drawWordCounts(const rules::Round& round) { drawCentredPieces(rows::kCountsRow, countsPieces(round)); }

void drawFeedback(const rules::Submission& submission) {
  const std::string said = submission.word.empty() ? std::string() : submission.word + ": ";
  drawBlankedRow(rows::kFeedbackRow, 0, said + verdictText(submission), verdictColour(submission));
}

void drawRoundEndRows(const Round& round) {
  // A practice game's note in that row says it kept no score: no record.
  const console::Colour noteColour =
      round.dailyPractice ? console::Colour{} : console::colourOf(console::Role::kNewRecord);
  drawCentredRow(rows::kRecordNoteRow, round.recordNote, noteColour);
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
