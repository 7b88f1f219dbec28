#pragma once
// The one machine behind every file of the player's state folder that runs
// add to (the best scores, the daily results), kept as every state file is
// (state_file.h): replaced whole, read leniently, set aside rather than
// lost. Writers hold the folder's lock while they read the file afresh,
// merge in what this run added and write it, so two copies of the program
// finishing at once both keep theirs; a lock held too long is given up on,
// and what was added is kept for this run and written by the next add.
// Nothing here stops the game: trouble becomes a notice for the player.
//
// What differs from one kind of file to another is its Kind:
//   Contents                 the value the file holds (with ==, default made);
//   Addition                 what a run adds to it;
//   Verdict                  what adding one answers (default made);
//   static constexpr FileKind kFile;
//   static std::optional<Parsed<Contents>> parse(std::string_view text);
//                            nothing when the text is not of this kind;
//   static std::string text(const Contents&);
//   static Verdict merge(Contents&, const Addition&);

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/durable_files.h"
#include "records/state_file.h"

namespace records {

/// The names and words of one kind of lasting file.
struct FileKind {
  const char* name;        ///< in the state folder: "records.txt"
  const char* what;        ///< names it in a notice: "Records file"
  const char* next;        ///< what follows losing it: "records start anew"
  const char* unsaved;     ///< what cannot be saved: "Records"
  std::uintmax_t largest;  ///< a larger file is not one of ours
};

/// A file's contents as its kind's parse read them.
template <class Contents>
struct Parsed {
  Contents contents;
  size_t skippedLines = 0;
};

/// The part of a lasting file that is the same whatever it holds: where
/// it is, its lock, reading and writing its text, and the notice.
class FolderFile {
 public:
  FolderFile(std::string folder, const FileKind& kind, uint32_t lockWaitMs);

  /// No folder: nothing is read, and every save fails.
  bool nowhere() const { return folder_.empty(); }
  std::string lockPath() const;
  uint32_t lockWaitMs() const { return lockWaitMs_; }
  /// Makes the folder for a save; false with reason when there is none.
  bool makeFolder(std::string& reason) const;
  /// True when lock is held; else false, and reason says why.
  bool held(const platform::FileLock& lock, std::string& reason) const;
  /// Reads the file through parse (see readStateFile); a notice replaces
  /// any earlier one.
  StateFileRead read(const TextParser& parse, bool locked);
  /// Writes text as the file's contents; the lock is held.
  bool replace(const std::string& text, std::string& reason) const;
  /// The first failed save of a run becomes the notice; later ones do not.
  void tellUnsaved(const std::string& reason);
  std::string takeNotice();

 private:
  std::string path() const;

  std::string folder_;
  FileKind kind_;
  uint32_t lockWaitMs_;
  std::string notice_;
  bool toldUnsaved_ = false;
};

template <class Kind>
class LastingFile {
 public:
  using Contents = typename Kind::Contents;
  using Addition = typename Kind::Addition;
  using Verdict = typename Kind::Verdict;

  /// Keeps the file in folder (empty: nowhere, so what is added lasts only
  /// for this run); the lock is waited for at most lockWaitMs.
  LastingFile(std::string folder, uint32_t lockWaitMs) : file_(std::move(folder), Kind::kFile, lockWaitMs) {}

  /// Reads the file. One that cannot be read or is not of its kind is moved
  /// aside (never deleted) and the contents start empty; one with lines
  /// that make no sense is copied aside and written again without them.
  /// With the lock held elsewhere the file is only read.
  void load() {
    if (file_.nowhere()) return;
    const platform::FileLock lock(file_.lockPath(), file_.lockWaitMs());
    saved_ = shown_ = read(lock.held());
  }
  /// Merges addition into the file, read afresh under the lock, and answers
  /// the merge's verdict. When the file cannot be written it is merged into
  /// what this run shows, and the next add tries again.
  Verdict add(const Addition& addition) {
    unsaved_.push_back(addition);
    std::string reason;
    if (std::optional<Verdict> verdict = save(reason)) return *verdict;
    file_.tellUnsaved(reason);
    shown_ = saved_;
    return mergeUnsaved(shown_);
  }
  /// As the file held it when last read or written, with what this run
  /// could not write yet.
  const Contents& contents() const { return shown_; }
  /// A line for the player about the file, or empty; each is given once.
  std::string takeNotice() { return file_.takeNotice(); }

 private:
  // Lines skipped are in the copy set aside: the file is written again
  // without them at once, so the next read does not set them aside again.
  Contents read(bool locked) {
    Contents contents{};
    const TextParser parse = [&contents](std::string_view text) -> std::optional<size_t> {
      std::optional<Parsed<Contents>> parsed = Kind::parse(text);
      if (!parsed) return std::nullopt;
      contents = std::move(parsed->contents);
      return parsed->skippedLines;
    };
    std::string reason;
    if (file_.read(parse, locked).skippedLines > 0 && locked) file_.replace(Kind::text(contents), reason);
    return contents;
  }

  Verdict mergeUnsaved(Contents& contents) const {
    Verdict verdict{};
    for (const Addition& addition : unsaved_) verdict = Kind::merge(contents, addition);
    return verdict;
  }

  // Read afresh under the lock, so what another copy wrote meanwhile stays.
  std::optional<Verdict> save(std::string& reason) {
    if (!file_.makeFolder(reason)) return std::nullopt;
    const platform::FileLock lock(file_.lockPath(), file_.lockWaitMs());
    if (!file_.held(lock, reason)) return std::nullopt;
    const Contents current = read(true);
    Contents merged = current;
    const Verdict verdict = mergeUnsaved(merged);
    if (merged != current && !file_.replace(Kind::text(merged), reason)) return std::nullopt;
    saved_ = shown_ = std::move(merged);
    unsaved_.clear();
    return verdict;
  }

  FolderFile file_;
  Contents saved_{};               ///< as the file held it when last read or written
  std::vector<Addition> unsaved_;  ///< added in this run, not in the file yet
  Contents shown_{};               ///< saved_ with the unsaved additions
};

}  // namespace records
