#pragma once
// The best scores as they last from run to run: a records Table kept in
// records.txt in the player's state folder, a lasting file
// (lasting_file.h) like the daily results: locked, read leniently, replaced
// whole, set aside rather than lost. Nothing here stops the game: what
// cannot be read or written becomes a notice for the player.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/durable_files.h"
#include "platform/local_date.h"
#include "records/lasting_file.h"
#include "records/table.h"

namespace records {

/// What makes records.txt a lasting file: a Table, to which a score is
/// added for its seconds per round, answering the place it took.
struct BestScoresKind {
  struct Score {
    uint16_t seconds;
    Entry entry;
  };
  using Contents = Table;
  using Addition = Score;
  using Verdict = int;
  static constexpr FileKind kFile{"records.txt", "Records file", "records start anew", "Records",
                                  kLargestStateFile};

  static std::optional<Parsed<Table>> parse(std::string_view text);
  static std::string text(const Table& table) { return table.text(); }
  static int merge(Table& table, const Score& score) { return table.add(score.seconds, score.entry); }
};

class Store {
 public:
  /// Keeps the records in folder (empty: nowhere, so they last only for this
  /// run). today gives the date a new score is kept with; the lock is waited
  /// for at most lockWaitMs.
  explicit Store(std::string folder, std::function<std::string()> today = platform::localDate,
                 uint32_t lockWaitMs = platform::kLockWaitMs);

  /// Reads the file (see LastingFile::load).
  void load() { file_.load(); }
  /// Keeps a game's score for its seconds per round and returns the place
  /// it took among the scores now known (1 is the best), or 0. When the file
  /// cannot be written, or its lock is held too long, the score is still
  /// kept for this run, and the next add tries again.
  int add(uint16_t seconds, uint32_t score);
  /// As add, with the day the score is kept with given (a daily game's
  /// date) instead of today.
  int add(uint16_t seconds, uint32_t score, const std::string& date);
  const std::vector<Entry>& best(uint16_t seconds) const { return file_.contents().best(seconds); }
  /// A line for the player about the records, or empty; each is given once.
  std::string takeNotice() { return file_.takeNotice(); }

 private:
  LastingFile<BestScoresKind> file_;
  std::function<std::string()> today_;
};

}  // namespace records
