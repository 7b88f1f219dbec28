#include "game/review_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"

namespace game {

namespace {

using review::Cursor;

// 120 three-letter words (fourteen rows: thirteen fill page 1 under its
// heading, the fourteenth goes on page 2) and one six-letter word.
class ReviewLayoutTest : public ::testing::Test {
 protected:
  ReviewLayoutTest() {
    for (char a = 'a'; a < 'g'; ++a) {
      for (char b = 'a'; b < 'x'; ++b) {
        if (words.byLength[0].size() < 120) words.byLength[0].push_back(std::string{a, b, 'z'});
      }
    }
    words.byLength[3].push_back("planet");
  }

  std::optional<Cursor> move(Cursor from, int code) { return review::movedCursor(layout(), from, code); }
  review::Review layout() { return review::makeReview(game, words); }

  game_record::WordGame game;
  rules::RoundWords words;
};

TEST_F(ReviewLayoutTest, PagesHoldTheirRowsAndRepeatTheHeadingTheyGoOnWith) {
  const review::Review shown = layout();
  ASSERT_EQ(shown.pages.size(), 2u);
  EXPECT_EQ(shown.pages[0].size(), review::kRowsPerPage);
  EXPECT_EQ(shown.pages[0][0].text, " 3 Letter Words: 0 of 120");
  EXPECT_EQ(shown.pages[1][0].text, " 3 Letter Words: 0 of 120 (continued)");
  EXPECT_EQ(shown.pages[1][1].firstWord, 117u);
  EXPECT_EQ(shown.pages[1][1].text, "   fcz     fdz     fez");
}

TEST_F(ReviewLayoutTest, TheCursorStartsOnTheFirstWordMissed) {
  EXPECT_EQ(review::startingCursor(layout()), (Cursor{0, 0}));
  for (const char* found : {"aaz", "abz"})
    game.foundWords[0].insert(game.foundWords[0].root, std::string(found));
  EXPECT_EQ(review::startingCursor(layout()), (Cursor{2, 0}));
}

TEST_F(ReviewLayoutTest, MovesStopAtTheEndsAndCrossPages) {
  EXPECT_EQ(move({0, 0}, console::kLeft), (Cursor{0, 0}));
  EXPECT_EQ(move({0, 0}, console::kUp), (Cursor{0, 0}));
  EXPECT_EQ(move({0, 0}, console::kRight), (Cursor{1, 0}));
  EXPECT_EQ(move({8, 0}, console::kRight), (Cursor{9, 0}));
  EXPECT_EQ(move({113, 0}, console::kDown), (Cursor{119, 1}));  // the short row's last word
  EXPECT_EQ(move({119, 1}, console::kUp), (Cursor{110, 0}));
  EXPECT_EQ(move({119, 1}, console::kDown), (Cursor{120, 1}));  // planet, under its heading
  EXPECT_EQ(move({120, 1}, console::kRight), (Cursor{120, 1}));
  EXPECT_EQ(move({40, 0}, console::kPageDown), (Cursor{117, 1}));
  EXPECT_EQ(move({120, 1}, console::kPageDown), (Cursor{117, 1}));
  EXPECT_EQ(move({120, 1}, console::kPageUp), (Cursor{0, 0}));
  EXPECT_FALSE(move({0, 0}, console::kHome));
}

}  // namespace

}  // namespace game
