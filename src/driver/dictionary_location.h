#pragma once
// Where the default dictionary, and the word meanings that go with it, are
// found: in the working directory, as the dictionary always was, or else the
// copies installed beside the program.

#include <string>
#include <vector>

namespace driver {

/// The file of word meanings, looked for as the default dictionary is.
constexpr const char* kMeaningsName = "engldict.meanings";

/// Where an installation of the program at programPath keeps the data file
/// fileName, in the order to look (see installedDictionaryPaths).
std::vector<std::string> installedDataPaths(const std::string& programPath, const std::string& fileName);

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
