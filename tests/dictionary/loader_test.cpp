#include "dictionary/loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "support/load_recorder.h"
#include "support/temp_folder.h"

namespace {

using namespace std::string_literals;

const std::string kQuietDone = "DONE!" + std::string(38, ' ') + "\r\n";
const std::string kBackspaces(31, '\b');

std::vector<std::string> bucketWords(const containers::WordTable& table, uint32_t bucket) {
  std::vector<std::string> words;
  for (const auto* node = table.buckets[bucket].head; node != nullptr; node = node->next) {
    words.push_back(node->element);
  }
  return words;
}

// Every word in the table, each bucket walked from its head, buckets in order.
std::vector<std::string> tableWords(const containers::WordTable& table) {
  std::vector<std::string> words;
  for (uint32_t i = 0; i < table.size; ++i) {
    std::vector<std::string> bucket = bucketWords(table, i);
    words.insert(words.end(), bucket.begin(), bucket.end());
  }
  return words;
}

// Words of 3 to 6 letters counted in base 26, so many share a bucket.
std::string nthWord(size_t n) {
  std::string word(3 + n % 4, 'a');
  for (size_t i = 0; i < word.size(); ++i, n /= 26) word[i] = static_cast<char>('a' + n % 26);
  return word;
}

std::vector<std::string> sorted(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  return words;
}

class LoaderTest : public ::testing::Test {
 protected:
  bool load(std::string_view contents, bool verbose = false) {
    return dictionary::loadDictionary(folder.write("words.txt", contents), table, verbose, told);
  }

  support::TempFolder folder;
  support::LoadRecorder told;
  containers::WordTable table;
};

TEST_F(LoaderTest, QuietModeWritesOneLine) {
  ASSERT_TRUE(load("cat\ndogs\na\ndon't\nelephant\n"));
  EXPECT_EQ(told.output(), "Loading and hashing... " + kQuietDone);
  EXPECT_EQ(sorted(tableWords(table)), (std::vector<std::string>{"cat", "dogs"}));
}

TEST_F(LoaderTest, VerboseModeOverwritesOneProgressTextPerWord) {
  ASSERT_TRUE(load("cat\ndogs\na\ndon't\nelephant\n", true));
  EXPECT_EQ(told.output(),
            "Loading and hashing"
            ": Word # 1      - cat    (338 )" +
                kBackspaces + ": Word # 2      - dogs   (378 )" + kBackspaces +
                ": DONE! (Total usable words: 2 of 5)\r\n");
  EXPECT_EQ(told.row(0), "Loading and hashing: DONE! (Total usable words: 2 of 5)");
}

// Past 999,999 words the count takes seven digits and the text a byte more:
// the cursor must still come back to the colon, word after word.
TEST_F(LoaderTest, VerboseProgressPastSixDigitsStaysInPlace) {
  std::string words;
  for (uint32_t n = 0; n < 1000003; ++n) {
    for (uint32_t rest = n, letter = 0; letter < 5; ++letter, rest /= 26)
      words += static_cast<char>('a' + rest % 26);
    words += '\n';
  }
  ASSERT_TRUE(load(words, true));
  EXPECT_EQ(told.row(0), "Loading and hashing: DONE! (Total usable words: 1000003 of 1000003)");
}

TEST_F(LoaderTest, EmptyFile) {
  ASSERT_TRUE(load(""));
  EXPECT_EQ(told.output(), "Loading and hashing... " + kQuietDone);
  ASSERT_TRUE(load("", true));
  EXPECT_EQ(told.row(1), "Loading and hashing: DONE! (Total usable words: 0 of 0)");
  EXPECT_TRUE(tableWords(table).empty());
}

TEST_F(LoaderTest, WhichLinesBecomeWords) {
  struct Case {
    const char* name;
    std::string contents;
    std::vector<std::string> words;
    const char* totals;
  };
  const std::vector<Case> cases{
      {"no final line feed", "cat\ndogs\na\ndon't\nelephant", {"cat", "dogs"}, "2 of 4"},
      {"CR LF line ends", "cat\r\ndogs\r\na\r\ndon't\r\nelephant\r\n", {"cat", "dogs"}, "2 of 5"},
      {"lengths 2, 3, 6 and 7", "ab\nabc\nabcdef\nabcdefg\n", {"abc", "abcdef"}, "2 of 4"},
      {"six letters and a CR", "abcdef\r\nabcdefg\r\n", {"abcdef"}, "1 of 2"},
      {"apostrophes", "don't\nit's\n'em\n", {}, "0 of 3"},
      {"control bytes", "ca\tt\n\x1b[2J\nab\x7f\na\0b\nc\rat\ncat\r\r\n"s, {}, "0 of 6"},
      {"blanks and capitals", "ad hoc\nParis\n 12 \n", {" 12 ", "Paris", "ad hoc"}, "3 of 3"},
      {"duplicates", "cat\ncat\n", {"cat", "cat"}, "2 of 2"},
      {"empty lines", "\n\n\r\n", {}, "0 of 3"},
      {"bytes above 127", "caf\xc3\xa9\n", {"caf\xc3\xa9"}, "1 of 1"},
      {"a carriage return last", "cat\r", {}, "0 of 0"},
  };
  for (const Case& c : cases) {
    support::LoadRecorder captured;
    containers::WordTable fresh;
    ASSERT_TRUE(dictionary::loadDictionary(folder.write("case.txt", c.contents), fresh, true, captured))
        << c.name;
    EXPECT_EQ(sorted(tableWords(fresh)), c.words) << c.name;
    std::string totals = ": DONE! (Total usable words: " + std::string(c.totals) + ")\r\n";
    EXPECT_TRUE(captured.output().ends_with(totals)) << c.name << ": " << captured.output();
  }
}

TEST_F(LoaderTest, EachWordGoesToTheHeadOfItsBucket) {
  ASSERT_TRUE(load("act\ncat\nplan\ntac\n"));
  const auto& bucket = table.buckets[338];
  EXPECT_EQ(bucket.count, 3U);
  EXPECT_EQ(bucket.head->element, "tac");
  EXPECT_EQ(bucket.head->next->element, "cat");
  EXPECT_EQ(bucket.head->next->next->element, "act");
  EXPECT_EQ(table.find("plan"), 381);
}

// Over a megabyte, so many chunk ends fall inside lines of every kind.
TEST_F(LoaderTest, TableFromAFileEqualsOneBuiltWordByWord) {
  containers::WordTable direct;
  std::string contents;
  for (size_t n = 0; n < 150'000; ++n) {
    const std::string word = nthWord(n);
    contents += word + (n % 3 == 0 ? "\r\n" : "\n");
    // Lines passed over: too short, too long, or 3 to 6 bytes with an apostrophe.
    if (n % 5 == 0) contents += std::string(n % 13 < 3 ? n % 13 : n % 13 + 4, 'z') + "\n";
    if (n % 7 == 0) contents += word.substr(1) + "'\r\n";
    direct.buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
  }
  ASSERT_TRUE(load(contents));
  for (uint32_t bucket = 0; bucket < direct.size; ++bucket) {
    ASSERT_EQ(bucketWords(table, bucket), bucketWords(direct, bucket)) << "bucket " << bucket;
    ASSERT_EQ(table.buckets[bucket].count, direct.buckets[bucket].count) << "bucket " << bucket;
  }
}

// A filler line moves the same lines across the end of the first chunk, one
// byte at a time, so it cuts each of them at every offset.
TEST_F(LoaderTest, LinesCutByTheChunkEndAtEveryOffset) {
  const std::string lines = "cat\r\nab\nabcdef\r\nabcdefg\ndon't\n";
  for (size_t shift = 0; shift <= lines.size(); ++shift) {
    support::LoadRecorder captured;
    containers::WordTable fresh;
    std::string contents(dictionary::kLoaderChunkBytes - 1 - shift, 'x');
    contents += '\n';
    ASSERT_TRUE(dictionary::loadDictionary(folder.write("cut.txt", contents + lines), fresh, true, captured));
    EXPECT_EQ(sorted(tableWords(fresh)), (std::vector<std::string>{"abcdef", "cat"})) << "shift " << shift;
    EXPECT_TRUE(captured.output().ends_with("(Total usable words: 2 of 6)\r\n")) << "shift " << shift;
  }
}

TEST_F(LoaderTest, AVeryLongLineIsPassedOver) {
  ASSERT_TRUE(load("cat\n" + std::string(3'000'000, 'x') + "\ndog\n", true));
  EXPECT_EQ(sorted(tableWords(table)), (std::vector<std::string>{"cat", "dog"}));
  EXPECT_EQ(told.row(0), "Loading and hashing: DONE! (Total usable words: 2 of 3)");
}

TEST_F(LoaderTest, MissingFile) {
  EXPECT_FALSE(dictionary::loadDictionary(folder.path() + "/absent.txt", table, false, told));
  EXPECT_EQ(told.output(), "Error: File not found (No such file or directory)\r\n");
  EXPECT_TRUE(tableWords(table).empty());
}

TEST_F(LoaderTest, DirectoryIsNoReadableFile) {
  EXPECT_FALSE(dictionary::loadDictionary(folder.path(), table, true, told));
  EXPECT_EQ(told.output(), "Error: File not found (Is a directory)\r\n");
}

// Reading a process's own memory at address 0 fails with an I/O error once
// the file is open: a read error that is not the end of the file.
TEST_F(LoaderTest, ReadErrorIsNoSuccess) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no /proc (under Wine the name reaches the host's, which fails otherwise)";
#endif
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc on this system";
  EXPECT_FALSE(dictionary::loadDictionary("/proc/self/mem", table, false, told));
  EXPECT_EQ(told.output(),
            "Loading and hashing... \r\nError: Could not read the dictionary (Input/output error)\r\n");
}

int32_t hashThatRunsOutOfMemory(const containers::ShortWord&) { throw std::bad_alloc(); }

TEST_F(LoaderTest, RunningOutOfMemoryWhileReadingIsReported) {
  table.hash = hashThatRunsOutOfMemory;
  EXPECT_FALSE(load("cat\n"));
  EXPECT_EQ(told.output(), "Loading and hashing... \r\nUnknown Error in File Read\r\n");
}

}  // namespace
