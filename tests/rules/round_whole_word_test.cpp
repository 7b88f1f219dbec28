#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/letters.h"
#include "rules/round.h"

namespace rules {
namespace {

// Words submitted whole, as line mode reads them.
class WholeWordTest : public ::testing::Test {
 protected:
  Round deal(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
    return Round(game, "ABC123", 1, true);
  }

  dictionary::ScopedLetterRule characters{dictionary::LetterRule::kCharacters};
  game_record::WordGame game;
};

TEST_F(WholeWordTest, EachVerdictWithNotFromTheseLettersAfterTooShort) {
  Round round = deal({"planet", "plane", "ant", "pat"});
  EXPECT_EQ(round.submitWord("ant").verdict, Verdict::kAccepted);
  EXPECT_EQ(game.score, 1U);
  EXPECT_EQ(round.submitWord("ant").verdict, Verdict::kFoundBefore);
  EXPECT_EQ(round.submitWord("tent").verdict, Verdict::kNotFromLetters);   // one t is shown
  EXPECT_EQ(round.submitWord("plaza").verdict, Verdict::kNotFromLetters);  // z is not on show
  EXPECT_EQ(round.submitWord("zz").verdict, Verdict::kTooShort);
  EXPECT_EQ(round.submitWord("an").verdict, Verdict::kTooShort);
  EXPECT_EQ(round.submitWord("lap").verdict, Verdict::kNotInDictionary);
  EXPECT_EQ(round.submitWord("planets").verdict, Verdict::kNotFromLetters);
  EXPECT_EQ(round.typedInput(), "");
  EXPECT_FALSE(game.letterUsed[0] || game.letterUsed[1] || game.letterUsed[5]);
}

TEST_F(WholeWordTest, ALetterTwiceNeedsItShownTwice) {
  Round round = deal({"planet", "plan", "pap"});
  EXPECT_EQ(round.submitWord("pap").verdict, Verdict::kNotFromLetters);
  EXPECT_EQ(round.submitWord("plan").verdict, Verdict::kAccepted);
}

TEST_F(WholeWordTest, EitherCaseTypesTheListsLettersAndSubmitsItsForm) {
  Round round = deal({"planet", "plane"});
  const Submission submission = round.submitWord("PlAnE");
  EXPECT_EQ(submission.verdict, Verdict::kAccepted);
  EXPECT_EQ(submission.word, "plane");
  const Submission six = round.submitWord("PLANET");
  EXPECT_EQ(six.verdict, Verdict::kAccepted);
  EXPECT_TRUE(six.sixLetters);
  EXPECT_TRUE(round.passed());
}

// Capitals past ASCII find the list's small letters, in either canonical
// form and mixed with small ones; the word submitted is the list's.
TEST_F(WholeWordTest, AccentedCapitalsTypeTheListsSmallLetters) {
  Round round = deal({"\u00E9toile", "ol\u00E9", "toile"});
  const Submission ole = round.submitWord("OL\u00C9");
  EXPECT_EQ(ole.verdict, Verdict::kAccepted);
  EXPECT_EQ(ole.word, "ol\u00E9");
  EXPECT_EQ(round.submitWord("TOILE").verdict, Verdict::kAccepted);
  const Submission six = round.submitWord("E\u0301TOILE");  // É as E and its accent
  EXPECT_EQ(six.verdict, Verdict::kAccepted);
  EXPECT_TRUE(six.sixLetters);
  EXPECT_EQ(round.submitWord("\u00C9toile").verdict, Verdict::kFoundBefore);
  EXPECT_EQ(round.submitWord("OL\u00C8").verdict, Verdict::kNotFromLetters);  // È is not on show
}

// The classic game's letters are bytes: only ASCII bytes fold, so a
// Latin-1 capital does not type its small letter.
TEST(WholeWordBytesTest, ClassicGameFoldsOnlyAscii) {
  const dictionary::ScopedLetterRule bytes(dictionary::LetterRule::kBytes);
  game_record::WordGame game;
  for (const std::string word : {"\xE9toile", "ol\xE9"}) {
    game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
  }
  Round round(game, "ABC123", 1, true);
  EXPECT_EQ(round.submitWord("OL\xC9").verdict, Verdict::kNotFromLetters);
  EXPECT_EQ(round.submitWord("OL\u00C9").verdict, Verdict::kNotFromLetters);
  EXPECT_EQ(round.submitWord("OL\xE9").verdict, Verdict::kAccepted);
  EXPECT_EQ(round.submitWord("\xE9TOILE").verdict, Verdict::kAccepted);
}

}  // namespace
}  // namespace rules
