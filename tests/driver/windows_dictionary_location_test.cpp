#include <gtest/gtest.h>

#include "driver/dictionary_location.h"

namespace {

// The release unpacks into one folder: the dictionary is looked for beside
// the program first.
TEST(DictionaryLocation, OnWindowsTheDictionaryLiesBesideTheProgram) {
  std::vector<std::string> paths = driver::installedDictionaryPaths("C:\\Games\\Quillop\\quillop.exe");
  ASSERT_FALSE(paths.empty());
  EXPECT_EQ(paths.front(), "C:\\Games\\Quillop\\engldict.txt");
}

}  // namespace
