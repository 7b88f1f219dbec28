#pragma once
// The best scores as they last from run to run: a records Table kept in
// records.txt in the player's state folder, kept as every state file is
// (state_file.h): replaced whole, read leniently, set aside rather than
// lost. Writers hold records.lock while they read the file afresh, add their
// scores and write it, so two players finishing at once both keep theirs;
// a lock held too long is given up on. Nothing here stops the game: what
// cannot be read or written becomes a notice for the player.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/records_file.h"
#include "records/table.h"

namespace records {

/// Today's local date as YYYY-MM-DD.
std::string localDate();

class Store {
 public:
  /// Keeps the records in folder (empty: nowhere, so they last only for this
  /// run). today gives the date a new score is kept with; the lock is waited
  /// for at most lockWaitMs.
  explicit Store(std::string folder, std::function<std::string()> today = localDate,
                 uint32_t lockWaitMs = kLockWaitMs);

  /// Reads the file. One that cannot be read or is not a records file is
  /// moved aside (never deleted) and the records start empty; lines that
  /// make no sense are skipped, the file as it was copied aside. With the
  /// lock held elsewhere the file is only read.
  void load();
  /// Keeps a game's score for its seconds per round and returns the place
  /// it took among the scores now known (1 is the best), or 0. When the file
  /// cannot be written, or its lock is held too long, the score is still
  /// kept for this run, and the next add tries again.
  int add(uint16_t seconds, uint32_t score);
  /// As add, with the day the score is kept with given (a daily game's
  /// date) instead of today.
  int add(uint16_t seconds, uint32_t score, const std::string& date);
  const std::vector<Entry>& best(uint16_t seconds) const { return shown_.best(seconds); }
  /// A line for the player about the records, or empty; each is given once.
  std::string takeNotice();

 private:
  struct Unsaved {
    uint16_t seconds;
    Entry entry;
  };

  std::string pathOf(const char* name) const;
  Table read(bool locked);
  Table withUnsaved(Table table, int& lastPlace) const;
  bool save(int& place, std::string& reason);

  std::string folder_;
  std::function<std::string()> today_;
  uint32_t lockWaitMs_;
  Table saved_;                   ///< as the file held it when last read or written
  std::vector<Unsaved> unsaved_;  ///< scores of this run the file does not hold yet
  Table shown_;                   ///< saved_ with the unsaved scores
  std::string notice_;
  bool toldUnsaved_ = false;
};

}  // namespace records
