#include "records/store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

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

int exitStatus(pid_t child) {
  int status = -1;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class RecordsStoreTest : public ::testing::Test {
 protected:
  records::Store store() const {
    records::Store opened(folder.path() + "/quillop", [] { return std::string("2026-03-04"); });
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
  EXPECT_FALSE(fs::exists(file() + ".new"));
  EXPECT_EQ(fs::status(folder.path() + "/quillop").permissions(), fs::perms::owner_all);
  EXPECT_EQ(first.takeNotice(), "");
}

TEST_F(RecordsStoreTest, AFileThatCannotBeReadOrMakesNoSenseIsKeptAside) {
  writeFile("high scores: lots\n");
  records::Store loaded = store();
  EXPECT_TRUE(loaded.best(60).empty());
  EXPECT_EQ(loaded.takeNotice(), "Records file made no sense: kept as records.txt.bad; records start anew.");
  EXPECT_EQ(loaded.takeNotice(), "");
  EXPECT_EQ(contentsOf(file() + ".bad"), "high scores: lots\n");

  fs::create_directory(file());  // a file that is no file cannot be read
  EXPECT_EQ(store().takeNotice(), "Records file unreadable: kept as records.txt.bad.2; records start anew.");
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
  EXPECT_FALSE(fs::exists(file() + ".new"));
}

}  // namespace
