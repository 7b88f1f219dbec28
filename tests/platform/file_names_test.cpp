#include "platform/file_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using platform::nameOfPath;
using platform::pathOfName;

// Names in three scripts, one beyond the Basic Multilingual Plane.
const std::vector<std::string> kNames = {"engldict.txt", "Quillop \xc3\xa9", "\xe6\x97\xa5\xe6\x9c\xac",
                                         "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt", "\xf0\x9f\x98\x80"};

TEST(FileNames, ANameComesBackFromItsPathUnchanged) {
  for (const std::string& name : kNames) {
    EXPECT_EQ(nameOfPath(pathOfName(name)), name);
    EXPECT_EQ(nameOfPath(pathOfName("folder/" + name).filename()), name);
  }
}

// What the program writes under a name, the system lists under the same
// name, and the parts of a path keep their names.
TEST(FileNames, FilesMadeUnderANameAreListedAndFoundByIt) {
  support::TempFolder folder;
  const fs::path base = pathOfName(folder.path());
  for (const std::string& name : kNames) {
    const fs::path inner = base / pathOfName(name);
    fs::create_directory(inner);
    std::ofstream(inner / pathOfName(name)) << "planet\n";
    EXPECT_TRUE(fs::is_regular_file(pathOfName(nameOfPath(inner / pathOfName(name))))) << name;
    EXPECT_EQ(nameOfPath(inner.parent_path()), nameOfPath(base));
  }
  std::vector<std::string> listed;
  for (const fs::directory_entry& entry : fs::directory_iterator(base)) {
    listed.push_back(nameOfPath(entry.path().filename()));
  }
  std::sort(listed.begin(), listed.end());
  std::vector<std::string> expected = kNames;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
}

}  // namespace
