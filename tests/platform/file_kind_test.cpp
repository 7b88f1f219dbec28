#include "platform/file_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace {

using platform::fileFacts;
using platform::FileKind;

TEST(FileKind, AFileHasItsSizeAndAFolderOrNothingIsNoFile) {
  support::TempFolder folder;
  const platform::FileFacts file = fileFacts(folder.write("engldict.meanings", "ant\t\tn\tinsect\n"));
  EXPECT_EQ(file.kind, FileKind::kRegular);
  EXPECT_EQ(file.size, 14u);
  EXPECT_EQ(fileFacts(folder.write("empty", "")).kind, FileKind::kRegular);
  EXPECT_EQ(fileFacts(folder.path()).kind, FileKind::kFolder);
  EXPECT_EQ(fileFacts(folder.path() + "/none").kind, FileKind::kMissing);
  EXPECT_EQ(fileFacts(folder.path() + "/none/deeper").kind, FileKind::kMissing);
}

}  // namespace
