#include "driver/run_lines.h"

#include <iostream>
#include <sstream>
#include <string>

#include "dictionary/contents.h"
#include "dictionary/letters.h"
#include "dictionary/loader.h"
#include "dictionary/meanings.h"
#include "driver/dictionary_location.h"
#include "driver/run.h"
#include "lines/menu_face.h"
#include "lines/session.h"
#include "lines/statistics_summary.h"
#include "platform/own_executable.h"
#include "platform/records_file.h"
#include "records/daily_store.h"
#include "records/store.h"

namespace driver {
namespace {

std::string whyLines(LineModeReason reason) {
  switch (reason) {
    case LineModeReason::kAccessible: return "as ACCESSIBLE is set";
    case LineModeReason::kDumbTerminal: return "as TERM is dumb";
    default: return "as -l asks";
  }
}

// The loader reports on std::cout in the classic screens' way (dots, blanks
// to clear a line); here what it says is kept, and said only when the
// loading fails.
class CapturedOutput {
 public:
  CapturedOutput() : previous_(std::cout.rdbuf(captured_.rdbuf())) {}
  ~CapturedOutput() { std::cout.rdbuf(previous_); }
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;
  std::string text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* previous_;
};

void sayEachLine(lines::Writer& writer, const char* label, const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.find_first_not_of(" \r") != std::string::npos) writer.say(label, line);
  }
}

bool load(Settings& settings, WordGame& game, lines::Writer& writer) {
  if (!settings.alternateDictionary) {
    settings.dictionaryFile = chooseDefaultDictionary(
        settings.dictionaryFile, installedDictionaryPaths(platform::ownExecutablePath()));
  }
  writer.say("Loading",
             std::string(settings.alternateDictionary ? "the word list " : "the default word list ") +
                 settings.dictionaryFile + ".");
  CapturedOutput captured;
  if (!loadDictionary(settings.dictionaryFile, game, settings.verboseLoading)) {
    sayEachLine(writer, "Error", captured.text());
    return false;
  }
  writer.say("Loaded", std::to_string(lines::summarise(*game.dictionary).words) + " words.");
  return true;
}

std::string meaningsFile() {
  return chooseDefaultDictionary(kMeaningsName,
                                 installedDataPaths(platform::ownExecutablePath(), kMeaningsName));
}

void play(const Settings& settings, lines::Session& session) {
  records::Store records(records::stateFolder());
  records.load();
  daily::Store dailyResults(records::stateFolder(), records::localDate);
  dailyResults.load();
  WordGame& game = session.game;
  dictionary::MeaningsOnDemand meanings(
      meaningsFile, [&game](size_t most) { return dictionary::sampleWords(*game.dictionary, most); });
  session.records = &records;
  session.dailyResults = &dailyResults;
  session.meanings = &meanings;
  session.fixedCode = settings.gameCode;
  lines::runMenu(session, settings.dailyGame);
}

}  // namespace

int runInLines(const Settings& given, LineModeReason reason, WordGame& game, lines::LineTerminal& terminal) {
  Settings settings = given;
  lines::Session session(terminal, game);
  session.writer.say("Line mode", "on, " + whyLines(reason) + ". Type ? and Enter for help at any time.");
  dictionary::setLetterRule(dictionary::LetterRule::kCharacters);
  if (!load(settings, game, session.writer)) return kExitDictionaryError;
  if (settings.showStatistics) lines::saySummary(session.writer, lines::summarise(*game.dictionary));
  if (settings.noPlay) return kExitSuccess;
  if (!dictionary::holdsWordOfLength(*game.dictionary, kLongestWord)) {
    session.writer.say("Error", "the word list holds no six-letter word to play with.");
    return kExitDictionaryError;
  }
  play(settings, session);
  session.writer.say("Goodbye", "thank you for playing Quillop.");
  return kExitSuccess;
}

}  // namespace driver
