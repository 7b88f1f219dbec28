#include "rules/round.h"

#include <utility>

#include "dictionary/letters.h"
#include "rules/menu_choices.h"
#include "rules/word_choice.h"
#include "text/character_classes.h"
#include "text/utf8.h"

namespace rules {
namespace {

constexpr uint32_t kMsPerSecond = 1000;

// A combining mark typed on its own: a keyboard with no key for an accented
// letter sends the letter and then its mark.
bool isLoneMark(std::string_view letter) {
  if (dictionary::letterRule() == dictionary::LetterRule::kBytes || letter.empty()) return false;
  const text::Character first = text::decode(letter);
  return first.valid && text::isCombiningMark(first.codePoint);
}

std::vector<std::string> splitLetters(const std::string& word) {
  std::vector<std::string> letters;
  for (std::string_view letter : dictionary::lettersOf(word)) letters.emplace_back(letter);
  return letters;
}

}  // namespace

PointValues pointsOfRound(uint32_t number) {
  PointValues points{};
  for (size_t i = 0; i < points.size(); ++i) points[i] = number * kPointSteps[i];
  return points;
}

// Compared as shown, so a Latin-1 byte and its character's UTF-8 are the
// same letter, a letter is itself in either canonical form (é as one
// character or as e and its accent), and a letter with combining marks is
// typed by the character they sit on.
bool types(std::string_view typed, std::string_view shown) {
  if (typed.empty() || !typeable(shown)) return false;
  if (dictionary::letterRule() == dictionary::LetterRule::kBytes) return typed == shown;
  if (dictionary::sameLetter(typed, shown)) return true;
  return dictionary::shownText(shown).starts_with(dictionary::shownText(typed));
}

// The word and its first shuffle come from draws of their own, so they
// depend only on the game's code and the round's number; the reshuffles
// draw from another stream, so the words never depend on how often the
// player reshuffled.
Round::Round(game_record::WordGame& game, const std::string& code, uint32_t number, bool listWords)
    : game_(game), points_(pointsOfRound(number)) {
  RandomDraws wordDraws = roundDraws(code, number, DrawStream::kWord);
  word_ = chooseWord(*game_.dictionary, wordDraws);
  mangleWord(game_, word_, wordDraws);
  reshuffles_ = roundDraws(code, number, DrawStream::kReshuffle);
  showLetters();
  if (listWords) words_ = findRoundWords(*game_.dictionary, game_.mangledWord);
}

void Round::showLetters() { shown_ = splitLetters(game_.mangledWord); }

// The typed input takes the shown letter's own bytes, marks included, so
// that it is the dictionary's word whatever bytes the letter came as.
bool Round::type(std::string_view letter) {
  const std::string pending = std::exchange(pendingBase_, {});
  if (isLoneMark(letter)) return joinMark(pending, letter);
  if (typeFirst(letter)) return true;
  if (dictionary::letterRule() == dictionary::LetterRule::kCharacters) pendingBase_ = letter;
  return false;
}

// The mark joins the letter typed before it: one that typed nothing alone
// (e before its accent, where only é is on show), else the last letter
// typed, which stays as it was when the two make no letter on show.
bool Round::joinMark(const std::string& pending, std::string_view mark) {
  if (!pending.empty()) return typeFirst(pending + std::string(mark));
  if (typed_.empty()) return false;
  const std::string last(dictionary::lettersOf(typed_).back());
  takeBack();
  if (typeFirst(last + std::string(mark))) return true;
  typeFirst(last);
  return false;
}

bool Round::typeFirst(std::string_view letter) {
  for (size_t position = 0; position < shown_.size(); ++position) {
    if (!game_.letterUsed[position] && types(letter, shown_[position])) {
      typed_ += shown_[position];
      game_.letterUsed[position] = true;
      return true;
    }
  }
  return false;
}

// With a letter on show twice, the place freed may be another than the one
// it was typed into, which makes no difference to what can be typed next.
void Round::takeBack() {
  pendingBase_.clear();
  if (typed_.empty()) return;
  const std::string_view last = dictionary::lettersOf(typed_).back();
  for (size_t position = 0; position < shown_.size(); ++position) {
    if (shown_[position] == last && game_.letterUsed[position]) {
      game_.letterUsed[position] = false;
      break;
    }
  }
  typed_.resize(typed_.size() - last.size());
}

void Round::reshuffle() {
  pendingBase_.clear();
  mangleWord(game_, game_.mangledWord, reshuffles_);
  showLetters();
  typed_.clear();
}

Verdict Round::judge(const std::string& word) const {
  const size_t letters = dictionary::letterCount(word);
  if (letters < game_record::kShortestWord) return Verdict::kTooShort;
  if (letters > game_record::kLongestWord || game_.dictionary->find(word) == -1)
    return Verdict::kNotInDictionary;
  if (wasFound(game_, word)) return Verdict::kFoundBefore;
  return Verdict::kAccepted;
}

void Round::score(Submission& submission) {
  const size_t letters = dictionary::letterCount(submission.word);
  const size_t tree = letters - game_record::kShortestWord;
  submission.points = points_[tree];
  submission.sixLetters = letters == game_record::kLongestWord;
  game_.score += submission.points;
  if (submission.sixLetters) passed_ = true;
  game_.foundWords[tree].insert(game_.foundWords[tree].root, submission.word);
  game_.foundWords[tree].count += 1;
}

// A rejected word costs nothing.
Submission Round::submit() {
  pendingBase_.clear();
  Submission submission;
  submission.word = typed_;
  submission.verdict = judge(typed_);
  if (submission.verdict == Verdict::kAccepted) score(submission);
  typed_.clear();
  game_.letterUsed.fill(false);
  return submission;
}

namespace {

// The same letter in the other case, for the ASCII letters; any other
// letter as it is.
std::string otherCase(std::string_view letter) {
  std::string other(letter);
  if (other.size() == 1 && ((other[0] >= 'a' && other[0] <= 'z') || (other[0] >= 'A' && other[0] <= 'Z'))) {
    other[0] = static_cast<char>(other[0] ^ 0x20);
  }
  return other;
}

}  // namespace

Submission Round::submitWord(std::string_view word) {
  typed_.clear();
  game_.letterUsed.fill(false);
  for (std::string_view letter : dictionary::lettersOf(word)) {
    if (type(letter) || type(otherCase(letter))) continue;
    Submission refused;
    refused.word = std::string(word);
    refused.verdict = dictionary::letterCount(word) < game_record::kShortestWord ? Verdict::kTooShort
                                                                                 : Verdict::kNotFromLetters;
    typed_.clear();
    game_.letterUsed.fill(false);
    return refused;
  }
  return submit();
}

// Elapsed times are differences of unsigned 32-bit values, so a caller's
// clock may wrap.
uint32_t Round::secondsLeft(uint32_t msPassed) const {
  if (hasNoLimit()) return 0;
  return static_cast<uint32_t>(game_.timeToPlay) - msPassed / kMsPerSecond;
}

bool Round::hasNoLimit() const { return game_.timeToPlay == kNoLimit; }

bool Round::ended(uint32_t msPassed) const {
  if (hasNoLimit()) return endedByPlayer_;
  return msPassed >= lengthMs();
}

uint32_t Round::lengthMs() const { return static_cast<uint32_t>(game_.timeToPlay) * kMsPerSecond; }

std::array<WordCount, game_record::kFoundWordTrees> Round::counts() const {
  std::array<WordCount, game_record::kFoundWordTrees> counts{};
  for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) {
    counts[i] = {static_cast<size_t>(game_.foundWords[i].count), words_.byLength[i].size()};
  }
  return counts;
}

void Round::finish() {
  for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) game_.foundWords[i].clear();
}

}  // namespace rules
