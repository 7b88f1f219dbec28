#include "driver/dictionary_location.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "support/temp_folder.h"

namespace {

using driver::chooseDefaultDictionary;
using driver::installedDictionaryPaths;

// Whether paths holds path, written with the system's own separators (a
// Windows build writes '\\').
bool holds(const std::vector<std::string>& paths, const std::string& path) {
  std::string native = std::filesystem::path(path).make_preferred().string();
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

}  // namespace
