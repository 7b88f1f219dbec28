#pragma once
// File names as the program keeps them, and the paths the standard library
// opens. The program keeps every name in one encoding: the bytes the system
// gives on POSIX systems, UTF-8 on Windows, where the command line, the
// program's own path and the environment all arrive in UTF-8. A name turns
// into a std::filesystem::path only through pathOfName, which knows how the
// system wants it, and back through nameOfPath; on Windows the path holds
// the UTF-16 name the system opens, whatever the code page.

#include <filesystem>
#include <string>

namespace platform {

/// The path of the file the program calls name.
std::filesystem::path pathOfName(const std::string& name);

/// The name the program keeps for path: pathOfName's inverse.
std::string nameOfPath(const std::filesystem::path& path);

}  // namespace platform
