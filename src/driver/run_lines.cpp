#include "driver/run_lines.h"

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/contents.h"
#include "dictionary/letters.h"
#include "dictionary/loader.h"
#include "dictionary/meanings.h"
#include "driver/dictionary_location.h"
#include "driver/run.h"
#include "lines/menu_face.h"
#include "lines/session.h"
#include "lines/statistics_summary.h"
#include "platform/durable_files.h"
#include "platform/fresh_number.h"
#include "platform/local_date.h"
#include "platform/own_executable.h"
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

// The loader tells its progress in the classic screens' way (dots,
// backspaces, blanks to clear a line); here what it tells is kept, and
// said only when the loading fails.
class KeptLoadLines : public dictionary::LoadObserver {
 public:
  void tell(std::string_view text) override { current_ += text; }
  void endLine() override {
    lines_.push_back(current_);
    current_.clear();
  }
  void showNow() override {}
  /// The last complete line told, and what came after it.
  void sayLastLines(lines::Writer& writer) {
    if (!current_.empty()) endLine();
    for (const std::string& line : lines_) {
      if (line.find_first_not_of(" .") != std::string::npos && line.find("Loading") == std::string::npos) {
        const std::string_view said(line);
        writer.say("Error", said.starts_with("Error: ") ? said.substr(7) : said);
      }
    }
  }

 private:
  std::string current_;
  std::vector<std::string> lines_;
};

bool load(Settings& settings, game_record::WordGame& game, lines::Writer& writer) {
  if (!settings.alternateDictionary) {
    settings.dictionaryFile = chooseDefaultDictionary(
        settings.dictionaryFile, installedDictionaryPaths(platform::ownExecutablePath()));
  }
  writer.say("Loading",
             std::string(settings.alternateDictionary ? "the word list " : "the default word list ") +
                 settings.dictionaryFile + ".");
  KeptLoadLines told;
  if (!dictionary::loadDictionary(settings.dictionaryFile, *game.dictionary, settings.verboseLoading, told)) {
    told.sayLastLines(writer);
    return false;
  }
  const uint32_t words = lines::summarise(*game.dictionary).words;
  writer.say("Loaded", std::to_string(words) + (words == 1 ? " word." : " words."));
  return true;
}

std::string meaningsFile() {
  return chooseDefaultDictionary(kMeaningsName,
                                 installedDataPaths(platform::ownExecutablePath(), kMeaningsName));
}

void play(const Settings& settings, lines::Session& session) {
  records::Store records(platform::stateFolder());
  records.load();
  records::DailyStore dailyResults(platform::stateFolder(), platform::localDate);
  dailyResults.load();
  game_record::WordGame& game = session.game;
  dictionary::MeaningsOnDemand meanings(
      meaningsFile, [&game](size_t most) { return dictionary::sampleWords(*game.dictionary, most); });
  session.records = &records;
  session.dailyResults = &dailyResults;
  session.meanings = &meanings;
  session.fixedCode = settings.gameCode;
  session.freshNumber = platform::freshNumber;
  lines::runMenu(session, settings.dailyGame);
}

}  // namespace

int runInLines(const Settings& settings, LineModeReason reason, game_record::WordGame& game,
               lines::LineTerminal& terminal) {
  Settings chosen = settings;
  lines::Session session(terminal, game);
  session.writer.say("Line mode", "on, " + whyLines(reason) + ". Type ? and Enter for help at any time.");
  dictionary::setLetterRule(dictionary::LetterRule::kCharacters);
  if (!load(chosen, game, session.writer)) return kExitDictionaryError;
  if (settings.showStatistics) lines::saySummary(session.writer, lines::summarise(*game.dictionary));
  if (settings.noPlay) return kExitSuccess;
  if (!dictionary::holdsWordOfLength(*game.dictionary, game_record::kLongestWord)) {
    session.writer.say("Error", "the word list holds no six-letter word to play with.");
    return kExitDictionaryError;
  }
  play(settings, session);
  session.writer.say("Goodbye", "thank you for playing Quillop.");
  return kExitSuccess;
}

}  // namespace driver
