// Written for macOS; not built or run by this project's CI.
#include "platform/own_executable.h"

#include <mach-o/dyld.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace platform {

std::string ownExecutablePath() {
  uint32_t size = 0;
  _NSGetExecutablePath(nullptr, &size);  // fails, and says the size it needs
  std::string path(size, '\0');
  if (_NSGetExecutablePath(path.data(), &size) != 0) return {};
  path.resize(std::strlen(path.c_str()));
  // This is the path the program was started by, possibly a symbolic link
  // (as a package manager's bin/ holds); the data lies beside the real file.
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::canonical(path, error);
  return error ? std::string() : resolved.string();
}

}  // namespace platform
