#pragma once
// The daily results as they last from run to run, in daily.txt beside the
// best scores: a lasting file (lasting_file.h) kept with the same care.
// Also the one play of a daily game, which counts its rounds and keeps its
// result at the game's end unless the date has one already.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/durable_files.h"
#include "records/daily_file.h"
#include "records/lasting_file.h"
#include "rules/daily_result.h"

namespace records {

/// What makes daily.txt a lasting file: the results, one per date, to
/// which a result is added unless its date has one, answering whether it
/// was.
struct DailyResultsKind {
  using Contents = std::vector<rules::DailyResult>;
  using Addition = rules::DailyResult;
  using Verdict = bool;
  // A line a day for a lifetime is well under this; a file far larger is not ours.
  static constexpr FileKind kFile{"daily.txt", "Daily results file", "daily results start anew",
                                  "Daily results", 4 << 20};

  static std::optional<Parsed<Contents>> parse(std::string_view text);
  static std::string text(const Contents& results) { return historyText(results); }
  static bool merge(Contents& results, const Addition& result) { return rules::addResult(results, result); }
};

class DailyStore {
 public:
  /// Keeps the results in folder (empty: nowhere, so they last only for
  /// this run). today gives the date of today's game, YYYY-MM-DD.
  /// A lock another copy holds is waited for at most lockWaitMs.
  DailyStore(std::string folder, std::function<std::string()> today,
             uint32_t lockWaitMs = platform::kLockWaitMs);

  /// Reads the file (see LastingFile::load).
  void load() { file_.load(); }
  /// Keeps result as its date's result unless the date has one already,
  /// also one that another copy of the program wrote meanwhile; true when
  /// it was kept. A result the file cannot take is kept for this run.
  bool keep(const rules::DailyResult& result);
  const std::vector<rules::DailyResult>& results() const { return file_.contents(); }
  /// A line for the player about the daily results, or empty; each is
  /// given once.
  std::string takeNotice() { return file_.takeNotice(); }
  std::string today() const { return today_(); }

 private:
  LastingFile<DailyResultsKind> file_;
  std::function<std::string()> today_;
};

/// One play of the daily game of a date. It is practice when the date had a
/// result when the game began.
class DailyPlay {
 public:
  DailyPlay(DailyStore& store, std::string date);

  const std::string& code() const { return result_.code; }
  bool practice() const { return practice_; }
  /// Called at the end of every round, the last one too.
  void countRound(const rules::RoundTally& tally) { result_.rounds.push_back(tally); }
  /// Called at the game's end: keeps the result unless this is practice
  /// (or another game of the date was kept first, which makes it practice).
  void finish(uint32_t score);

 private:
  DailyStore& store_;
  rules::DailyResult result_;
  bool practice_ = false;
};

}  // namespace records
