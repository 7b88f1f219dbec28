#include "driver/dictionary_location.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

using driver::chooseDefaultDictionary;

TEST(DictionaryLocation, PrefersTheWorkingDirectoryThenTheInstalledCopy) {
  support::TempFolder folder;
  std::string installed = folder.write("installed.txt", "planet\n");
  std::string local = folder.write("local.txt", "planet\n");
  std::string missing = folder.path() + "/missing.txt";

  EXPECT_EQ(chooseDefaultDictionary(local, installed), local);
  EXPECT_EQ(chooseDefaultDictionary(missing, installed), installed);
  // Nothing installed either: the default name, so the loader names it.
  EXPECT_EQ(chooseDefaultDictionary(missing, folder.path() + "/none.txt"), missing);
  EXPECT_EQ(chooseDefaultDictionary(missing, ""), missing);
  // A folder is not a dictionary to fall back to.
  EXPECT_EQ(chooseDefaultDictionary(missing, folder.path()), missing);
}

}  // namespace
