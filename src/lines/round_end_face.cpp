#include "lines/round_end_face.h"

#include "dictionary/meanings.h"
#include "lines/commands.h"
#include "lines/round_texts.h"

namespace lines {
namespace {

constexpr const char* kPlaceNames[] = {"", "first", "second", "third", "fourth", "fifth"};

void sayWordsFound(Session& session, const rules::Round& round) {
  size_t found = 0;
  for (const rules::WordCount& count : round.counts()) found += count.found;
  session.writer.say("Found",
                     std::to_string(found) + " of " + countOf(round.words().total(), "word", "words") + ".");
}

void sayGameOver(Session& session, const EndFacts& facts) {
  session.writer.say("Word", facts.end.word + ".");
  if (const std::optional<std::string> meaning = meaningOf(session, facts.end.word)) {
    session.writer.say("Meaning", *meaning);
  }
  if (facts.recordPlace >= 1 && facts.recordPlace <= 5) {
    session.writer.say("Record", std::string(kPlaceNames[facts.recordPlace]) + " best score for " +
                                     roundTimeText(session.game.timeToPlay) + " a round.");
  }
  if (facts.end.practice)
    session.writer.say("Daily", "today's result was kept already: this game was practice.");
  if (facts.dailyKept) session.writer.say("Daily", "today's result is kept.");
  if (facts.end.tellsGameCode()) {
    const std::string& code = facts.end.gameCode;
    session.writer.say("Code", code + "; quillop -l -s " + code + " plays these words again.");
  }
}

// A round passed may still end the game, when the player quits or the
// input ends: it says so rather than that the round was lost.
const char* passedText(const rules::Round& round, const EndFacts& facts) {
  if (facts.end.passed) return "yes, a six-letter word was found.";
  if (round.passed()) return "yes, a six-letter word was found; the game ends here.";
  return "no, the game is over.";
}

}  // namespace

std::optional<std::string> meaningOf(Session& session, const std::string& word) {
  std::optional<dictionary::Meaning> meaning;
  if (session.meanings != nullptr) meaning = session.meanings->find(word);
  if (!meaning) return std::nullopt;
  std::string text = word + " (";
  if (!meaning->base.empty()) text += std::string(meaning->base) + ", ";
  text += std::string(meaning->partOfSpeech) + "): " + std::string(meaning->gloss);
  if (!meaning->secondGloss.empty()) text += "; also " + std::string(meaning->secondGloss);
  return text + ".";
}

void sayRoundEnd(Session& session, const rules::Round& round, const EndFacts& facts) {
  sayWordsFound(session, round);
  session.writer.say("Points", std::to_string(facts.roundPoints) + " this round, score " +
                                   std::to_string(session.game.score) + ".");
  session.writer.say("Passed", passedText(round, facts));
  if (facts.end.gameOver()) sayGameOver(session, facts);
}

void sayReview(Session& session, const rules::Round& round) {
  size_t missed = 0;
  for (const auto& ofLength : rules::reviewWords(session.game, round.words())) {
    for (const rules::ReviewWord& word : ofLength) {
      if (word.found) continue;
      session.writer.say("Missed", meaningOf(session, word.text).value_or(word.text + "."));
      ++missed;
    }
  }
  if (missed == 0) session.writer.say("Missed", "none, every word was found.");
}

void waitToGoOn(Session& session, const rules::Round& round) {
  session.writer.say("Next", "/review lists the missed words; an empty line goes on.");
  std::string line;
  while (session.read(kNoTimeout, line) == LineRead::kLine) {
    const TypedLine typed = parseTypedLine(line);
    switch (typed.command) {
      case Command::kEmpty: return;
      case Command::kReview: sayReview(session, round); break;
      case Command::kWord: session.writer.say("No", typed.text + " came after the round ended."); break;
      default: session.writer.say("Next", "/review lists the missed words; an empty line goes on."); break;
    }
  }
}

}  // namespace lines
