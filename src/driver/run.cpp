#include "driver/run.h"

#include <cstdlib>
#include <ctime>

#include "console/console.h"
#include "dictionary/contents.h"
#include "dictionary/loader.h"
#include "driver/dictionary_location.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "driver/own_executable.h"
#include "game/menu.h"
#include "game/records_file.h"
#include "game/records_store.h"
#include "game/round.h"
#include "stats/statistics_viewer.h"

namespace driver {
namespace {

constexpr int kOpenStatisticsKey = 's';

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
  writeCommandLineError(command, programName);
  return kExitUsageError;
}

void statisticsStep(const Settings& settings, const WordGame& game, const GameParts& parts) {
  if (!settings.showStatistics) {
    writeStatisticsPrompt();
    if (console::readKey() != kOpenStatisticsKey) return;
  }
  parts.showBucketStatistics(game);
}

// Seeded once per run, so every run deals different words.
void seedRandomGenerator() {
  auto seconds = static_cast<uint64_t>(std::time(nullptr));
  std::srand(static_cast<unsigned>(seconds & 0xffffffffU));
}

void playUntilExit(WordGame& game, const GameParts& parts, const Extras& extras) {
  uint32_t highScore = 0;
  while (parts.runMainMenu(game, highScore, extras)) {
    uint32_t score = parts.playGame(game, extras);
    if (score > highScore) highScore = score;
  }
}

// Unless the classic screens are asked for, the games have the extras and
// keep their best scores in the player's state folder; the classic screens
// read and write no state at all.
void playGames(const Settings& settings, WordGame& game, const GameParts& parts) {
  Extras extras;
  if (settings.classicScreens) return playUntilExit(game, parts, extras);
  records::Store records(records::stateFolder());
  records.load();
  extras.shown = true;
  extras.records = &records;
  playUntilExit(game, parts, extras);
}

int runWithSettings(Settings settings, WordGame& game, const GameParts& parts) {
  if (!settings.alternateDictionary) {
    settings.dictionaryFile =
        chooseDefaultDictionary(settings.dictionaryFile, installedDictionaryPaths(ownExecutablePath()));
  }
  writeLoadingLine(settings);
  if (!loadDictionary(settings.dictionaryFile, game, settings.verboseLoading)) {
    writeErrorBlock();
    return kExitDictionaryError;
  }
  statisticsStep(settings, game, parts);
  if (settings.noPlay) return kExitSuccess;
  if (!dictionary::holdsWordOfLength(*game.dictionary, kLongestWord)) {
    writeNoPlayableWord();
    writeErrorBlock();
    return kExitDictionaryError;
  }
  seedRandomGenerator();
  playGames(settings, game, parts);
  writeGoodbye();
  // Keys typed on in the menu must not end the run before the goodbye is seen.
  console::dropKeysFor(console::kUnheededKeysMs);
  console::readKey();
  return kExitSuccess;
}

}  // namespace

GameParts::GameParts()
    : showBucketStatistics(::showBucketStatistics),
      runMainMenu([](WordGame& game, uint32_t highScore, const Extras& extras) {
        return ::runMainMenu(game, highScore, extras);
      }),
      playGame([](WordGame& game, const Extras& extras) { return ::playGame(game, extras); }) {}

int runQuillop(const std::vector<std::string>& arguments, const GameParts& parts) {
  WordGame game;
  std::string programName = arguments.empty() ? std::string() : arguments[0];
  Command command = parseCommandLine(arguments);
  // The version line stands alone, for scripts that read it.
  if (command.outcome != CommandOutcome::kRun) return endAtCommandLine(command, programName);
  writeBanner();
  try {
    return runWithSettings(command.settings, game, parts);
  } catch (const console::InputEnded&) {
    return kExitSuccess;
  }
}

}  // namespace driver
