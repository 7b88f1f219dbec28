#pragma once
// The running program's own file, from which the installed data is found.
// Each system family tells it its own way, so the build picks one
// own_executable_<system>.cpp; a system without one gets the fallback that
// knows nothing.

#include <string>

namespace driver {

/// The absolute path of the running program's file, with symbolic links
/// resolved. Empty when the system does not tell.
std::string ownExecutablePath();

}  // namespace driver
