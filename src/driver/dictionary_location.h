#pragma once
// Where the default dictionary is found: in the working directory, as it
// always was, or else the copy installed beside the program.

#include <string>
#include <vector>

namespace driver {

/// Where an installation of the program at programPath keeps the dictionary,
/// in the order to look: the layout this build installs, the usual one
/// (bin/ and share/quillop/) and Debian's for games (games/ and
/// share/games/quillop/), without repeats. Empty when programPath is empty.
std::vector<std::string> installedDictionaryPaths(const std::string& programPath);

/// defaultName when it names a file in the working directory; otherwise the
/// first of installedPaths that is a file; otherwise defaultName, so that the
/// loader reports the missing file by the name the user knows.
std::string chooseDefaultDictionary(const std::string& defaultName,
                                    const std::vector<std::string>& installedPaths);

}  // namespace driver
