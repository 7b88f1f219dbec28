#include "lines/round_face.h"

#include <algorithm>
#include <optional>
#include <string>

#include "lines/commands.h"
#include "lines/round_texts.h"
#include "lines/time_announcements.h"
#include "rules/round_end.h"

namespace lines {
namespace {

// The clock of one round, from its first line.
class RoundClock {
 public:
  RoundClock(Session& session, const rules::Round& round)
      : session_(session),
        round_(round),
        startMs_(session.terminal.nowMs()),
        announcements_(session.noLimit ? 0 : round.lengthMs()) {
    announcements_.take(0);  // the start is said in the round's first line
  }
  uint32_t passedMs() const { return session_.terminal.nowMs() - startMs_; }
  bool timeUp() const { return !session_.noLimit && round_.ended(passedMs()); }
  uint32_t secondsLeft() const { return timeUp() ? 0 : round_.secondsLeft(passedMs()); }
  /// How long to wait for a line before the next thing to say.
  uint32_t waitMs() const {
    const std::optional<uint32_t> due = announcements_.nextDueMs();
    if (!due) return kNoTimeout;
    return *due - std::min(*due, passedMs());
  }
  /// An announcement due now, but not the end, which the round's end says.
  std::optional<uint32_t> dueSecondsLeft() {
    const std::optional<uint32_t> left = announcements_.take(passedMs());
    return left == 0U ? std::nullopt : left;
  }

 private:
  Session& session_;
  const rules::Round& round_;
  uint32_t startMs_;
  TimeAnnouncements announcements_;
};

void sayTimeLeft(Session& session, const RoundClock& clock) {
  if (session.noLimit) return session.writer.say("Time", "no limit; /end ends the round.");
  session.writer.say("Time", timeLeftText(clock.secondsLeft()));
}

void sayLetters(Session& session, const rules::Round& round) {
  session.writer.say("Letters", spokenLetters(round.shownLetters()));
}

void sayWhereTheRoundIs(Session& session, const rules::Round& round, const RoundClock& clock) {
  sayLetters(session, round);
  sayTimeLeft(session, clock);
  session.writer.say("Words", stillToFindText(round.counts()));
}

void sayFound(Session& session, const rules::Round& round) {
  std::string found;
  for (const auto& ofLength : rules::reviewWords(session.game, round.words())) {
    for (const rules::ReviewWord& word : ofLength) {
      if (word.found) found += (found.empty() ? "" : ", ") + word.text;
    }
  }
  session.writer.say("Found", found.empty() ? "no words yet." : found + ".");
}

// A line that came as the time ran out is not taken; a word gets its line.
void refuseLateLine(Session& session, const std::string& text) {
  const TypedLine typed = parseTypedLine(text);
  if (typed.command == Command::kWord) session.writer.say("No", typed.text + " came after the time was up.");
}

void checkWord(Session& session, rules::Round& round, const std::string& word) {
  const rules::Submission submission = round.submitWord(word);
  const ResultLine line = resultLine(submission, session.game.score);
  session.writer.say(line.label, line.detail);
}

void sayRoundStart(Session& session, const rules::Round& round, uint32_t number) {
  const std::string time = session.noLimit ? "no time limit" : roundTimeText(round.lengthMs() / 1000);
  session.writer.say("Round " + std::to_string(number),
                     time + ", " + countOf(round.words().total(), "word", "words") + " to find; ? for help.");
  sayLetters(session, round);
}

// What a typed line does; an ending when it ends the round.
std::optional<RoundEnding> takeLine(Session& session, rules::Round& round, const RoundClock& clock,
                                    const std::string& text) {
  const TypedLine typed = parseTypedLine(text);
  switch (typed.command) {
    case Command::kWord: checkWord(session, round, typed.text); break;
    case Command::kEmpty:
    case Command::kLetters: sayWhereTheRoundIs(session, round, clock); break;
    case Command::kShuffle:
      round.reshuffle();
      sayLetters(session, round);
      break;
    case Command::kTime: sayTimeLeft(session, clock); break;
    case Command::kFound: sayFound(session, round); break;
    case Command::kEnd: return RoundEnding::kAsked;
    case Command::kQuit: return RoundEnding::kQuit;
    case Command::kReview: session.writer.say("Review", "comes when the round ends."); break;
    case Command::kHelp: sayRoundHelp(session.writer); break;
    case Command::kUnknown: session.writer.say("Command", typed.text + " is not one; ? lists them."); break;
  }
  return std::nullopt;
}

}  // namespace

void sayRoundHelp(Writer& writer) {
  writer.say("Help", "type a word and press Enter to check it.");
  writer.say("Help", "an empty line or /letters says the letters, the time and the words left.");
  writer.say("Help", "/shuffle new order, /time time left, /found your words, /end ends the round.");
  writer.say("Help", "/quit ends the game. A command needs only its first letter, as /s.");
  writer.say("Help", "the time may be said as you type; Ctrl-R shows your line again on Unix.");
}

RoundEnding playRound(Session& session, rules::Round& round, uint32_t number) {
  RoundClock clock(session, round);
  sayRoundStart(session, round, number);
  std::string line;
  for (;;) {
    if (clock.timeUp()) return RoundEnding::kTimeUp;
    if (const std::optional<uint32_t> left = clock.dueSecondsLeft()) {
      session.writer.sayUnasked("Time", timeLeftText(*left));
    }
    const LineRead read = session.read(clock.waitMs(), line);
    if (read == LineRead::kEnded) return RoundEnding::kInputEnd;
    if (read == LineRead::kNothingYet) continue;
    if (clock.timeUp()) {
      refuseLateLine(session, line);
      return RoundEnding::kTimeUp;
    }
    if (const std::optional<RoundEnding> ending = takeLine(session, round, clock, line)) return *ending;
  }
}

}  // namespace lines
