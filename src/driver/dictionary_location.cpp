#include "driver/dictionary_location.h"

#include <filesystem>
#include <system_error>

namespace driver {
namespace {

namespace fs = std::filesystem;

// Linux names the running program's file here.
constexpr const char* kOwnExecutable = "/proc/self/exe";

bool isFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(path, error);
}

}  // namespace

std::string installedDictionaryPath() {
  std::error_code error;
  fs::path program = fs::read_symlink(kOwnExecutable, error);
  if (error) return {};
  fs::path dataDirectory = program.parent_path() / QUILLOP_BIN_TO_DATA;
  return (dataDirectory / "engldict.txt").lexically_normal().string();
}

std::string chooseDefaultDictionary(const std::string& defaultName, const std::string& installedPath) {
  if (isFile(defaultName) || !isFile(installedPath)) return defaultName;
  return installedPath;
}

}  // namespace driver
