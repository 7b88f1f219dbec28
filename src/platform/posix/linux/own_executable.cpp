#include "platform/own_executable.h"

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

// The kernel keeps the running program's resolved path behind this link.
constexpr const char* kOwnExecutableLink = "/proc/self/exe";

}  // namespace

std::string ownExecutablePath() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink(kOwnExecutableLink, error);
  return error ? std::string() : program.string();
}

}  // namespace platform
