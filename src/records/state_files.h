#pragma once
// Reading the files kept in the player's state folder, and setting aside one
// that makes no sense, never deleting it. Shared by the best scores and the
// daily results, which keep their files with the same care.

#include <cstdint>
#include <string>

namespace records {

enum class ReadOutcome { kRead, kMissing, kFailed };

/// The whole of the file at path in text. kFailed for anything but a regular
/// file of at most largest bytes that could be read.
ReadOutcome readFile(const std::string& path, std::string& text, std::uintmax_t largest);

/// Renames path to the first free name of path.bad, path.bad.2, ...; the
/// name taken, or empty when the file could not be renamed. Callers hold the
/// folder's lock.
std::string moveAside(const std::string& path);

/// Copies path to the first free name of path.bad, path.bad.2, ...,
/// leaving path as it is; the name taken, or empty on failure.
std::string copyAside(const std::string& path);

/// Makes folder (private to the player where the platform has such modes)
/// unless it is there; false with reason when it cannot.
bool makeFolder(const std::string& folder, std::string& reason);

}  // namespace records
