// Plays arbitrary key streams through the whole program on a small word
// list: the statistics prompt and viewer, the menu, games of timed rounds
// and the goodbye, all on the virtual clock of a scripted terminal. The
// game's invariants are checked at every key read, key test and sleep.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/run.h"
#include "fuzz_terminal.h"
#include "game/menu.h"
#include "game/round.h"
#include "game_invariants.h"
#include "stats/statistics_viewer.h"
#include "support/temp_folder.h"

namespace {

// Six-letter words that share their letters, so that any round can be
// passed with several of them, and one with a doubled letter; more
// three-letter words on those letters than their row of found words holds;
// and a word listed twice.
constexpr const char* kWords =
    "palest\npastel\npetals\nplates\nstaple\nsettle\n"
    "plate\npleat\npetal\npaste\nspate\nsteal\nleast\nslate\nplate\n"
    "leap\npale\npeal\ntape\nlate\npest\nstep\nslap\npast\nseal\nsale\ntale\n"
    "ale\nalp\nape\napt\nasp\nate\neat\nels\nlap\nlas\nlat\nlea\nlet\npal\npas\n"
    "pat\npea\npet\nsal\nsap\nsat\nsea\nset\nspa\ntae\ntap\ntas\ntea\ntel\n";

const support::TempFolder& workFolder() {
  static const support::TempFolder folder;
  return folder;
}

const std::string& wordFile() {
  static const std::string path = workFolder().write("words.txt", kWords);
  return path;
}

// The games keep their records in a state folder that a file stands in the
// way of: nothing is ever written, no disk is waited for, and the path of a
// folder that cannot be written is played every time.
void keepNoRecords() {
  static const std::string blocked = workFolder().write("state", "");
  ::setenv("XDG_STATE_HOME", blocked.c_str(), 1);
}

// Each game deals the same words, so a finding replays exactly.
constexpr unsigned kGameSeed = 1;

driver::GameParts observedParts(fuzz::GameInvariants& invariants) {
  driver::GameParts parts;
  parts.showBucketStatistics = [&invariants](const WordGame& game) {
    invariants.enter(fuzz::Stage::kStatistics, game);
    showBucketStatistics(game);
    invariants.leave();
  };
  parts.runMainMenu = [&invariants](WordGame& game, uint32_t highScore, const Extras& extras) {
    invariants.enter(fuzz::Stage::kMenu, game);
    const MenuChoice choice = runMainMenu(game, highScore, extras);
    invariants.leave();
    return choice;
  };
  parts.playGame = [&invariants](WordGame& game, const Extras& extras) {
    std::srand(kGameSeed);
    invariants.enter(fuzz::Stage::kGame, game);
    const uint32_t score = playGame(game, extras);
    invariants.leave();
    return score;
  };
  return parts;
}

}  // namespace

// Every allocation and free records the stack that made it, only to print
// it should a later access go wrong; recording none leaves every check as it
// is and saves an unwinding of the stack at each of them. A finding is
// rerun with ASAN_OPTIONS=malloc_context_size=30 to see those stacks too.
//
// Freed memory waits in a quarantine before it is used again, so that a
// use after the free is caught. One input allocates at most a few
// megabytes (measured over kept corpora and 1 KiB inputs: under 13 MB at
// the longest), so a quarantine of 32 MB still holds everything an input
// freed until the input ends, as the default 256 MB does; it keeps the
// memory in use small, where the default has every input touch fresh pages.
extern "C" const char* __asan_default_options() { return "malloc_context_size=0:quarantine_size_mb=32"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::GameInvariants invariants;
  fuzz::FuzzTerminal terminal(fuzz::keyScript(data, size),
                              [&invariants](const console::ScreenGrid& screen, bool waitsForKey) {
                                invariants.check(screen, waitsForKey);
                              });
  keepNoRecords();
  const std::vector<std::string> commandLine = {"quillop", "-f", wordFile()};
  const int status = driver::runQuillop(commandLine, observedParts(invariants));
  if (status != driver::kExitSuccess) {
    std::fprintf(stderr, "the run ended with status %d\n", status);
    std::abort();
  }
  return 0;
}
