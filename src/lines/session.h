#pragma once
// What the line face plays with for a whole run: the line terminal and its
// writer, the game record, the stores that last (none in a test that does
// not need them), the game code that -s gave and the time per round. The
// end of the input ends the game in progress as its time running out
// would, so its records and daily result are kept, and then the run.

#include <cstdint>
#include <limits>
#include <string>

#include "game_record/word_game.h"
#include "lines/line_terminal.h"
#include "lines/writer.h"

namespace records {
class Store;
class DailyStore;
}  // namespace records
namespace dictionary {
class MeaningsOnDemand;
}

namespace lines {

constexpr uint32_t kNoTimeout = std::numeric_limits<uint32_t>::max();

struct Session {
  Session(LineTerminal& lineTerminal, game_record::WordGame& wordGame)
      : terminal(lineTerminal), writer(lineTerminal), game(wordGame) {}

  LineTerminal& terminal;
  Writer writer;
  game_record::WordGame& game;
  records::Store* records = nullptr;
  records::DailyStore* dailyResults = nullptr;
  dictionary::MeaningsOnDemand* meanings = nullptr;
  std::string fixedCode;  ///< -s: every game plays these words; empty: a new code each game
  /// Where a new game's code takes its freshness: the system's, from the
  /// driver; a test's own numbers in tests.
  uint64_t (*freshNumber)() = nullptr;
  bool noLimit = false;  ///< rounds end when the player asks; no records, no daily result
  bool inputEnded = false;

  /// A line within ms (kNoTimeout: however long it takes); notes the end.
  LineRead read(uint32_t ms, std::string& line) {
    if (inputEnded) return LineRead::kEnded;
    const LineRead read = terminal.readLineWithin(ms, line);
    if (read == LineRead::kEnded) inputEnded = true;
    return read;
  }
};

}  // namespace lines
