#pragma once
// Where the default dictionary is found: in the working directory, as it
// always was, or else the copy installed beside the program.

#include <string>

namespace driver {

/// The installed dictionary: share/quillop/engldict.txt under the prefix the
/// running program was installed to (found from the program's own path, so
/// an installation can be moved). Empty when the program's path is unknown.
std::string installedDictionaryPath();

/// defaultName when it names a file in the working directory; otherwise
/// installedPath when that file exists; otherwise defaultName, so that the
/// loader reports the missing file by the name the user knows.
std::string chooseDefaultDictionary(const std::string& defaultName, const std::string& installedPath);

}  // namespace driver
