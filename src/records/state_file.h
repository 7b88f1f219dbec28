#pragma once
// Small text files that last from run to run in the player's state folder
// (the records, and any other file kept beside them), kept so that nothing
// a player, another program or another copy of this one did to them is
// lost unseen or overwritten through a name planted there:
// - reading is lenient about line ends and blank lines; a file that is not
//   of its kind is moved aside under a .bad name, and one holding lines
//   that make no sense is copied aside as it was, never deleted;
// - a new version replaces the file whole, through a link when the file is
//   one, from a new file that only this program could have made;
// - copies of the program that share a file hold its lock (FileLock in
//   platform/durable_files.h) while they read it to change it and write it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace records {

/// A state file is a few lines: anything larger is not one of ours.
constexpr std::uintmax_t kLargestStateFile = 65536;

/// What a parser makes of a file's text: nothing when the text is not a
/// file of its kind at all, else how many lines made no sense and were
/// skipped (the others were taken).
using TextParser = std::function<std::optional<size_t>(std::string_view text)>;

struct StateFileRead {
  bool parsed = false;      ///< parse took the text, lines skipped or not
  size_t skippedLines = 0;  ///< lines parse skipped
  std::string notice;       ///< what was wrong and where the file went; empty when all was well
};

/// The words that name a file in a notice, and that say what happens next:
/// "Records file", "records start anew".
struct FileWords {
  std::string what;
  std::string next;
};

/// Reads the file at path and hands its text to parse; a missing file is
/// no notice. A file that is a folder, larger than largest, cannot be read, or is not
/// of its kind is moved aside whole, and parse sees none of it; one with
/// lines skipped is copied aside as it was. The aside names are path.bad,
/// then path.bad.2 and on. With mayKeepAside false (the file's lock is not
/// held) nothing is moved or copied and there is no notice.
StateFileRead readStateFile(const std::string& path, const TextParser& parse, const FileWords& words,
                            bool mayKeepAside, std::uintmax_t largest = kLargestStateFile);

/// Makes folder, private to the player where the platform has such modes,
/// unless it is there; false with reason when it cannot.
bool makeStateFolder(const std::string& folder, std::string& reason);

/// Writes text as the new contents of the file at path, whole or not at
/// all. Where path is a symbolic link, the file it finally points at is
/// replaced and the link stays. The text goes to a new file beside that
/// file, under a fresh name (NAME.new-XXXXXXXX), created by this call
/// alone: never through a link, never a file found there. It reaches the
/// disk and is then renamed over the file. On failure it is removed, the
/// file is as it was, and reason says why. Temporary files an earlier run
/// left beside the file (NAME.new, NAME.new-*) are removed first, so they
/// never pile up. Callers hold the file's lock.
bool replaceFile(const std::string& path, const std::string& text, std::string& reason);

}  // namespace records
