#include <filesystem>
#include <system_error>

#include "driver/dictionary_location.h"

namespace driver {
namespace {

namespace fs = std::filesystem;

// Linux names the running program's file here.
constexpr const char* kOwnExecutable = "/proc/self/exe";

}  // namespace

std::string installedDictionaryPath() {
  std::error_code error;
  fs::path program = fs::read_symlink(kOwnExecutable, error);
  if (error) return {};
  fs::path dataDirectory = program.parent_path() / QUILLOP_BIN_TO_DATA;
  return (dataDirectory / "engldict.txt").lexically_normal().string();
}

}  // namespace driver
