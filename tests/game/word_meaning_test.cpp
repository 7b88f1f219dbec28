#include "game/word_meaning.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace game {

namespace {

using Rows = std::vector<std::string>;

TEST(WordMeaning, TextNamesTheBaseAndNumbersTwoSenses) {
  support::TempFolder folder;
  std::string path = folder.write("engldict.meanings",
                                  "planes\tplane\tn\tan aircraft\n"
                                  "abate\t\tv\tmake less active\tbecome less\n");
  dictionary::MeaningsOnDemand meanings([&] { return path; });
  EXPECT_EQ(meaningText("planes", meanings), "planes (plane, noun): an aircraft");
  EXPECT_EQ(meaningText("abate", meanings), "abate (verb): 1. make less active 2. become less");
  EXPECT_EQ(meaningText("ought", meanings), "ought: no meaning on file");

  dictionary::MeaningsOnDemand missing([&] { return folder.path() + "/none"; });
  EXPECT_EQ(meaningText("ought", missing),
            "ought: no meaning on file (the file of meanings could not be read)");
}

TEST(WordMeaning, AFileThatHoldsNoMeaningIsNotCalledUnreadable) {
  support::TempFolder folder;
  dictionary::MeaningsOnDemand inFolder([&] { return folder.path(); });
  EXPECT_EQ(meaningText("ought", inFolder),
            "ought: no meaning on file (the file of meanings could not be read)");
  std::string empty = folder.write("empty.meanings", "");
  dictionary::MeaningsOnDemand holdsNone([&] { return empty; });
  EXPECT_EQ(meaningText("ought", holdsNone), "ought: no meaning on file (the file of meanings holds none)");
}

TEST(WordMeaning, AWordOfAListInAnotherLanguageHasNoMeaningOnFile) {
  support::TempFolder folder;
  std::string path = folder.write("engldict.meanings", "air\t\tn\ta mixture of gases\n");
  dictionary::MeaningsOnDemand meanings([&] { return path; },
                                        [](size_t) {
                                          return std::vector<std::string>{"air", "avion", "maison", "bateau"};
                                        });
  EXPECT_EQ(meaningText("air", meanings), "air: no meaning on file");
}

TEST(WordMeaning, RowsBreakAtBlanksAndACutEndsInDots) {
  EXPECT_EQ(wrapRows("one two three", 9, 2), (Rows{"one two", "three"}));
  EXPECT_EQ(wrapRows("one two", 7, 2), (Rows{"one two"}));
  EXPECT_EQ(wrapRows("one two three four", 9, 2), (Rows{"one two", "three..."}));
  EXPECT_EQ(wrapRows("one two three", 9, 1), (Rows{"one..."}));
  EXPECT_EQ(wrapRows("abcdefghijkl", 5, 2), (Rows{"abcde", "fg..."}));
  EXPECT_EQ(wrapRows("", 9, 2), Rows{});
}

}  // namespace

}  // namespace game
