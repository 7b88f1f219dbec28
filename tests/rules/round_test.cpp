#include "rules/round.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/letters.h"
#include "rules/round_end.h"

namespace rules {
namespace {

using Words = std::vector<std::string>;

// A round played on its rules alone: no terminal, no clock. Each
// dictionary has one six-letter word, so every round deals its letters.
class RoundRulesTest : public ::testing::Test {
 protected:
  RoundRulesTest() { game.timeToPlay = 30; }

  Round deal(const Words& words, uint32_t number = 1, bool listWords = true) {
    for (const std::string& word : words) {
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
    }
    return Round(game, "ABC123", number, listWords);
  }
  void typeAll(Round& round, const std::string& letters) {
    for (char letter : letters) round.type(std::string(1, letter));
  }
  Submission submitTyped(Round& round, const std::string& letters) {
    typeAll(round, letters);
    return round.submit();
  }
  size_t used() const {
    return static_cast<size_t>(std::count(game.letterUsed.begin(), game.letterUsed.end(), true));
  }

  dictionary::ScopedLetterRule characters{dictionary::LetterRule::kCharacters};
  game_record::WordGame game;
};

const Words kPlanet = {"planet", "platen", "plane", "plate", "plan", "ant", "tan", "lap"};

TEST_F(RoundRulesTest, DealsTheWordShuffledWithNothingTyped) {
  Round round = deal(kPlanet);
  std::string letters = game.mangledWord;
  std::sort(letters.begin(), letters.end());
  EXPECT_EQ(letters, "aelnpt");
  EXPECT_TRUE(round.word() == "planet" || round.word() == "platen");
  EXPECT_EQ(round.shownLetters().size(), 6u);
  EXPECT_EQ(round.typedInput(), "");
  EXPECT_EQ(used(), 0u);
}

TEST_F(RoundRulesTest, TypeTakeBackAndReshuffle) {
  Round round = deal(kPlanet);
  EXPECT_TRUE(round.type("p"));
  EXPECT_TRUE(round.type("l"));
  EXPECT_FALSE(round.type("x"));
  EXPECT_FALSE(round.type("P"));  // a capital does not type its small letter
  EXPECT_EQ(round.typedInput(), "pl");
  EXPECT_EQ(used(), 2u);
  round.takeBack();
  EXPECT_EQ(round.typedInput(), "p");
  EXPECT_EQ(used(), 1u);
  round.reshuffle();
  EXPECT_EQ(round.typedInput(), "");
  EXPECT_EQ(used(), 0u);
  std::string letters = game.mangledWord;
  std::sort(letters.begin(), letters.end());
  EXPECT_EQ(letters, "aelnpt");
  round.takeBack();  // nothing to take back
  EXPECT_EQ(round.typedInput(), "");
}

// Length in letters first, then the dictionary, then the words found.
TEST_F(RoundRulesTest, SubmitGivesEachVerdictAndClearsTheInput) {
  Round round = deal(kPlanet);
  EXPECT_EQ(round.submit().verdict, Verdict::kTooShort);
  EXPECT_EQ(submitTyped(round, "an").verdict, Verdict::kTooShort);
  EXPECT_EQ(submitTyped(round, "pat").verdict, Verdict::kNotInDictionary);
  const Submission ant = submitTyped(round, "ant");
  EXPECT_EQ(ant.verdict, Verdict::kAccepted);
  EXPECT_EQ(ant.word, "ant");
  EXPECT_EQ(ant.points, 1u);
  EXPECT_FALSE(ant.sixLetters);
  const Submission again = submitTyped(round, "ant");
  EXPECT_EQ(again.verdict, Verdict::kFoundBefore);
  EXPECT_EQ(again.points, 0u);
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(round.typedInput(), "");
  EXPECT_EQ(used(), 0u);
  EXPECT_FALSE(round.passed());
}

TEST_F(RoundRulesTest, RoundNumberMultipliesThePointsAndEverySixLetterWordScores) {
  EXPECT_EQ(pointsOfRound(2), (PointValues{2, 6, 12, 20}));
  Round round = deal(kPlanet, 3);
  game.score = 5;  // a round adds to the game's score
  EXPECT_EQ(submitTyped(round, "lap").points, 3u);
  EXPECT_EQ(submitTyped(round, "plan").points, 9u);
  EXPECT_EQ(submitTyped(round, "plane").points, 18u);
  const Submission first = submitTyped(round, "planet");
  EXPECT_EQ(first.points, 30u);
  EXPECT_TRUE(first.sixLetters);
  EXPECT_TRUE(round.passed());
  EXPECT_TRUE(submitTyped(round, "platen").sixLetters);
  EXPECT_EQ(game.score, 5u + 3 + 9 + 18 + 30 + 30);
}

TEST_F(RoundRulesTest, ALetterShownTwiceTypesTwiceAndBackspaceFreesItsFirstPlace) {
  Round round = deal({"bottle", "tot"});
  EXPECT_TRUE(round.type("o"));
  EXPECT_TRUE(round.type("t"));
  EXPECT_TRUE(round.type("t"));
  EXPECT_FALSE(round.type("t"));
  round.takeBack();
  const size_t firstT = game.mangledWord.find('t');
  const size_t secondT = game.mangledWord.find('t', firstT + 1);
  EXPECT_FALSE(game.letterUsed[firstT]);
  EXPECT_TRUE(game.letterUsed[secondT]);
  EXPECT_EQ(round.typedInput(), "ot");
}

TEST_F(RoundRulesTest, TimeLeftAndTheEndComeFromTheMillisecondsPassed) {
  Round round = deal(kPlanet);
  EXPECT_EQ(round.secondsLeft(0), 30u);
  EXPECT_EQ(round.secondsLeft(999), 30u);
  EXPECT_EQ(round.secondsLeft(29999), 1u);
  EXPECT_FALSE(round.ended(29999));
  EXPECT_TRUE(round.ended(30000));
  submitTyped(round, "planet");  // a six-letter word does not end it early
  EXPECT_FALSE(round.ended(1000));
}

TEST_F(RoundRulesTest, CountsByLengthAndTheEndForgetsTheWordsFound) {
  Round round = deal(kPlanet);
  submitTyped(round, "tan");
  submitTyped(round, "plane");
  const auto counts = round.counts();
  EXPECT_EQ(counts[0].found, 1u);
  EXPECT_EQ(counts[0].there, 3u);  // ant, lap, tan
  EXPECT_EQ(counts[2].found, 1u);
  EXPECT_EQ(counts[3].there, 2u);
  round.finish();
  EXPECT_EQ(foundWordCount(game), 0u);
  EXPECT_EQ(game.score, 7u);
}

TEST_F(RoundRulesTest, TheEndSaysTheWordTheCodeAndWhichWordsWereFound) {
  Round round = deal({"planet", "ant", "tan"});
  submitTyped(round, "tan");
  const auto review = reviewWords(game, round.words());
  ASSERT_EQ(review[0].size(), 2u);
  EXPECT_EQ(review[0][0].text, "ant");
  EXPECT_FALSE(review[0][0].found);
  EXPECT_TRUE(review[0][1].found);
  EXPECT_TRUE((RoundEnd{false, "planet", "ABC123", false}.tellsGameCode()));
  EXPECT_FALSE((RoundEnd{true, "planet", "ABC123", false}.tellsGameCode()));
  EXPECT_FALSE((RoundEnd{false, "planet", "", false}.tellsGameCode()));
}

// A letter and a typed key match whichever canonical form each uses: a
// list in decomposed form takes é typed as one character, and a list in
// composed form takes e and its accent typed one after the other.
TEST_F(RoundRulesTest, ALetterMatchesInEitherCanonicalForm) {
  Round decomposedList = deal({"e\u0301tudes"});
  EXPECT_TRUE(decomposedList.type("\u00E9"));
  EXPECT_EQ(decomposedList.typedInput(), "e\u0301");
  game.dictionary = std::make_unique<containers::WordTable>();
  Round composedList = deal({"\u00E9tal\u00E9s"});
  EXPECT_TRUE(composedList.type("s"));
  EXPECT_FALSE(composedList.type("e"));  // no plain e on show
  EXPECT_TRUE(composedList.type("\u0301"));
  EXPECT_EQ(composedList.typedInput(), "s\u00E9");
  EXPECT_FALSE(composedList.type("\u0301"));  // a second accent joins nothing
  EXPECT_EQ(composedList.typedInput(), "s\u00E9");
}

// An accent typed after a plain letter turns it into the accented letter
// on show, or leaves it as it was; Backspace forgets a letter that typed
// nothing, so a later accent does not join it.
TEST_F(RoundRulesTest, AnAccentJoinsTheLetterBeforeIt) {
  Round round = deal({"\u00E9t\u00E9ens"});  // é, t, é, e, n and s
  EXPECT_TRUE(round.type("t"));
  EXPECT_FALSE(round.type("\u0301"));  // t with an accent is not on show
  EXPECT_EQ(round.typedInput(), "t");
  EXPECT_TRUE(round.type("e"));
  EXPECT_TRUE(round.type("\u0301"));
  EXPECT_EQ(round.typedInput(), "t\u00E9");
  round.takeBack();
  round.takeBack();
  EXPECT_FALSE(round.type("x"));
  round.takeBack();
  EXPECT_FALSE(round.type("\u0301"));
  EXPECT_EQ(round.typedInput(), "");
}

// A letter is typed by its first character, compared as shown; a
// command's letter is never typed.
TEST_F(RoundRulesTest, WhichTextTypesWhichLetter) {
  EXPECT_TRUE(types("e", "e\u0301"));
  EXPECT_FALSE(types("e", "é"));
  EXPECT_TRUE(types("é", "\xE9"));  // a Latin-1 letter by its character
  EXPECT_TRUE(types("é", "é"));
  EXPECT_FALSE(types("", "e"));
  EXPECT_FALSE(types(" ", " "));
  const dictionary::ScopedLetterRule bytes(dictionary::LetterRule::kBytes);
  EXPECT_TRUE(types("\xC3", "\xC3"));
  EXPECT_FALSE(types("é", "\xE9"));
}

}  // namespace
}  // namespace rules
