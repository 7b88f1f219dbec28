#include "platform/file_kind.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "dictionary/meanings.h"
#include "support/temp_folder.h"

namespace {

using platform::fileFacts;
using platform::FileKind;

// Opening a FIFO for reading waits for a writer that never comes here: a
// look that opened it would hang the test, not fail it.
TEST(FileKindPosix, AFifoIsNeitherFileNorFolderAndIsNeverRead) {
  support::TempFolder folder;
  std::string fifo = folder.path() + "/engldict.meanings";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(fileFacts(fifo).kind, FileKind::kOther);
  dictionary::MeaningsOnDemand meanings([&] { return fifo; });
  EXPECT_FALSE(meanings.find("ant"));
  EXPECT_EQ(meanings.file(), dictionary::MeaningsFile::kUnreadable);
}

TEST(FileKindPosix, ALinkStandsForWhatItNames) {
  support::TempFolder folder;
  const std::string file = folder.write("words", "ant\n");
  const std::string link = folder.path() + "/link";
  const std::string dangling = folder.path() + "/dangling";
  ASSERT_EQ(symlink(file.c_str(), link.c_str()), 0);
  ASSERT_EQ(symlink((folder.path() + "/none").c_str(), dangling.c_str()), 0);
  EXPECT_EQ(fileFacts(link).kind, FileKind::kRegular);
  EXPECT_EQ(fileFacts(link).size, 4u);
  EXPECT_EQ(fileFacts(dangling).kind, FileKind::kMissing);
}

}  // namespace
