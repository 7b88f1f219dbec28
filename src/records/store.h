#pragma once
// The best scores as they last from run to run: a records Table kept in
// records.txt in the player's state folder. A new score is written with the
// whole table to a new file beside the old one, flushed and renamed over it,
// so a crash or a full disk leaves the old file whole. Writers hold a lock
// while they read the file afresh, add their scores and write it, so two
// players finishing at once both keep theirs. Nothing here stops the game:
// what cannot be read or written becomes a notice for the player.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "records/table.h"

namespace records {

/// Today's local date as YYYY-MM-DD.
std::string localDate();

class Store {
 public:
  /// Keeps the records in folder (empty: nowhere, so they last only for this
  /// run). today gives the date a new score is kept with.
  explicit Store(std::string folder, std::function<std::string()> today = localDate);

  /// Reads the file. One that cannot be read or makes no sense is renamed
  /// aside (never deleted) and the records start empty.
  void load();
  /// Keeps a game's score for its seconds per round and returns the place
  /// it took among the scores now known (1 is the best), or 0. When the file
  /// cannot be written the score is still kept for this run.
  int add(uint16_t seconds, uint32_t score);
  const std::vector<Entry>& best(uint16_t seconds) const { return shown_.best(seconds); }
  /// A line for the player about the records, or empty; each is given once.
  std::string takeNotice();

 private:
  struct Unsaved {
    uint16_t seconds;
    Entry entry;
  };

  std::string pathOf(const char* name) const;
  Table readKeepingAside();
  void keepAside(bool unreadable);
  Table withUnsaved(Table table, int& lastPlace) const;
  bool save(int& place, std::string& reason);

  std::string folder_;
  std::function<std::string()> today_;
  Table saved_;                   ///< as the file held it when last read or written
  std::vector<Unsaved> unsaved_;  ///< scores of this run the file does not hold yet
  Table shown_;                   ///< saved_ with the unsaved scores
  std::string notice_;
  bool toldUnsaved_ = false;
};

}  // namespace records
