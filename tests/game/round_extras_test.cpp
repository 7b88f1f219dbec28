#include "game/round_extras.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/round_fixture.h"
#include "game/round_review.h"
#include "records/store.h"
#include "support/temp_folder.h"

namespace game {

namespace game_test {
namespace {

constexpr const char* kPageDown = "\x1b[6~";
constexpr const char* kUp = "\x1b[A";
constexpr const char* kDown = "\x1b[B";
constexpr const char* kRight = "\x1b[C";
constexpr const char* kLeft = "\x1b[D";
constexpr const char* kPlanetMeanings =
    "lap\t\tn\tthe upper side of the thighs of a seated person\n"
    "plan\t\tn\ta series of steps to be carried out or goals to be accomplished\n"
    "planet\t\tn\tany of the nine large celestial bodies in the solar system that revolve around the sun and "
    "shine by reflected light\n"
    "tan\t\ta\tof a light brown to yellowish brown color\n";

std::string centred(const std::string& text) { return repeat(' ', (79 - text.size()) / 2) + text; }

std::string repeatKey(const std::string& key, size_t times) {
  std::string keys;
  for (size_t i = 0; i < times; ++i) keys += key;
  return keys;
}

class RoundExtrasTest : public RoundTest {
 protected:
  RoundExtrasTest() { extras.shown = true; }

  /// Gives the game meanings for some of planet's words.
  void useMeanings() { extras.meanings = &meanings; }

  /// The columns of row y shown in reverse video.
  std::vector<int> reverseColumns(support::FakeTerminal& shown, int y) {
    std::vector<int> columns;
    for (int x = 0; x < 80; ++x) {
      if (shown.screen().attributes(x, y).reverse) columns.push_back(x);
    }
    return columns;
  }

  support::TempFolder meaningsFolder;
  const std::string meaningsPath = meaningsFolder.write("engldict.meanings", kPlanetMeanings);
  dictionary::MeaningsOnDemand meanings{[this] { return meaningsPath; }};

  /// Types keys in the first round and more keys once it has ended; the
  /// input ends in the end-of-round wait.
  void playThenAtTheEnd(const std::string& keys, const std::string& atTheEnd) {
    terminal.typeAt(kTypingDelayMs, keys);
    terminal.typeAt(kRoundMs + kSpaceAfterRoundMs, atTheEnd);
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
  }
};

TEST_F(RoundExtrasTest, CountsAndFeedbackFollowEverySubmission) {
  struct Case {
    std::string keys;
    std::string feedback;
    std::string counts;
  };
  const std::string none = "3: 0/3   4: 0/1   5: 0/2   6: 0/1";
  const std::string oneAnt = "3: 1/3   4: 0/1   5: 0/2   6: 0/1";
  for (const Case& c : {Case{"", "", none}, Case{"ant\r", "ant: +1", oneAnt},
                        Case{"ant\rplane\r", "plane: +6", "3: 1/3   4: 0/1   5: 1/2   6: 0/1"},
                        Case{"ant\rant\r", "ant: already found this round", oneAnt},
                        Case{"ant\ran\r", "an: too short", oneAnt}, Case{"\r", "too short", none},
                        Case{"nat\r", "nat: not in the dictionary", none}}) {
    // The input ends in mid-round, before the round empties the found words.
    support::FakeTerminal caseTerminal;
    for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) game.foundWords[i].clear();
    caseTerminal.typeAt(kTypingDelayMs, c.keys);
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    EXPECT_EQ(caseTerminal.row(9), c.feedback) << c.keys;
    EXPECT_EQ(caseTerminal.row(20), centred(c.counts)) << c.keys;
  }
}

TEST_F(RoundExtrasTest, FeedbackGivesThePointsOfTheRound) {
  terminal.typeAt(kTypingDelayMs, "planet\r");
  terminal.typeAt(roundStartMs(1), " ");
  terminal.typeAt(roundStartMs(1) + kTypingDelayMs, "ant\r");
  EXPECT_THROW(playGame(game, extras), console::InputEnded);
  EXPECT_EQ(terminal.row(9), "ant: +2");
}

TEST_F(RoundExtrasTest, WShowsEveryWordWithTheFoundOnesMarked) {
  playThenAtTheEnd("ant\rplane\r", "w");
  const std::vector<std::string> expected = {" 3 Letter Words: 1 of 3",
                                             "  *ant     lap     tan",
                                             " 4 Letter Words: 0 of 1",
                                             "   plan",
                                             " 5 Letter Words: 1 of 2",
                                             "  *plane   plate",
                                             " 6 Letter Words: 0 of 1",
                                             "   planet",
                                             ""};
  EXPECT_EQ(terminal.row(2), bannerTextRow("Every word of the round: you found 2 of 7"));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(terminal.row(static_cast<int>(5 + i)), expected[i]);
  EXPECT_EQ(terminal.row(22), bannerTextRow("* marks a word you found   Arrows: move   Other keys: back"));
}

// The feedback is gone at the round's end, the counts row counts the words
// found, and the review comes and goes over the end screen.
TEST_F(RoundExtrasTest, AnyKeyLeavesTheReviewForTheEndScreenAndSpaceGoesOn) {
  terminal.typeAt(kTypingDelayMs, "ant\r");
  // A one-page review: Page Down leaves it like any other key, F1 and a
  // key with no code of its own (F13) too.
  terminal.typeAt(kRoundMs + kSpaceAfterRoundMs, std::string("W") + kPageDown + "wxW\x1bOPw\x1b[25~ ");
  EXPECT_EQ(playGame(game, extras), 1u);
  EXPECT_EQ(terminal.unreadBytes(), 0u);
  EXPECT_EQ(occurrences(terminal.output(), "Every word of the round"), 4u);
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
  EXPECT_EQ(terminal.row(5), "");
  EXPECT_EQ(terminal.row(7), inputRow(""));
  EXPECT_EQ(terminal.row(9), "");
  EXPECT_EQ(terminal.row(13), "  ant");
  EXPECT_EQ(terminal.row(20), centred("You found 1 of the 7 words. Press W to see them all."));
  EXPECT_EQ(terminal.row(22), bannerTextRow("Press SPACE to continue."));
}

TEST_F(RoundTest, ClassicScreensHaveNoneOfTheExtras) {
  terminal.typeAt(kTypingDelayMs, "ant\rnat\r");
  terminal.typeAt(kRoundMs + kSpaceAfterRoundMs, "w");
  EXPECT_THROW(playGame(game), console::InputEnded);
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
  EXPECT_EQ(terminal.row(5), "");
  EXPECT_EQ(terminal.row(9), "");
  EXPECT_EQ(terminal.row(20), "");
  EXPECT_EQ(terminal.output().find("Every word"), std::string::npos);
}

// Every arrangement of three to six of six different letters: 1,920 words.
std::vector<std::string> everyArrangementOfAbcdef() {
  std::set<std::string> arrangements;
  std::string letters = "abcdef";
  do {
    for (size_t length = 3; length <= 6; ++length) arrangements.insert(letters.substr(0, length));
  } while (std::next_permutation(letters.begin(), letters.end()));
  return {arrangements.begin(), arrangements.end()};
}

TEST_F(RoundExtrasTest, ARootWithManyWordsIsPagedAndEveryWordIsOnOnePage) {
  const std::vector<std::string> all = everyArrangementOfAbcdef();
  useWords(all);
  const rules::RoundWords words = rules::findRoundWords(*game.dictionary, "fedcba");
  ASSERT_EQ(words.total(), 1920u);
  std::multiset<std::string> seen;
  for (size_t turns = 0; seen.size() < 1920 && turns < 300; ++turns) {
    support::FakeTerminal pageTerminal;
    for (size_t i = 0; i < turns; ++i) pageTerminal.type(kPageDown);
    EXPECT_THROW(showRoundReview(game, words), console::InputEnded);
    // Each page starts with a heading, repeated when it goes on from the last page.
    EXPECT_NE(pageTerminal.row(5).find(" Letter Words: 0 of "), std::string::npos) << turns;
    EXPECT_NE(pageTerminal.row(22).find("page " + std::to_string(turns + 1) + " of "), std::string::npos);
    for (int y = 5; y <= 20; ++y) {
      if (pageTerminal.row(y).find("Letter Words") != std::string::npos) continue;
      std::istringstream row(pageTerminal.row(y));
      for (std::string word; row >> word;) seen.insert(word);
    }
    EXPECT_EQ(pageTerminal.screen().scrolls(), 0);
  }
  EXPECT_EQ(seen, std::multiset<std::string>(all.begin(), all.end()));
}

TEST_F(RoundExtrasTest, TheReviewFooterKeepsItsPlaceFromPageToPage) {
  useWords(everyArrangementOfAbcdef());
  const rules::RoundWords words = rules::findRoundWords(*game.dictionary, "fedcba");
  std::set<std::string> footers;
  for (size_t turns : {0U, 8U, 9U, 13U}) {
    support::FakeTerminal pageTerminal;
    for (size_t i = 0; i < turns; ++i) pageTerminal.type(kPageDown);
    EXPECT_THROW(showRoundReview(game, words), console::InputEnded);
    footers.insert(pageTerminal.row(22).substr(0, pageTerminal.row(22).find("page")));
  }
  EXPECT_EQ(footers.size(), 1u);
}

TEST_F(RoundExtrasTest, AGameThatEntersTheBestFiveSaysSo) {
  support::TempFolder folder;
  records::Store store(folder.path(), [] { return std::string("2026-05-01"); });
  extras.records = &store;
  playThenAtTheEnd("ant\rplane\r", "x");
  EXPECT_EQ(terminal.row(5), centred("New record for 30 seconds!"));
  EXPECT_EQ(store.best(30), (std::vector<records::Entry>{{7, "2026-05-01"}}));

  // The first game stopped in its end-of-round wait, with ant still found.
  support::FakeTerminal next;
  next.typeAt(kTypingDelayMs, "tan\r");
  next.typeAt(kRoundMs + kSpaceAfterRoundMs, " ");
  EXPECT_EQ(playGame(game, extras), 1u);
  EXPECT_EQ(next.row(5), centred("Second best score for 30 seconds!"));
  EXPECT_EQ(recordNote(5, 120), "Fifth best score for 120 seconds!");
}

// The cursor starts on the first word missed (lap), moves by word with
// Left/Right, from row to row, and by row with Up/Down, keeping its place in
// the row as far as the next row has words; the meaning rows follow it.
TEST_F(RoundExtrasTest, TheReviewCursorMovesOverTheWordsAndTheMeaningFollows) {
  useMeanings();
  struct Case {
    std::string keys;
    int row;
    int column;
    std::string word;
    std::string meaning;
  };
  const std::string lap = "lap (noun): the upper side of the thighs of a seated person";
  const std::string tan = "tan (adjective): of a light brown to yellowish brown color";
  for (const Case& c :
       {Case{"", 6, 11, "lap", lap}, Case{kRight, 6, 19, "tan", tan},
        Case{repeatKey(kRight, 3), 10, 3, "plane", "plane: no meaning on file"},
        Case{std::string(kRight) + kDown, 8, 3, "plan",
             "plan (noun): a series of steps to be carried out or goals to be accomplished"},
        Case{repeatKey(kDown, 4), 12, 3, "planet", ""}, Case{kLeft, 6, 3, "ant", "ant: no meaning on file"},
        Case{std::string(kUp) + kDown + kUp, 6, 3, "ant", "ant: no meaning on file"}}) {
    support::FakeTerminal review;
    for (size_t i = 0; i < game_record::kFoundWordTrees; ++i) game.foundWords[i].clear();
    review.typeAt(kTypingDelayMs, "ant\rplane\r");
    review.typeAt(kRoundMs + kSpaceAfterRoundMs, "w" + c.keys);
    EXPECT_THROW(playGame(game, extras), console::InputEnded);
    std::vector<int> columns;
    for (size_t i = 0; i < c.word.size(); ++i) columns.push_back(c.column + static_cast<int>(i));
    EXPECT_EQ(reverseColumns(review, c.row), columns) << c.word;
    EXPECT_EQ(review.row(c.row).substr(static_cast<size_t>(c.column), c.word.size()), c.word);
    if (c.meaning.empty()) continue;  // planet's meaning takes both rows, below
    EXPECT_EQ(review.row(19), c.meaning) << c.word;
    EXPECT_EQ(review.row(20), "") << c.word;
  }
  // The six-letter row's one word: its meaning wraps over both rows.
  support::FakeTerminal last;
  last.type(repeatKey(kDown, 3));
  EXPECT_THROW(showRoundReview(game, rules::findRoundWords(*game.dictionary, game.mangledWord), &meanings),
               console::InputEnded);
  EXPECT_EQ(last.row(19), "planet (noun): any of the nine large celestial bodies in the solar system that");
  EXPECT_EQ(last.row(20), "revolve around the sun and shine by reflected light");
}

TEST_F(RoundExtrasTest, ADumbTerminalShowsTheCursorsWordBetweenBrackets) {
  terminal.dumbTerminal = true;
  playThenAtTheEnd("ant\rplane\r", "w");
  EXPECT_EQ(terminal.row(6), "  *ant    [lap]    tan");
  EXPECT_EQ(terminal.output().find("\x1b[0;7m"), std::string::npos);
  EXPECT_TRUE(reverseColumns(terminal, 6).empty());
}

// 1,920 words: the cursor goes down the rows from page to page, and a page
// key puts it on the first word of the page it turns to.
TEST_F(RoundExtrasTest, TheCursorCrossesPagesAndPageKeysTakeItAlong) {
  std::set<std::string> arrangements;
  std::string letters = "abcdef";
  do {
    for (size_t length = 3; length <= 6; ++length) arrangements.insert(letters.substr(0, length));
  } while (std::next_permutation(letters.begin(), letters.end()));
  useWords(std::vector<std::string>(arrangements.begin(), arrangements.end()));
  const rules::RoundWords words = rules::findRoundWords(*game.dictionary, "fedcba");
  // Page 1: the heading and 13 rows of nine three-letter words; page 2 goes
  // on with the fourteenth row, words 117 to 119.
  struct Case {
    std::string keys;
    int row;
    size_t word;
    std::string page;
  };
  for (const Case& c :
       {Case{"", 6, 0, "page 1 of"}, Case{std::string(kDown) + kDown, 8, 18, "page 1 of"},
        Case{kPageDown, 6, 117, "page 2 of"}, Case{std::string(kPageDown) + kUp, 18, 108, "page 1 of"},
        Case{repeatKey(kDown, 13), 6, 117, "page 2 of"}}) {
    support::FakeTerminal review;
    review.type(c.keys);
    EXPECT_THROW(showRoundReview(game, words, &meanings), console::InputEnded);
    const std::string& word = words.byLength[0][c.word];
    EXPECT_NE(review.row(22).find(c.page), std::string::npos) << review.row(22);
    EXPECT_EQ(reverseColumns(review, c.row), (std::vector<int>{3, 4, 5})) << review.screen().dump();
    EXPECT_EQ(review.row(c.row).substr(3, 3), word);
    EXPECT_EQ(review.row(19), word + ": no meaning on file");
  }
}

TEST_F(RoundExtrasTest, TheGamesLastScreenSaysWhatTheRoundsWordMeans) {
  useMeanings();
  playThenAtTheEnd("ant\r", "x");
  EXPECT_EQ(terminal.row(2), bannerTextRow("GAME OVER! The word was: planet"));
  EXPECT_EQ(terminal.row(9),
            centred("planet (noun): any of the nine large celestial bodies in the solar system..."));
}

TEST_F(RoundTest, ClassicScreensShowNoMeaning) {
  support::TempFolder folder;
  std::string path = folder.write("engldict.meanings", kPlanetMeanings);
  dictionary::MeaningsOnDemand meanings([&] { return path; });
  extras.meanings = &meanings;
  terminal.typeAt(kRoundMs + kSpaceAfterRoundMs, "w");
  EXPECT_THROW(playGame(game, extras), console::InputEnded);
  EXPECT_EQ(terminal.row(9), "");
  EXPECT_EQ(terminal.output().find("celestial"), std::string::npos);
}

}  // namespace
}  // namespace game_test

}  // namespace game
