#include <gtest/gtest.h>

#include <filesystem>

#include "driver/dictionary_location.h"

namespace {

// The test program stands in for the game: the dictionary is looked for
// beside it.
TEST(DictionaryLocation, InstalledPathLiesBesideTheProgram) {
  std::filesystem::path installed(driver::installedDictionaryPath());
  ASSERT_FALSE(installed.empty());
  EXPECT_EQ(installed.filename(), "engldict.txt");
  EXPECT_TRUE(std::filesystem::is_regular_file(installed.parent_path() / "quillop_tests.exe"));
}

}  // namespace
