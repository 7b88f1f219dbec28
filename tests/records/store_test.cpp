#include "records/store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/durable_files.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using records::Entry;

std::string contentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

// Runs body in a child process, which ends with status 0 when body is true.
pid_t startChild(const std::function<bool()>& body) {
  const pid_t child = fork();
  if (child == 0) _exit(body() ? 0 : 1);
  return child;
}

// The names in folder that the program's new files take.
std::vector<std::string> temporaries(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("records.txt.new")) names.push_back(name);
  }
  return names;
}

int exitStatus(pid_t child) {
  int status = -1;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class RecordsStoreTest : public ::testing::Test {
 protected:
  records::Store store(uint32_t lockWaitMs = platform::kLockWaitMs) const {
    records::Store opened(
        folder.path() + "/quillop", [] { return std::string("2026-03-04"); }, lockWaitMs);
    opened.load();
    return opened;
  }
  std::string file() const { return folder.path() + "/quillop/records.txt"; }
  void writeFile(const std::string& text) const {
    fs::create_directories(folder.path() + "/quillop");
    folder.write("quillop/records.txt", text);
  }

  support::TempFolder folder;
};

TEST_F(RecordsStoreTest, ScoresLastFromOneRunToTheNext) {
  records::Store first = store();
  EXPECT_EQ(first.add(60, 40), 1);
  EXPECT_EQ(first.add(60, 55), 1);
  EXPECT_EQ(first.add(90, 0), 0);
  EXPECT_EQ(store().best(60), (std::vector<Entry>{{55, "2026-03-04"}, {40, "2026-03-04"}}));
  EXPECT_EQ(contentsOf(file()), "Quillop records 1\n60 55 2026-03-04\n60 40 2026-03-04\n");
  EXPECT_TRUE(temporaries(folder.path() + "/quillop").empty());
  EXPECT_EQ(fs::status(folder.path() + "/quillop").permissions(), fs::perms::owner_all);
  EXPECT_EQ(first.takeNotice(), "");
}

TEST_F(RecordsStoreTest, AFileThatCannotBeReadOrMakesNoSenseIsKeptAside) {
  writeFile("high scores: lots\n");
  records::Store loaded = store();
  EXPECT_TRUE(loaded.best(60).empty());
  EXPECT_EQ(loaded.takeNotice(),
            "Records file is not in our format: kept as records.txt.bad; records start anew.");
  EXPECT_EQ(loaded.takeNotice(), "");
  EXPECT_EQ(contentsOf(file() + ".bad"), "high scores: lots\n");

  fs::create_directory(file());  // a file that is no file cannot be read
  EXPECT_EQ(store().takeNotice(), "Records file is a folder: kept as records.txt.bad.2; records start anew.");
  EXPECT_TRUE(fs::is_directory(file() + ".bad.2"));
  EXPECT_EQ(loaded.add(30, 8), 1);
  EXPECT_EQ(store().best(30), (std::vector<Entry>{{8, "2026-03-04"}}));
}

TEST_F(RecordsStoreTest, AFolderThatCannotBeWrittenCostsOnlyThisRunsRecords) {
  folder.write("blocked", "a file where the folder should be");
  std::vector<std::string> unwritable = {folder.path() + "/blocked/quillop"};
  if (geteuid() != 0) {  // the superuser writes into read-only folders
    fs::create_directory(folder.path() + "/readonly");
    fs::permissions(folder.path() + "/readonly", fs::perms::owner_read | fs::perms::owner_exec);
    unwritable.push_back(folder.path() + "/readonly");
  }
  for (const std::string& place : unwritable) {
    records::Store unsaved(place, [] { return std::string("2026-03-04"); });
    unsaved.load();
    EXPECT_EQ(unsaved.add(60, 10), 1);
    EXPECT_EQ(unsaved.takeNotice().substr(0, 25), "Records cannot be saved (") << place;
    EXPECT_EQ(unsaved.add(60, 20), 1);
    EXPECT_EQ(unsaved.takeNotice(), "");
    EXPECT_EQ(unsaved.best(60), (std::vector<Entry>{{20, "2026-03-04"}, {10, "2026-03-04"}}));
  }
}

// Each program keeps its own time's scores; a writer that did not read the
// file afresh under the lock would drop some of the other's.
TEST_F(RecordsStoreTest, TwoProgramsFinishingTogetherBothKeepTheirScores) {
  auto playThirtyGames = [this](uint16_t seconds) {
    records::Store own = store();
    for (uint32_t score = 1; score <= 30; ++score) own.add(seconds, score);
    return own.takeNotice().empty();
  };
  const pid_t other = startChild([&] { return playThirtyGames(30); });
  EXPECT_TRUE(playThirtyGames(60));
  EXPECT_EQ(exitStatus(other), 0);
  const std::vector<Entry> best = {
      {30, "2026-03-04"}, {29, "2026-03-04"}, {28, "2026-03-04"}, {27, "2026-03-04"}, {26, "2026-03-04"}};
  EXPECT_EQ(store().best(30), best);
  EXPECT_EQ(store().best(60), best);
}

// A full disk, here a file size limit, stops the write of the new file.
TEST_F(RecordsStoreTest, AWriteCutShortLeavesTheOldFileAsItWas) {
  const std::string old = "Quillop records 1\n60 12 2026-01-01\n60 11 2026-01-01\n";
  writeFile(old);
  EXPECT_EQ(exitStatus(startChild([this, &old] {
              std::signal(SIGXFSZ, SIG_IGN);
              const rlimit limit{old.size() / 2, old.size() / 2};
              setrlimit(RLIMIT_FSIZE, &limit);
              records::Store full = store();
              return full.add(60, 99) == 1 && full.takeNotice().find("File too large") != std::string::npos;
            })),
            0);
  EXPECT_EQ(contentsOf(file()), old);
  EXPECT_TRUE(temporaries(folder.path() + "/quillop").empty());
}

TEST_F(RecordsStoreTest, NoticesSayWhatWasWrong) {
  writeFile(std::string(size_t{100} * 1024, 'x'));
  EXPECT_EQ(store().takeNotice(), "Records file is too large: kept as records.txt.bad; records start anew.");
  if (geteuid() == 0) return;  // the superuser reads any file
  writeFile("Quillop records 1\n");
  fs::permissions(file(), fs::perms::none);
  EXPECT_EQ(
      store().takeNotice(),
      "Records file could not be read (Permission denied): kept as records.txt.bad.2; records start anew.");
}

// CRLF, a blank line and no last line end are read; the bad lines are
// skipped, kept in the copy set aside, and gone from the file.
TEST_F(RecordsStoreTest, HandEditsKeepTheGoodLinesAndSetTheFileAsideOnce) {
  const std::string edited =
      "Quillop records 1\r\n60 12 2026-01-01\r\n\r\n60 lots 2026-01-02\r\n90 7 2026-01-03";
  writeFile(edited);
  records::Store loaded = store();
  EXPECT_EQ(loaded.best(60), (std::vector<Entry>{{12, "2026-01-01"}}));
  EXPECT_EQ(loaded.best(90), (std::vector<Entry>{{7, "2026-01-03"}}));
  EXPECT_EQ(
      loaded.takeNotice(),
      "Records file: 1 line that made no sense skipped; the file as it was is kept as records.txt.bad.");
  EXPECT_EQ(contentsOf(file() + ".bad"), edited);
  EXPECT_EQ(contentsOf(file()), "Quillop records 1\n60 12 2026-01-01\n90 7 2026-01-03\n");
  EXPECT_EQ(loaded.add(60, 3), 2);
  EXPECT_EQ(store().takeNotice(), "");
  EXPECT_FALSE(fs::exists(file() + ".bad.2"));
}

// A link planted under the old temporary name, and a stale temporary file,
// are neither written through nor kept.
TEST_F(RecordsStoreTest, APlantedLinkIsNeverWrittenThrough) {
  const std::string victim = folder.write("victim.txt", "precious\n");
  writeFile("Quillop records 1\n");
  fs::create_symlink(victim, file() + ".new");
  folder.write("quillop/records.txt.new-0badcafe", "left by a crash");
  EXPECT_EQ(store().add(60, 9), 1);
  EXPECT_EQ(contentsOf(victim), "precious\n");
  EXPECT_FALSE(fs::is_symlink(file()));
  EXPECT_EQ(contentsOf(file()), "Quillop records 1\n60 9 2026-03-04\n");
  EXPECT_TRUE(temporaries(folder.path() + "/quillop").empty());
}

TEST_F(RecordsStoreTest, ALinkedRecordsFileIsWrittenThroughAndStaysALink) {
  fs::create_directories(folder.path() + "/dotfiles");
  const std::string kept = folder.write("dotfiles/records.txt", "Quillop records 1\n60 5 2026-01-01\n");
  fs::create_directories(folder.path() + "/quillop");
  fs::create_symlink("../dotfiles/records.txt", file());
  EXPECT_EQ(store().add(60, 9), 1);
  EXPECT_TRUE(fs::is_symlink(file()));
  EXPECT_EQ(contentsOf(kept), "Quillop records 1\n60 9 2026-03-04\n60 5 2026-01-01\n");
  EXPECT_TRUE(temporaries(folder.path() + "/dotfiles").empty());
}

// Another program holding the lock costs a short wait, not the game: the
// file is still read, and the score is saved once the lock is free.
TEST_F(RecordsStoreTest, AHeldLockIsGivenUpOnAndTheNextSaveTriesAgain) {
  writeFile("Quillop records 1\n60 5 2026-01-01\n");
  auto held = std::make_unique<platform::FileLock>(folder.path() + "/quillop/records.lock");
  ASSERT_TRUE(held->held());
  records::Store waiting = store(100);
  EXPECT_EQ(waiting.best(60), (std::vector<Entry>{{5, "2026-01-01"}}));
  EXPECT_EQ(waiting.add(60, 9), 1);
  EXPECT_EQ(waiting.takeNotice(),
            "Records cannot be saved (records.lock is held by another program); they last until you quit.");
  EXPECT_EQ(contentsOf(file()), "Quillop records 1\n60 5 2026-01-01\n");
  held.reset();
  EXPECT_EQ(waiting.add(60, 7), 2);
  EXPECT_EQ(store().best(60), (std::vector<Entry>{{9, "2026-03-04"}, {7, "2026-03-04"}, {5, "2026-01-01"}}));
}

}  // namespace
