#include "driver/dictionary_location.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/file_names.h"

namespace driver {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDictionaryName = "engldict.txt";
// From the program's folder to the data, in the two layouts packages use:
// bin/ beside share/quillop/, and Debian's games/ beside share/games/quillop/.
constexpr const char* kUsualBinToData = "../share/quillop";
constexpr const char* kGamesBinToData = "../share/games/quillop";

bool isFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(platform::pathOfName(path), error);
}

}  // namespace

std::vector<std::string> installedDictionaryPaths(const std::string& programPath) {
  return installedDataPaths(programPath, kDictionaryName);
}

std::vector<std::string> installedDataPaths(const std::string& programPath, const std::string& fileName) {
  if (programPath.empty()) return {};
  fs::path programFolder = platform::pathOfName(programPath).parent_path();
  std::vector<std::string> paths;
  for (const char* binToData : {QUILLOP_BIN_TO_DATA, kUsualBinToData, kGamesBinToData}) {
    std::string path =
        platform::nameOfPath((programFolder / binToData / platform::pathOfName(fileName)).lexically_normal());
    if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
  }
  return paths;
}

std::string chooseDefaultDictionary(const std::string& defaultName,
                                    const std::vector<std::string>& installedPaths) {
  if (isFile(defaultName)) return defaultName;
  auto installed = std::find_if(installedPaths.begin(), installedPaths.end(), isFile);
  return installed == installedPaths.end() ? defaultName : *installed;
}

}  // namespace driver
