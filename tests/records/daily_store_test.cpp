#include "records/daily_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_names.h"
#include "rules/daily_streaks.h"
#include "rules/game_code.h"
#include "support/temp_folder.h"

// Through temporary folders, as the best scores' tests; without forked
// rivals, so the Windows build runs these too.
namespace {

namespace fs = std::filesystem;
using Result = rules::DailyResult;

constexpr const char* kToday = "2026-12-07";

std::string contentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

std::string lineOn(const std::string& date, const std::string& rest) {
  return date + ' ' + rules::dailyGameCode(date) + ' ' + rest + '\n';
}

class DailyStoreTest : public ::testing::Test {
 protected:
  records::DailyStore store(const std::string& place) const {
    records::DailyStore opened(place, [] { return std::string(kToday); });
    opened.load();
    return opened;
  }
  records::DailyStore store() const { return store(folder.path() + "/quillop"); }
  std::string file() const { return folder.path() + "/quillop/daily.txt"; }
  void writeFile(const std::string& text) const {
    fs::create_directories(folder.path() + "/quillop");
    folder.write("quillop/daily.txt", text);
  }

  support::TempFolder folder;
};

TEST_F(DailyStoreTest, TheFirstGameOfADateCountsAndLaterOnesArePractice) {
  records::DailyStore first = store();
  records::DailyPlay counted(first, kToday);
  EXPECT_FALSE(counted.practice());
  EXPECT_EQ(counted.code(), rules::dailyGameCode(kToday));
  counted.countRound({3, 9});
  counted.countRound({1, 7});
  counted.finish(25);
  EXPECT_FALSE(counted.practice());
  EXPECT_EQ(contentsOf(file()), "Quillop daily 1\n" + lineOn(kToday, "25 2 3/9 1/7"));
  EXPECT_EQ(first.takeNotice(), "");

  records::DailyPlay again(first, kToday);
  EXPECT_TRUE(again.practice());
  again.countRound({9, 9});
  again.finish(99);
  records::DailyStore next = store();
  ASSERT_EQ(next.results().size(), 1U);
  EXPECT_EQ(next.results()[0].score, 25U);
  EXPECT_TRUE(records::DailyPlay(next, kToday).practice());
}

// Another copy of the program that kept the date's result while this game
// was played wins: this game turns out to be practice.
TEST_F(DailyStoreTest, AResultKeptMeanwhileByAnotherCopyWins) {
  records::DailyStore mine = store();
  records::DailyPlay play(mine, kToday);
  records::DailyStore other = store();
  EXPECT_TRUE(other.keep(Result{kToday, rules::dailyGameCode(kToday), 40, {{4, 8}}}));
  play.countRound({1, 8});
  play.finish(3);
  EXPECT_TRUE(play.practice());
  EXPECT_EQ(mine.results()[0].score, 40U);
}

TEST_F(DailyStoreTest, LinesThatMakeNoSenseAreSkippedAndTheFileAsItWasKeptAside) {
  const std::string asItWas = "Quillop daily 1\r\n" + lineOn("2026-12-05", "8 1 2/9") + "garbage\n" +
                              lineOn("2026-12-06", "9 1 3/9") + "\n";
  writeFile(asItWas);
  records::DailyStore loaded = store();
  EXPECT_EQ(loaded.results().size(), 2U);
  EXPECT_EQ(
      loaded.takeNotice(),
      "Daily results file: 1 line that made no sense skipped; the file as it was is kept as daily.txt.bad.");
  EXPECT_EQ(contentsOf(file() + ".bad"), asItWas);
  EXPECT_EQ(contentsOf(file()),
            "Quillop daily 1\n" + lineOn("2026-12-05", "8 1 2/9") + lineOn("2026-12-06", "9 1 3/9"));
  EXPECT_EQ(store().takeNotice(), "");  // set aside once, not at every reading
}

TEST_F(DailyStoreTest, AFileThatCannotBeReadOrIsNotOursIsSetAsideWhole) {
  writeFile("Quillop records 1\n60 5 2026-12-01\n");
  EXPECT_EQ(store().takeNotice(),
            "Daily results file is not in our format: kept as daily.txt.bad; daily results start anew.");
  EXPECT_EQ(contentsOf(file() + ".bad"), "Quillop records 1\n60 5 2026-12-01\n");
  fs::create_directory(file());
  records::DailyStore loaded = store();
  EXPECT_EQ(loaded.takeNotice(),
            "Daily results file is a folder: kept as daily.txt.bad.2; daily results start anew.");
  EXPECT_TRUE(fs::is_directory(file() + ".bad.2"));
  EXPECT_TRUE(loaded.keep(Result{kToday, rules::dailyGameCode(kToday), 1, {{1, 3}}}));
  EXPECT_EQ(store().results().size(), 1U);
}

// The state folder lies under the player's own, which may be named in any
// script.
TEST_F(DailyStoreTest, AFolderNamedBeyondAsciiKeepsTheResults) {
  const std::string place = folder.path() + "/\xe6\x97\xa5\xe6\x9c\xac Jos\xc3\xa9/quillop";
  records::DailyStore first = store(place);
  EXPECT_TRUE(first.keep(Result{kToday, rules::dailyGameCode(kToday), 25, {{3, 9}}}));
  EXPECT_TRUE(fs::is_regular_file(platform::pathOfName(place + "/daily.txt")));
  EXPECT_EQ(store(place).results().size(), 1U);
}

TEST_F(DailyStoreTest, AFolderThatCannotBeWrittenKeepsTheResultForThisRun) {
  folder.write("blocked", "a file where the folder should be");
  for (const std::string& place : {folder.path() + "/blocked/quillop", std::string()}) {
    records::DailyStore unsaved = store(place);
    records::DailyPlay play(unsaved, kToday);
    play.countRound({2, 5});
    play.finish(6);
    EXPECT_FALSE(play.practice());
    EXPECT_EQ(unsaved.takeNotice().substr(0, 31), "Daily results cannot be saved (") << place;
    EXPECT_TRUE(records::DailyPlay(unsaved, kToday).practice());
    EXPECT_EQ(rules::streaksOf(unsaved.results(), kToday).current, 1U);
  }
}

}  // namespace
