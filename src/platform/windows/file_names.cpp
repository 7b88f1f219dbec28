// Windows paths hold UTF-16 names. The standard library would read a narrow
// name byte by byte, not as UTF-8, so the name is turned into UTF-16 here.

#include "platform/file_names.h"

#include "platform/windows/wide_names.h"

namespace platform {

std::filesystem::path pathOfName(const std::string& name) { return wideName(name); }

std::string nameOfPath(const std::filesystem::path& path) { return utf8Name(path.native()); }

}  // namespace platform
