#include "driver/dictionary_location.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/file_names.h"
#include "support/temp_folder.h"

namespace {

using driver::chooseDefaultDictionary;
using driver::installedDictionaryPaths;

// Whether paths holds path, written with the system's own separators (a
// Windows build writes '\\').
bool holds(const std::vector<std::string>& paths, const std::string& path) {
  std::string native = platform::nameOfPath(platform::pathOfName(path).make_preferred());
  return std::find(paths.begin(), paths.end(), native) != paths.end();
}

TEST(DictionaryLocation, PrefersTheWorkingDirectoryThenTheInstalledCopy) {
  support::TempFolder folder;
  std::string installed = folder.write("installed.txt", "planet\n");
  std::string local = folder.write("local.txt", "planet\n");
  std::string missing = folder.path() + "/missing.txt";

  EXPECT_EQ(chooseDefaultDictionary(local, {installed}), local);
  EXPECT_EQ(chooseDefaultDictionary(missing, {installed}), installed);
  // The first installed layout that holds the file wins.
  EXPECT_EQ(chooseDefaultDictionary(missing, {missing, installed, local}), installed);
  // Nothing installed either: the default name, so the loader names it.
  EXPECT_EQ(chooseDefaultDictionary(missing, {folder.path() + "/none.txt"}), missing);
  EXPECT_EQ(chooseDefaultDictionary(missing, {}), missing);
  // A folder is not a dictionary to fall back to.
  EXPECT_EQ(chooseDefaultDictionary(missing, {folder.path()}), missing);
}

TEST(DictionaryLocation, InstalledPathLiesUnderTheProgramsPrefix) {
  std::vector<std::string> paths = installedDictionaryPaths("/opt/q/bin/quillop");
  EXPECT_TRUE(holds(paths, "/opt/q/share/quillop/engldict.txt"));
  EXPECT_TRUE(holds(installedDictionaryPaths("/usr/games/quillop"), "/usr/share/games/quillop/engldict.txt"));
  // Each place once, so a missing dictionary is looked for no more than needed.
  EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()).size(), paths.size());
  EXPECT_TRUE(installedDictionaryPaths("").empty());
}

// A program unpacked or installed under a folder named in any script finds
// its data there, and names it in UTF-8 as the loading line shows it.
TEST(DictionaryLocation, FoldersNamedBeyondAsciiAreFound) {
  support::TempFolder folder;
  const std::string place = folder.path() + "/\xe6\x97\xa5\xe6\x9c\xac Quillop \xc3\xa9";
  const std::vector<std::string> paths = installedDictionaryPaths(place + "/bin/quillop");
  EXPECT_TRUE(holds(paths, place + "/share/quillop/engldict.txt"));
  const std::filesystem::path installed = platform::pathOfName(paths.front());
  std::filesystem::create_directories(installed.parent_path());
  std::ofstream(installed) << "planet\n";
  EXPECT_EQ(chooseDefaultDictionary(folder.path() + "/missing.txt", paths), paths.front());
}

}  // namespace
