#include "records/lasting_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "records/lenient_text.h"
#include "support/temp_folder.h"

// The machine every lasting file shares, tried once through a kind of file
// of its own: a header and a word a line, the words kept in order. Without
// forked rivals, so the Windows build runs these too.
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

struct WordsKind {
  using Contents = Words;
  using Addition = std::string;
  using Verdict = bool;
  static constexpr records::FileKind kFile{"words.txt", "Words file", "words start anew", "Words", 4096};

  static std::optional<records::Parsed<Words>> parse(std::string_view text) {
    const std::vector<std::string_view> lines = records::textLines(text);
    if (lines.empty() || lines.front() != "Words 1") return std::nullopt;
    records::Parsed<Words> parsed;
    for (size_t i = 1; i < lines.size(); ++i) {
      const bool word =
          std::all_of(lines[i].begin(), lines[i].end(), [](char c) { return c >= 'a' && c <= 'z'; });
      if (!word || !merge(parsed.contents, std::string(lines[i]))) ++parsed.skippedLines;
    }
    return parsed;
  }
  static std::string text(const Words& words) {
    std::string text = "Words 1\n";
    for (const std::string& word : words) text += word + '\n';
    return text;
  }
  static bool merge(Words& words, const std::string& word) {
    const auto at = std::lower_bound(words.begin(), words.end(), word);
    if (at != words.end() && *at == word) return false;
    words.insert(at, word);
    return true;
  }
};

using WordsFile = records::LastingFile<WordsKind>;

std::string contentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class LastingFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<WordsFile> opened(uint32_t lockWaitMs = platform::kLockWaitMs) const {
    auto file = std::make_unique<WordsFile>(place(), lockWaitMs);
    file->load();
    return file;
  }
  std::string place() const { return folder.path() + "/state"; }
  std::string file() const { return place() + "/words.txt"; }
  void writeFile(const std::string& text) const {
    fs::create_directories(place());
    folder.write("state/words.txt", text);
  }

  support::TempFolder folder;
};

// The file is replaced whole through a new file renamed over it: nothing
// but the file and the lock is left in the folder.
TEST_F(LastingFileTest, WhatIsAddedIsWrittenWholeAndReadBack) {
  const std::unique_ptr<WordsFile> words = opened();
  EXPECT_TRUE(words->add("pear"));
  EXPECT_TRUE(words->add("apple"));
  EXPECT_FALSE(words->add("pear"));
  EXPECT_EQ(contentsOf(file()), "Words 1\napple\npear\n");
  EXPECT_EQ(namesIn(place()), (std::vector<std::string>{"records.lock", "words.txt"}));
  EXPECT_EQ(opened()->contents(), (Words{"apple", "pear"}));
  EXPECT_EQ(words->takeNotice(), "");
}

// Each add reads the file afresh under the lock, so what another copy
// added after this one loaded stays, and the verdict is on the merge.
TEST_F(LastingFileTest, AnAddMergesWithWhatAnotherCopyWroteMeanwhile) {
  const std::unique_ptr<WordsFile> mine = opened();
  const std::unique_ptr<WordsFile> other = opened();
  EXPECT_TRUE(other->add("fig"));
  EXPECT_TRUE(mine->add("kiwi"));
  EXPECT_FALSE(mine->add("fig"));
  EXPECT_EQ(mine->contents(), (Words{"fig", "kiwi"}));
  EXPECT_EQ(contentsOf(file()), "Words 1\nfig\nkiwi\n");
}

// A merge that changes nothing leaves the file as the player wrote it.
TEST_F(LastingFileTest, AMergeThatChangesNothingWritesNothing) {
  writeFile("Words 1\r\nfig\r\n");
  EXPECT_FALSE(opened()->add("fig"));
  EXPECT_EQ(contentsOf(file()), "Words 1\r\nfig\r\n");
}

// The lock held elsewhere costs a short wait, then what was added lasts
// for this run, is told once, and is written by the next add.
TEST_F(LastingFileTest, AHeldLockKeepsAdditionsForThisRunUntilTheNextAdd) {
  writeFile("Words 1\nfig\n");
  auto held = std::make_unique<platform::FileLock>(place() + "/records.lock");
  ASSERT_TRUE(held->held());
  const std::unique_ptr<WordsFile> waiting = opened(50);
  EXPECT_EQ(waiting->contents(), (Words{"fig"}));
  EXPECT_TRUE(waiting->add("kiwi"));
  EXPECT_TRUE(waiting->add("lime"));
  EXPECT_EQ(waiting->takeNotice(),
            "Words cannot be saved (records.lock is held by another program); they last until you quit.");
  EXPECT_EQ(waiting->contents(), (Words{"fig", "kiwi", "lime"}));
  EXPECT_EQ(contentsOf(file()), "Words 1\nfig\n");
  held.reset();
  EXPECT_TRUE(waiting->add("apple"));
  EXPECT_EQ(waiting->takeNotice(), "");
  EXPECT_EQ(contentsOf(file()), "Words 1\napple\nfig\nkiwi\nlime\n");
}

// Lines that make no sense are skipped, the file as it was copied aside
// once, and the file written again without them; the notice is the kind's.
TEST_F(LastingFileTest, LinesThatMakeNoSenseAreSkippedAndCopiedAsideOnce) {
  writeFile("\nWords 1\r\nfig\r\n \t\nFig!\nfig\nkiwi");
  const std::unique_ptr<WordsFile> words = opened();
  EXPECT_EQ(words->contents(), (Words{"fig", "kiwi"}));
  EXPECT_EQ(words->takeNotice(),
            "Words file: 2 lines that made no sense skipped; the file as it was is kept as words.txt.bad.");
  EXPECT_EQ(words->takeNotice(), "");
  EXPECT_EQ(contentsOf(file() + ".bad"), "\nWords 1\r\nfig\r\n \t\nFig!\nfig\nkiwi");
  EXPECT_EQ(contentsOf(file()), "Words 1\nfig\nkiwi\n");
  EXPECT_EQ(opened()->takeNotice(), "");
}

TEST_F(LastingFileTest, AFileOfAnotherKindIsSetAsideWholeInTheKindsWords) {
  writeFile("Quillop records 1\n60 5 2026-12-01\n");
  const std::unique_ptr<WordsFile> words = opened();
  EXPECT_TRUE(words->contents().empty());
  EXPECT_EQ(words->takeNotice(), "Words file is not in our format: kept as words.txt.bad; words start anew.");
  writeFile(std::string(5000, 'x'));
  EXPECT_EQ(opened()->takeNotice(), "Words file is too large: kept as words.txt.bad.2; words start anew.");
}

TEST_F(LastingFileTest, NoFolderKeepsAdditionsForThisRunOnly) {
  WordsFile nowhere("", platform::kLockWaitMs);
  nowhere.load();
  EXPECT_TRUE(nowhere.add("fig"));
  EXPECT_FALSE(nowhere.add("fig"));
  EXPECT_EQ(nowhere.contents(), (Words{"fig"}));
  EXPECT_EQ(nowhere.takeNotice(), "Words cannot be saved (no home folder); they last until you quit.");
}

}  // namespace
