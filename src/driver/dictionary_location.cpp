#include "driver/dictionary_location.h"

#include <filesystem>
#include <system_error>

namespace driver {
namespace {

namespace fs = std::filesystem;

bool isFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(path, error);
}

}  // namespace

std::string chooseDefaultDictionary(const std::string& defaultName, const std::string& installedPath) {
  if (isFile(defaultName) || !isFile(installedPath)) return defaultName;
  return installedPath;
}

}  // namespace driver
