#pragma once
// The daily results as they last from run to run, in daily.txt beside the
// best scores, kept with the same care: read and written under the state
// folder's lock, written whole to a new file that replaces the old one, a
// file that cannot be read or makes no sense set aside and never deleted,
// and nothing that stops the game: trouble becomes a notice for the player.
// Also the one play of a daily game, which counts its rounds and keeps its
// result at the game's end unless the date has one already.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/records_file.h"
#include "records/daily_results.h"

namespace daily {

class Store {
 public:
  /// Keeps the results in folder (empty: nowhere, so they last only for
  /// this run). today gives the date of today's game, YYYY-MM-DD.
  /// A lock another copy holds is waited for at most lockWaitMs.
  Store(std::string folder, std::function<std::string()> today, uint32_t lockWaitMs = records::kLockWaitMs);

  /// Reads the file. One that cannot be read or whose header is not ours is
  /// renamed aside and the results start empty; one with lines that make no
  /// sense is copied aside and written again without them. Without the lock
  /// the file is read, but nothing is set aside or written.
  void load();
  /// Keeps result as its date's result unless the date has one already,
  /// also one that another copy of the program wrote meanwhile; true when
  /// it was kept. A result the file cannot take is kept for this run.
  bool keep(const Result& result);
  const std::vector<Result>& results() const { return shown_; }
  /// A line for the player about the daily results, or empty; each is
  /// given once.
  std::string takeNotice();
  std::string today() const { return today_(); }

 private:
  std::string pathOf(const char* name) const;
  std::vector<Result> read(bool locked);
  bool save(bool& kept, std::string& reason);

  std::string folder_;
  std::function<std::string()> today_;
  uint32_t lockWaitMs_;
  std::vector<Result> saved_;    ///< as the file held it when last read or written
  std::vector<Result> unsaved_;  ///< results of this run the file does not hold yet
  std::vector<Result> shown_;    ///< saved_ with the unsaved results
  std::string notice_;
  bool toldUnsaved_ = false;
};

/// One play of the daily game of a date. It is practice when the date had a
/// result when the game began.
class Play {
 public:
  Play(Store& store, std::string date);

  const std::string& code() const { return result_.code; }
  /// The date whose game this is: the date it was started on.
  const std::string& date() const { return result_.date; }
  bool practice() const { return practice_; }
  /// Called at the end of every round, the last one too.
  void countRound(const RoundTally& tally) { result_.rounds.push_back(tally); }
  /// Called at the game's end: keeps the result unless this is practice
  /// (or another game of the date was kept first, which makes it practice).
  void finish(uint32_t score);

 private:
  Store& store_;
  Result result_;
  bool practice_ = false;
};

}  // namespace daily
