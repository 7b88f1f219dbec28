#include "dictionary/meanings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

using dictionary::Meaning;
using dictionary::Meanings;

constexpr const char* kSample =
    "# a comment\n"
    "plane\t\tn\tan aircraft that has a fixed wing\n"
    "planes\tplane\tn\tan aircraft that has a fixed wing\n"
    "walked\twalk\tv\tuse one's feet to advance\taccompany or escort\r\n"
    "mice\tmouse\tn\tany of numerous small rodents\n";

TEST(Meanings, AnInflectedFormNamesItsBaseAndEveryFieldIsRead) {
  Meanings meanings;
  meanings.parse(kSample);
  EXPECT_EQ(meanings.size(), 4u);
  std::optional<Meaning> planes = meanings.find("planes");
  ASSERT_TRUE(planes);
  EXPECT_EQ(planes->base, "plane");
  EXPECT_EQ(planes->partOfSpeech, "noun");
  EXPECT_EQ(planes->gloss, "an aircraft that has a fixed wing");
  EXPECT_EQ(planes->secondGloss, "");
  EXPECT_EQ(meanings.find("plane")->base, "");
  // A line end carried over from a Windows checkout is not part of a gloss.
  EXPECT_EQ(meanings.find("walked")->secondGloss, "accompany or escort");
  EXPECT_EQ(meanings.find("walked")->partOfSpeech, "verb");
  EXPECT_EQ(meanings.find("mice")->base, "mouse");
  EXPECT_FALSE(meanings.find("ought"));
  EXPECT_FALSE(meanings.find("plan"));
}

// Every line here is wrong in its own way; the good ones around them count,
// whatever their order, and of two lines for a word the first.
TEST(Meanings, LinesThatMakeNoSenseAreSkipped) {
  Meanings meanings;
  meanings.parse(
      "zebra\t\tn\ta striped horse\n"
      "\n"
      "no fields at all\n"
      "ant\t\tx\tan unknown part of speech\n"
      "ant\t\tn\t\n"
      "\t\tn\ta gloss without a word\n"
      "ant\t\tn\tone\ttwo\tthree\n"
      "ant\t\tn\tcontrol \x01 byte\n"
      "ant\t\tn\tsocial insect\n"
      "ant\t\tn\ta later line for the same word\n"
      "cut\t\tv");
  EXPECT_EQ(meanings.size(), 2u);
  EXPECT_EQ(meanings.find("ant")->gloss, "social insect");
  EXPECT_EQ(meanings.find("zebra")->gloss, "a striped horse");
  EXPECT_FALSE(meanings.find("cut"));
}

TEST(Meanings, AMissingFileHoldsNothing) {
  support::TempFolder folder;
  Meanings meanings;
  EXPECT_FALSE(meanings.read(folder.path() + "/missing.meanings"));
  EXPECT_EQ(meanings.size(), 0u);
  EXPECT_FALSE(meanings.find("plane"));
  EXPECT_TRUE(meanings.read(folder.write("engldict.meanings", kSample)));
  EXPECT_EQ(meanings.size(), 4u);
}

TEST(MeaningsOnDemand, TheFileIsLookedForAndReadOnlyAtTheFirstLookup) {
  support::TempFolder folder;
  std::string path = folder.write("engldict.meanings", kSample);
  int located = 0;
  dictionary::MeaningsOnDemand meanings([&] {
    ++located;
    return path;
  });
  EXPECT_EQ(located, 0);
  EXPECT_EQ(meanings.find("mice")->base, "mouse");
  EXPECT_TRUE(meanings.onFile());
  EXPECT_FALSE(meanings.find("ought"));
  EXPECT_EQ(located, 1);

  dictionary::MeaningsOnDemand missing([&] { return folder.path() + "/none"; });
  EXPECT_FALSE(missing.find("mice"));
  EXPECT_FALSE(missing.onFile());
}

// Reading a folder as a file once asked for a string of an absurd size.
TEST(Meanings, AFolderOrAFileTooLargeIsNotRead) {
  support::TempFolder folder;
  Meanings meanings;
  EXPECT_FALSE(meanings.read(folder.path()));
  EXPECT_EQ(meanings.size(), 0u);
  const std::string large = folder.write("engldict.meanings", kSample);
  std::filesystem::resize_file(large, Meanings::kLargestFile + 1);  // sparse: no time nor disk taken
  EXPECT_FALSE(meanings.read(large));
  EXPECT_EQ(meanings.size(), 0u);
}

using dictionary::MeaningsFile;
using dictionary::MeaningsOnDemand;

MeaningsFile fileOf(const std::string& path, MeaningsOnDemand::WordSample sample = {}) {
  MeaningsOnDemand meanings([&] { return path; }, std::move(sample));
  return meanings.file();
}

TEST(MeaningsOnDemand, WhatBecameOfTheFileTellsUnreadableFromEmpty) {
  support::TempFolder folder;
  EXPECT_EQ(fileOf(folder.write("engldict.meanings", kSample)), MeaningsFile::kUsed);
  EXPECT_EQ(fileOf(folder.path() + "/none"), MeaningsFile::kUnreadable);
  EXPECT_EQ(fileOf(folder.path()), MeaningsFile::kUnreadable);
  EXPECT_EQ(fileOf(folder.write("empty.meanings", "")), MeaningsFile::kHoldsNone);
  EXPECT_EQ(fileOf(folder.write("garbage.meanings", std::string("\x7f"
                                                                "ELF\x02\x01\0\0 no tabs\n",
                                                                17))),
            MeaningsFile::kHoldsNone);
  EXPECT_EQ(fileOf(folder.write("comments.meanings", "# word meanings\n")), MeaningsFile::kHoldsNone);
}

// kSample explains plane, planes, walked and mice.
TEST(MeaningsOnDemand, AWordListMostlyExplainedHasItsMeanings) {
  support::TempFolder folder;
  std::string path = folder.write("engldict.meanings", kSample);
  size_t asked = 0;
  MeaningsOnDemand meanings([&] { return path; },
                            [&](size_t most) {
                              asked = most;
                              return std::vector<std::string>{"plane", "planes", "walked", "ought", "thee"};
                            });
  EXPECT_EQ(asked, 0u);
  EXPECT_EQ(meanings.find("mice")->base, "mouse");
  EXPECT_EQ(asked, MeaningsOnDemand::kWordsSampled);
  EXPECT_TRUE(meanings.onFile());
  // One word in three is enough; a sample of nothing judges nothing.
  auto sampleOf = [](const std::vector<std::string>& words) { return [words](size_t) { return words; }; };
  EXPECT_EQ(fileOf(path, sampleOf({"plane", "ought", "thee"})), MeaningsFile::kUsed);
  EXPECT_EQ(fileOf(path, sampleOf({})), MeaningsFile::kUsed);
}

TEST(MeaningsOnDemand, AListInAnotherLanguageHasNone) {
  support::TempFolder folder;
  std::string path =
      folder.write("engldict.meanings", "air\t\tn\ta mixture of gases\npar\t\tn\tthe standard score\n");
  // Two words in seven: French words that are English words too.
  MeaningsOnDemand meanings([&] { return path; },
                            [](size_t) {
                              return std::vector<std::string>{"air",     "par",    "avion", "maison",
                                                              "voiture", "chaise", "bateau"};
                            });
  EXPECT_FALSE(meanings.find("air"));
  EXPECT_FALSE(meanings.find("par"));
  EXPECT_FALSE(meanings.onFile());
  EXPECT_EQ(meanings.file(), MeaningsFile::kForOtherWords);
}

}  // namespace
