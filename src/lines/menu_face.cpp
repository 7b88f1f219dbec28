#include "lines/menu_face.h"

#include <algorithm>
#include <string>
#include <vector>

#include "lines/commands.h"
#include "lines/game_face.h"
#include "lines/round_texts.h"
#include "lines/statistics_summary.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "rules/game_code.h"
#include "rules/menu_choices.h"

namespace lines {
namespace {

// Beyond the full-screen menu's steps, longer rounds for a player who
// hears or feels the letters one at a time, and no limit at all.
constexpr uint16_t kLongerTimes[] = {180, 300};

uint16_t currentTime(const Session& session) { return session.noLimit ? 0 : session.game.timeToPlay; }

void setTime(Session& session, uint16_t seconds) {
  session.noLimit = seconds == 0;
  if (seconds != 0) session.game.timeToPlay = seconds;
}

void sayMenu(Session& session) {
  session.writer.say("Menu", "1 play, 2 daily, 3 time (" + roundTimeText(currentTime(session)) +
                                 "), 4 records, 5 statistics, 6 quit.");
}

void sayTimeChoice(Session& session) {
  std::string text = roundTimeText(currentTime(session)) + ".";
  if (session.noLimit) text += " Rounds end at /end, and keep no records.";
  session.writer.say("Time per round", text);
}

// "3" steps to the next time; "3 90" or "3 0" (no limit) sets one offered.
void chooseTime(Session& session, const std::string& value) {
  const std::vector<uint16_t>& times = roundTimes();
  if (value.empty()) {
    setTime(session, nextRoundTime(currentTime(session)));
  } else if (const auto found = std::find_if(times.begin(), times.end(),
                                             [&value](uint16_t t) { return std::to_string(t) == value; });
             found != times.end()) {
    setTime(session, *found);
  }
  sayTimeChoice(session);
}

void sayRecords(Session& session) {
  const uint16_t seconds = currentTime(session);
  if (seconds == 0) return session.writer.say("Records", "games with no limit keep no records.");
  if (session.records == nullptr) return session.writer.say("Records", "none are kept in this run.");
  const std::vector<records::Entry>& best = session.records->best(seconds);
  session.writer.say("Records", "best scores for " + roundTimeText(seconds) + " a round: " +
                                    (best.empty() ? "none yet." : std::to_string(best.size()) + "."));
  for (size_t i = 0; i < best.size(); ++i) {
    session.writer.say("Place " + std::to_string(i + 1),
                       countOf(best[i].score, "point", "points") + " on " + best[i].date + ".");
  }
}

// A page number as typed (a few digits), else 0.
uint32_t pageNumber(const std::string& typed) {
  if (typed.empty() || typed.size() > 4 || typed.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return static_cast<uint32_t>(std::stoul(typed));
}

void sayStatistics(Session& session, const std::string& page) {
  const containers::WordTable& table = *session.game.dictionary;
  const uint32_t pages = bucketPages(table);
  const uint32_t asked = pageNumber(page);
  if (asked >= 1 && asked <= pages) return sayBucketPage(session.writer, table, asked);
  saySummary(session.writer, summarise(table));
  session.writer.say("Pages",
                     "type 5 and a page from 1 to " + std::to_string(pages) + " for the buckets, as 5 2.");
}

std::string gameCode(const Session& session) {
  if (!session.fixedCode.empty()) return session.fixedCode;
  return rules::newGameCode(session.freshNumber != nullptr ? session.freshNumber() : 0);
}

// Carries out a menu line; false when the player quits.
bool takeMenuLine(Session& session, const TypedLine& typed) {
  if (typed.command == Command::kQuit) return false;
  if (typed.command == Command::kHelp) {
    session.writer.say("Help", "type the number of a choice and press Enter; 3 with a number of seconds");
    session.writer.say("Help", "sets that time per round, 3 0 no limit; 5 with a page number shows a page.");
    return true;
  }
  const std::string number = typed.text.substr(0, typed.text.find(' '));
  if (typed.command != Command::kWord || number.size() != 1 || number[0] < '1' || number[0] > '6') {
    if (typed.command == Command::kWord)
      session.writer.say("No", typed.text + " is not a choice; type 1 to 6.");
    sayMenu(session);
    return true;
  }
  switch (static_cast<MenuItem>(number[0] - '0')) {
    case MenuItem::kPlay: playGame(session, gameCode(session)); break;
    case MenuItem::kDaily: playDailyGame(session); break;
    case MenuItem::kTime: chooseTime(session, typed.argument); return true;
    case MenuItem::kRecords: sayRecords(session); return true;
    case MenuItem::kStatistics: sayStatistics(session, typed.argument); return true;
    case MenuItem::kQuit: return false;
  }
  if (!session.inputEnded) sayMenu(session);
  return true;
}

}  // namespace

const std::vector<uint16_t>& roundTimes() {
  static const std::vector<uint16_t> times = [] {
    std::vector<uint16_t> all;
    for (uint16_t t = rules::kShortestTime; t <= rules::kLongestTime; t += rules::kTimeStep) all.push_back(t);
    all.insert(all.end(), std::begin(kLongerTimes), std::end(kLongerTimes));
    all.push_back(0);
    return all;
  }();
  return times;
}

uint16_t nextRoundTime(uint16_t seconds) {
  const std::vector<uint16_t>& times = roundTimes();
  const auto at = std::find(times.begin(), times.end(), seconds);
  if (at == times.end() || at + 1 == times.end()) return times.front();
  return *(at + 1);
}

void runMenu(Session& session, bool dailyFirst) {
  if (dailyFirst) playDailyGame(session);
  if (session.inputEnded) return;
  sayMenu(session);
  std::string line;
  while (session.read(kNoTimeout, line) == LineRead::kLine) {
    const TypedLine typed = parseTypedLine(line);
    if (typed.command == Command::kEmpty) {
      sayMenu(session);
      continue;
    }
    if (!takeMenuLine(session, typed) || session.inputEnded) return;
  }
}

}  // namespace lines
