// Plays arbitrary key streams through the whole program on a small word
// list with a few meanings: the statistics prompt and viewer, the menu,
// games of timed rounds and the goodbye, all on the virtual clock of a
// scripted terminal. The game's invariants are checked at every key read,
// key test and sleep.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/dictionary_location.h"
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

// Meanings of some of the words, one of each kind of entry: its own, an
// inflected word's base, two senses, a gloss longer than a row; the other
// words have none, and one line makes no sense. Over a third of the words
// have one, since the program shows no meanings for a word list they explain
// less of (a list in another language).
constexpr const char* kMeanings =
    "# meanings of the fuzzer's words\n"
    "ale\t\tn\ta beer brewed with a yeast that rises to the top\n"
    "eat\t\tv\ttake in solid food\n"
    "lap\t\tn\tthe upper side of the thighs of a seated person\n"
    "late\t\ta\tbeing or occurring at an advanced period of time\n"
    "leap\t\tv\tmove forward by leaps and bounds\n"
    "least\t\ta\tthe superlative of little\n"
    "paste\t\tn\ta mixture of flour and water\n"
    "pet\t\tn\ta domesticated animal kept for companionship\n"
    "petal\t\tn\tpart of the corolla of a flower\n"
    "plate\t\tn\ta dish on which food is served\n"
    "sale\t\tn\tthe general activity of selling\n"
    "sea\t\tn\ta large body of salt water\n"
    "seal\t\tn\tfastener consisting of a resinous composition\n"
    "slate\t\tn\ta list of candidates nominated for elective office\n"
    "step\t\tn\tany maneuver made as part of progress toward a goal\n"
    "tale\t\tn\ta message that tells the particulars of an act\n"
    "ape\t\tn\ta large primate without a tail\tsomeone who copies what others do\n"
    "pale\t\ta\tlight in colour\tlacking strength or brightness\n"
    "palest\tpale\ta\tlight in colour\tlacking strength or brightness\n"
    "pastel\t\tn\ta soft crayon of ground colour, and a picture drawn with such crayons on paper, whose "
    "gloss runs on for longer than one row of the screen can show\n"
    "petals\tpetal\tn\tone of the coloured leaves around the centre of a flower\n"
    "staple\t\tn\ta short bent wire that holds papers together\ta basic food that people use all the time\n"
    "tap\t\tv\tstrike lightly\tdraw liquid from a cask or a pipe\n"
    "a line that makes no sense\n";

const support::TempFolder& workFolder() {
  static const support::TempFolder folder;
  return folder;
}

// Every input runs in the work folder, where the program finds the meanings
// above before any other file, wherever the fuzzer was started: the same
// for every run, and a few lines to read rather than the shipped file of
// nearly a megabyte, read afresh by every input that shows a meaning. The
// fuzzer's own files (corpus, findings) are read and written outside the
// inputs, in the folder it was started in.
class InWorkFolder {
 public:
  InWorkFolder() : started_(std::filesystem::current_path()) {
    static const std::string meanings = workFolder().write(driver::kMeaningsName, kMeanings);
    std::filesystem::current_path(workFolder().path());
  }
  ~InWorkFolder() { std::filesystem::current_path(started_); }
  InWorkFolder(const InWorkFolder&) = delete;
  InWorkFolder& operator=(const InWorkFolder&) = delete;

 private:
  std::filesystem::path started_;
};

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
  parts.showBucketStatistics = [&invariants](const containers::WordTable& dictionary, bool escapeLeaves) {
    invariants.enterStatistics();
    stats::showBucketStatistics(dictionary, escapeLeaves);
    invariants.leave();
  };
  parts.runMainMenu = [&invariants](game_record::WordGame& game, uint32_t highScore,
                                    const game::Extras& extras, std::string& dailyDate) {
    invariants.enter(fuzz::Stage::kMenu, game);
    const game::MenuChoice choice = game::runMainMenu(game, highScore, extras, &dailyDate);
    invariants.leave();
    return choice;
  };
  parts.playGame = [&invariants](game_record::WordGame& game, const game::Extras& extras) {
    std::srand(kGameSeed);
    invariants.enter(fuzz::Stage::kGame, game);
    const uint32_t score = game::playGame(game, extras);
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

// A finding comes while an input runs in the work folder: unless told
// where, libFuzzer writes it to the folder the fuzzer was started in, as it
// does for other targets.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<char*> arguments(*argv, *argv + *argc);
  auto saysWhere = [](std::string_view argument) {
    return argument.starts_with("-artifact_prefix=") || argument.starts_with("-exact_artifact_path=");
  };
  if (std::any_of(arguments.begin(), arguments.end(), saysWhere)) return 0;
  static std::string startedIn = "-artifact_prefix=" + (std::filesystem::current_path() / "").string();
  arguments.push_back(startedIn.data());
  arguments.push_back(nullptr);
  *argc += 1;
  *argv = arguments.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const InWorkFolder inWorkFolder;
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
