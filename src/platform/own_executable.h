#pragma once
// The running program's own file, from which the installed data is found.
// Each system family tells it its own way, so the build picks one
// implementation: platform/windows/, or one of the POSIX families' folders
// (platform/posix/linux/ and the like); a system without one gets the
// fallback in platform/posix/other/ that knows nothing.

#include <string>

namespace platform {

/// The absolute path of the running program's file, with symbolic links
/// resolved. Empty when the system does not tell.
std::string ownExecutablePath();

}  // namespace platform
