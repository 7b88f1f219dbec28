#pragma once
// Where the default dictionary is found: in the working directory, as it
// always was, or else the copy installed beside the program.

#include <string>

namespace driver {

/// The installed dictionary, found from the running program's own path so an
/// installation can be moved: share/quillop/engldict.txt under the prefix it
/// was installed to, or on Windows engldict.txt beside it (the release's
/// folder). Empty when the program's path is unknown. Each platform has its
/// own file for it.
std::string installedDictionaryPath();

/// defaultName when it names a file in the working directory; otherwise
/// installedPath when that file exists; otherwise defaultName, so that the
/// loader reports the missing file by the name the user knows.
std::string chooseDefaultDictionary(const std::string& defaultName, const std::string& installedPath);

}  // namespace driver
