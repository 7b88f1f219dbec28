#include <gtest/gtest.h>

#include <filesystem>

#include "driver/dictionary_location.h"

namespace {

TEST(DictionaryLocation, InstalledPathLiesUnderTheProgramsPrefix) {
  std::string path = driver::installedDictionaryPath();
  ASSERT_FALSE(path.empty());
  std::filesystem::path installed(path);
  EXPECT_EQ(installed.filename(), "engldict.txt");
  EXPECT_EQ(installed.parent_path().filename(), "quillop");
  EXPECT_EQ(installed.parent_path().parent_path().filename(), "share");
}

}  // namespace
