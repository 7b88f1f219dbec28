#include "driver/run.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "console/console.h"
#include "dictionary/contents.h"
#include "dictionary/letters.h"
#include "dictionary/loader.h"
#include "dictionary/meanings.h"
#include "driver/colour_choice.h"
#include "driver/dictionary_location.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "driver/run_lines.h"
#include "game/menu.h"
#include "game/round.h"
#include "platform/durable_files.h"
#include "platform/fresh_number.h"
#include "platform/local_date.h"
#include "platform/own_executable.h"
#include "records/daily_store.h"
#include "records/store.h"
#include "rules/game_code.h"
#include "stats/statistics_viewer.h"

namespace driver {
namespace {

// The prompt names S; with Caps Lock or Shift it arrives as S, and counts.
bool opensStatistics(int key) { return key == 's' || key == 'S'; }

// Everyone plays the daily game with the same time per round.
constexpr uint16_t kDailySeconds = 60;

using SharedResult = std::optional<rules::DailyResult>;

int endAtCommandLine(const Command& command, const std::string& programName) {
  if (command.outcome == CommandOutcome::kShowVersion) {
    writeVersion();
    return kExitSuccess;
  }
  writeBanner();
  if (command.outcome == CommandOutcome::kShowUsage) {
    writeUsage(programName);
    return kExitSuccess;
  }
  if (command.outcome == CommandOutcome::kShowHelp) {
    writeHelp(programName);
    return kExitSuccess;
  }
  writeCommandLineError(command, programName);
  return kExitUsageError;
}

// Any other key goes on, a function key too, and no part of it is left for
// the menu.
void statisticsStep(const Settings& settings, const containers::WordTable& dictionary,
                    const GameParts& parts) {
  if (!settings.showStatistics) {
    writeStatisticsPrompt();
    if (!opensStatistics(console::readKeyPress())) return;
  }
  parts.showBucketStatistics(dictionary, !settings.classicScreens);
}

// Seeded once per run, so every run deals different words.
void seedRandomGenerator() {
  auto seconds = static_cast<uint64_t>(std::time(nullptr));
  std::srand(static_cast<unsigned>(seconds & 0xffffffffU));
}

// A game with a code: the one -s gave, else a new one.
uint32_t playCodedGame(game_record::WordGame& game, const GameParts& parts, Extras extras,
                       const Settings& settings) {
  extras.code = settings.gameCode.empty() ? rules::newGameCode(platform::freshNumber()) : settings.gameCode;
  return parts.playGame(game, extras);
}

// Whenever the daily game is left, also by quitting at its last screen, the
// result kept for its date is what the player gets to share: its lines are
// written on the way out of the program, however it ends.
class SharesDailyResult {
 public:
  SharesDailyResult(const records::DailyStore& store, std::string date, SharedResult* shared)
      : store_(store), date_(std::move(date)), shared_(shared) {}
  ~SharesDailyResult() {
    const rules::DailyResult* kept = rules::resultOf(store_.results(), date_);
    if (kept == nullptr) return;
    if (shared_ != nullptr) *shared_ = *kept;
    writeDailyShareAtTheEnd(*kept);
  }
  SharesDailyResult(const SharesDailyResult&) = delete;
  SharesDailyResult& operator=(const SharesDailyResult&) = delete;

 private:
  const records::DailyStore& store_;
  std::string date_;
  SharedResult* shared_;
};

// The daily game's rounds last kDailySeconds whatever the menu says; the
// menu's choice comes back after it. The game is date's, the day it was
// started on, however late it ends.
uint32_t playDailyGame(game_record::WordGame& game, const GameParts& parts, Extras extras,
                       const std::string& date, SharedResult* shared) {
  records::DailyStore& results = *extras.dailyResults;
  const SharesDailyResult sharing(results, date, shared);
  records::DailyPlay play(results, date);
  extras.code = play.code();
  extras.dailyPlay = &play;
  const uint16_t chosenTime = game.timeToPlay;
  game.timeToPlay = kDailySeconds;
  const uint32_t score = parts.playGame(game, extras);
  game.timeToPlay = chosenTime;
  return score;
}

void playUntilExit(game_record::WordGame& game, const GameParts& parts, const Extras& extras,
                   const Settings& settings, SharedResult* shared) {
  uint32_t highScore = 0;
  auto keepBest = [&highScore](uint32_t score) { highScore = std::max(highScore, score); };
  if (settings.dailyGame) keepBest(playDailyGame(game, parts, extras, extras.dailyResults->today(), shared));
  std::string dailyDate;
  for (MenuChoice choice = parts.runMainMenu(game, highScore, extras, dailyDate); choice != MenuChoice::kExit;
       choice = parts.runMainMenu(game, highScore, extras, dailyDate)) {
    if (choice == MenuChoice::kDaily) {
      keepBest(playDailyGame(game, parts, extras, dailyDate, shared));
    } else if (settings.classicScreens) {
      keepBest(parts.playGame(game, extras));
    } else {
      keepBest(playCodedGame(game, parts, extras, settings));
    }
  }
}

// The meanings are looked for as the default dictionary is, whichever
// dictionary is played: a word has its meaning wherever it comes from, as
// long as the dictionary is in the meanings' language.
std::string meaningsPath() {
  return chooseDefaultDictionary(kMeaningsName,
                                 installedDataPaths(platform::ownExecutablePath(), kMeaningsName));
}

// Unless the classic screens are asked for, the games have the extras and
// codes, and keep their best scores and daily results in the player's state
// folder; the classic screens read and write no state at all. The meanings
// are read only when one is first shown, so they cost the start-up nothing.
void playGames(const Settings& settings, game_record::WordGame& game, const GameParts& parts,
               SharedResult* shared) {
  Extras extras;
  if (settings.classicScreens) return playUntilExit(game, parts, extras, settings, shared);
  records::Store records(platform::stateFolder());
  records.load();
  records::DailyStore dailyResults(platform::stateFolder(), platform::localDate);
  dailyResults.load();
  dictionary::MeaningsOnDemand meanings(
      meaningsPath, [&game](size_t most) { return dictionary::sampleWords(*game.dictionary, most); });
  extras.shown = true;
  extras.records = &records;
  extras.dailyResults = &dailyResults;
  extras.meanings = &meanings;
  playUntilExit(game, parts, extras, settings, shared);
}

// The classic game counts bytes as letters and reads each byte as a key;
// otherwise a letter is a character, typed as one key.
void chooseLetters(const Settings& settings) {
  const bool characters = !settings.classicScreens;
  dictionary::setLetterRule(characters ? dictionary::LetterRule::kCharacters
                                       : dictionary::LetterRule::kBytes);
  if (console::installed() != nullptr) console::setCharacterKeys(characters);
}

int runWithSettings(Settings settings, game_record::WordGame& game, const GameParts& parts,
                    SharedResult* shared) {
  chooseLetters(settings);
  chooseColour(settings);
  if (!settings.alternateDictionary) {
    settings.dictionaryFile = chooseDefaultDictionary(
        settings.dictionaryFile, installedDictionaryPaths(platform::ownExecutablePath()));
  }
  writeLoadingLine(settings);
  LoadMessages loadMessages;
  if (!dictionary::loadDictionary(settings.dictionaryFile, *game.dictionary, settings.verboseLoading,
                                  loadMessages)) {
    writeErrorBlock();
    return kExitDictionaryError;
  }
  statisticsStep(settings, *game.dictionary, parts);
  if (settings.noPlay) return kExitSuccess;
  if (!dictionary::holdsWordOfLength(*game.dictionary, game_record::kLongestWord)) {
    writeNoPlayableWord();
    writeErrorBlock();
    return kExitDictionaryError;
  }
  seedRandomGenerator();
  playGames(settings, game, parts, shared);
  writeGoodbye();
  // Keys typed on in the menu must not end the run before the goodbye is seen.
  console::dropKeysFor(console::kUnheededKeysMs);
  console::readKeyPress();
  return kExitSuccess;
}

int playInLines(const Settings& settings, LineModeReason reason, game_record::WordGame& game,
                const GameParts& parts) {
  if (parts.lineTerminal != nullptr) return runInLines(settings, reason, game, *parts.lineTerminal);
  const std::unique_ptr<lines::LineTerminal> terminal = lines::makePlatformLineTerminal();
  return runInLines(settings, reason, game, *terminal);
}

}  // namespace

GameParts::GameParts()
    : showBucketStatistics([](const containers::WordTable& dictionary, bool escapeLeaves) {
        stats::showBucketStatistics(dictionary, escapeLeaves);
      }),
      runMainMenu(
          [](game_record::WordGame& game, uint32_t highScore, const Extras& extras, std::string& dailyDate) {
            return game::runMainMenu(game, highScore, extras, &dailyDate);
          }),
      playGame(
          [](game_record::WordGame& game, const Extras& extras) { return game::playGame(game, extras); }) {}

int runQuillop(const std::vector<std::string>& arguments, const GameParts& parts, SharedResult* dailyShared) {
  game_record::WordGame game;
  std::string programName = arguments.empty() ? std::string() : arguments[0];
  Command command = parseCommandLine(arguments);
  // The version line stands alone, for scripts that read it.
  if (command.outcome != CommandOutcome::kRun) return endAtCommandLine(command, programName);
  const LineModeReason lineMode =
      lineModeReason(command.settings, std::getenv("ACCESSIBLE"), std::getenv("TERM"));
  if (lineMode != LineModeReason::kNone) return playInLines(command.settings, lineMode, game, parts);
  writeBanner();
  try {
    return runWithSettings(command.settings, game, parts, dailyShared);
  } catch (const console::InputEnded&) {
    return kExitSuccess;
  }
}

}  // namespace driver
