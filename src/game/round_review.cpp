#include "game/round_review.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/theme.h"
#include "dictionary/letters.h"
#include "game/review_layout.h"
#include "game/screen.h"
#include "game/word_meaning.h"

namespace game {
namespace {

using review::Cursor;
using review::Line;
using review::Page;
using review::Review;
using review::ReviewWord;

constexpr size_t kMeaningWidth = 79;
constexpr int kNoCode = -1;

std::string titleText(const game_record::WordGame& game, const rules::RoundWords& words) {
  return "Every word of the round: you found " + std::to_string(rules::foundWordCount(game)) + " of " +
         std::to_string(words.total());
}

// The page's place is as wide on every page, the last page's number
// included, so the centred footer does not move as the pages turn.
std::string footerText(size_t page, size_t pages) {
  if (pages == 1) return "* marks a word you found   Arrows: move   Other keys: back";
  const std::string count = std::to_string(pages);
  std::string place = "page " + std::to_string(page + 1) + " of " + count;
  place.resize(std::string("page  of ").size() + 2 * count.size(), ' ');
  return "* found   Arrows: move   PgUp/PgDn: " + place + "   Other keys: back";
}

// Where the cell of the place-th word of a row starts: at its mark.
uint16_t cellColumn(size_t place) {
  return static_cast<uint16_t>(review::kIndentWidth + place * review::kCellWidth);
}

// The words of a row over its text, found and missed ones each in their
// colour; their marks stay as they are, so the colour only repeats them.
// Without colour the row's text is all there is to write.
void colourWords(const Review& review, const Line& line, uint16_t row) {
  if (!console::colourShown()) return;
  for (size_t place = 0; place < line.words; ++place) {
    const ReviewWord& word = review.words[line.firstWord + place];
    console::moveCursor(static_cast<uint16_t>(cellColumn(place) + 1), row);
    const console::RoleScope inColour(word.found ? console::Role::kReviewFound
                                                 : console::Role::kReviewMissed);
    std::cout << dictionary::shownText(word.text);
  }
}

// The word under the cursor in reverse video, in the terminal's own
// colour, or between brackets (over its mark and the blank after it) where
// the terminal shows no attributes.
void drawCursorWord(const ReviewWord& word, uint16_t row, size_t place) {
  const uint16_t markColumn = cellColumn(place);
  if (!console::attributesShown()) {
    console::moveCursor(markColumn, row);
    std::cout << '[' << dictionary::shownText(word.text) << ']';
    return;
  }
  console::moveCursor(static_cast<uint16_t>(markColumn + 1), row);
  console::setAttributes(console::CellAttributes{.reverse = true});
  std::cout << dictionary::shownText(word.text);
  console::setAttributes(console::CellAttributes{});
}

void drawMeaning(const Review& review, Cursor cursor, dictionary::MeaningsOnDemand* meanings) {
  if (meanings == nullptr || review.words.empty()) return;
  const std::vector<std::string> rows =
      wrapRows(meaningText(review.words[cursor.word].text, *meanings), kMeaningWidth, review::kMeaningRows);
  for (size_t i = 0; i < rows.size(); ++i)
    drawBlankedRow(static_cast<uint16_t>(review::kMeaningRow + i), 0, rows[i]);
}

void drawPage(const std::string& title, const Review& review, Cursor cursor,
              dictionary::MeaningsOnDemand* meanings) {
  console::clearScreen();
  drawTopBanner(title);
  const Page& page = review.pages[cursor.page];
  for (size_t row = 0; row < page.size(); ++row) {
    const auto y = static_cast<uint16_t>(review::kFirstRow + row);
    console::moveCursor(0, y);
    std::cout << page[row].text;
    const Line& line = page[row];
    colourWords(review, line, y);
    if (line.holds(cursor.word)) {
      drawCursorWord(review.words[cursor.word], y, cursor.word - line.firstWord);
    }
  }
  drawMeaning(review, cursor, meanings);
  drawBottomBanner(footerText(cursor.page, review.pages.size()));
}

}  // namespace

void showRoundReview(const game_record::WordGame& game, const rules::RoundWords& words,
                     dictionary::MeaningsOnDemand* meanings) {
  const Review review = review::makeReview(game, words);
  const std::string title = titleText(game, words);
  for (Cursor cursor = review::startingCursor(review);;) {
    drawPage(title, review, cursor, meanings);
    const int key = console::readKey();
    const std::optional<Cursor> moved =
        review::movedCursor(review, cursor, key == console::kExtendedKey ? console::readKey() : kNoCode);
    if (!moved) return;
    cursor = *moved;
  }
}

}  // namespace game
