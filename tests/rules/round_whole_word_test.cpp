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

}  // namespace
}  // namespace rules
