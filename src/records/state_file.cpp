#include "records/state_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "platform/durable_files.h"
#include "platform/file_names.h"

namespace records {
namespace {

namespace fs = std::filesystem;
using platform::nameOfPath;
using platform::NewFile;
using platform::pathOfName;
using platform::renameOver;
using platform::writeNewFile;

constexpr const char* kAsideSuffix = ".bad";
constexpr int kAsideAttempts = 1000;
constexpr const char* kTemporarySuffix = ".new";
constexpr int kTemporaryAttempts = 100;
// A chain of links longer than this is taken for a loop.
constexpr int kMostLinks = 40;

enum class Problem { kNone, kMissing, kFolder, kTooLarge, kUnreadable, kNotOurs };

struct FileText {
  Problem problem = Problem::kNone;
  std::string text;
  std::string reason;  ///< the system's words, where it gave some
};

FileText readSmallFile(const std::string& path, std::uintmax_t largest) {
  std::error_code error;
  const fs::file_status status = fs::status(pathOfName(path), error);
  if (status.type() == fs::file_type::not_found) return {Problem::kMissing, {}, {}};
  if (status.type() == fs::file_type::directory) return {Problem::kFolder, {}, {}};
  if (error) return {Problem::kUnreadable, {}, error.message()};
  if (status.type() == fs::file_type::regular && fs::file_size(pathOfName(path), error) > largest) {
    return {Problem::kTooLarge, {}, {}};
  }
  errno = 0;
  std::ifstream file(pathOfName(path), std::ios::binary);
  std::ostringstream contents;
  if (file) contents << file.rdbuf();
  if (!file) return {Problem::kUnreadable, {}, errno != 0 ? std::strerror(errno) : "read error"};
  return {Problem::kNone, contents.str(), {}};
}

// The first free name of path.bad, path.bad.2, ...; the file is moved there,
// or copied. Empty when that could not be done. Callers hold the lock, so no
// other copy of the program takes the same name meanwhile.
std::string keepAside(const std::string& path, bool copy) {
  for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
    std::string aside = path + kAsideSuffix;
    if (attempt > 1) aside += '.' + std::to_string(attempt);
    std::error_code error;
    if (fs::exists(fs::symlink_status(pathOfName(aside), error))) continue;
    if (copy) {
      fs::copy_file(pathOfName(path), pathOfName(aside), error);
    } else {
      fs::rename(pathOfName(path), pathOfName(aside), error);
    }
    return error ? std::string() : nameOfPath(pathOfName(aside).filename());
  }
  return {};
}

std::string problemWords(const FileText& read) {
  switch (read.problem) {
    case Problem::kFolder: return " is a folder";
    case Problem::kTooLarge: return " is too large";
    case Problem::kUnreadable: return " could not be read (" + read.reason + ")";
    default: return " is not in our format";
  }
}

std::string setAsideWhole(const std::string& path, const FileText& read, const FileWords& words) {
  const std::string aside = keepAside(path, false);
  const std::string what = words.what + problemWords(read);
  if (aside.empty()) return what + " and could not be moved; " + words.next + '.';
  return what + ": kept as " + aside + "; " + words.next + '.';
}

std::string copyAsideSkipped(const std::string& path, size_t skipped, const FileWords& words) {
  const std::string lines = std::to_string(skipped) + (skipped == 1 ? " line" : " lines");
  const std::string aside = keepAside(path, true);
  const std::string what = words.what + ": " + lines + " that made no sense skipped";
  if (aside.empty()) return what + "; it could not be copied aside.";
  return what + "; the file as it was is kept as " + aside + '.';
}

// A link's target is named relative to the folder the link is in.
bool followLinks(fs::path& path, std::string& reason) {
  std::error_code error;
  for (int link = 0; link < kMostLinks; ++link) {
    if (!fs::is_symlink(fs::symlink_status(path, error))) return true;
    const fs::path target = fs::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  reason = error ? error.message() : std::make_error_code(std::errc::too_many_symbolic_link_levels).message();
  return false;
}

bool isOurTemporary(const std::string& name, const std::string& fileName) {
  const std::string stem = fileName + kTemporarySuffix;
  return name == stem || name.starts_with(stem + '-');
}

// Only a run that crashed between making its temporary file and renaming
// it leaves one: the lock keeps every running copy out meanwhile.
void removeStaleTemporaries(const fs::path& file) {
  std::error_code error;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::vector<fs::path> stale;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (isOurTemporary(nameOfPath(entry.path().filename()), nameOfPath(file.filename())))
      stale.push_back(entry);
  }
  for (const fs::path& path : stale) fs::remove(path, error);
}

std::string freshTemporaryName(const fs::path& file) {
  static std::mt19937 source{std::random_device{}()};
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string name = nameOfPath(file) + kTemporarySuffix + '-';
  for (int digit = 0; digit < 8; ++digit) name += kHexDigits[source() % 16];
  return name;
}

// A new file under a name nobody has used: found taken, another is drawn.
bool writeTemporary(const fs::path& file, const std::string& text, std::string& temporary,
                    std::string& reason) {
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    temporary = freshTemporaryName(file);
    const NewFile made = writeNewFile(temporary, text, reason);
    if (made != NewFile::kNameTaken) return made == NewFile::kWritten;
  }
  reason = "no free name for a new file";
  return false;
}

}  // namespace

StateFileRead readStateFile(const std::string& path, const TextParser& parse, const FileWords& words,
                            bool mayKeepAside, std::uintmax_t largest) {
  StateFileRead result;
  FileText read = readSmallFile(path, largest);
  if (read.problem == Problem::kMissing) return result;
  if (read.problem == Problem::kNone) {
    const std::optional<size_t> skipped = parse(read.text);
    if (skipped) {
      result.parsed = true;
      result.skippedLines = *skipped;
      if (*skipped > 0 && mayKeepAside) result.notice = copyAsideSkipped(path, *skipped, words);
      return result;
    }
    read.problem = Problem::kNotOurs;
  }
  if (mayKeepAside) result.notice = setAsideWhole(path, read, words);
  return result;
}

bool makeStateFolder(const std::string& folder, std::string& reason) {
  std::error_code error;
  const fs::path folderPath = pathOfName(folder);
  if (fs::create_directories(folderPath, error)) fs::permissions(folderPath, fs::perms::owner_all, error);
  if (error) reason = error.message();
  return !error;
}

bool replaceFile(const std::string& path, const std::string& text, std::string& reason) {
  fs::path file = pathOfName(path);
  if (!followLinks(file, reason)) return false;
  removeStaleTemporaries(file);
  std::string temporary;
  if (!writeTemporary(file, text, temporary, reason)) return false;
  if (renameOver(temporary, nameOfPath(file), reason)) return true;
  std::error_code error;
  fs::remove(pathOfName(temporary), error);
  return false;
}

}  // namespace records
