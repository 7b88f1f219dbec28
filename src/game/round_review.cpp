#include "game/round_review.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "game/screen.h"
#include "game/word_meaning.h"

namespace {

constexpr uint16_t kFirstRow = 5;
constexpr size_t kRowsPerPage = 14;  // rows 5 to 18, between the banner and the meaning
constexpr uint16_t kMeaningRow = 19;
constexpr size_t kMeaningRows = 2;  // rows 19 and 20, above the bottom banner
constexpr size_t kMeaningWidth = 79;
constexpr size_t kCellWidth = 8;    // the mark, a word of up to six bytes, a blank
constexpr size_t kCellsPerRow = 9;  // with the indent, 74 columns
constexpr size_t kIndentWidth = 2;
constexpr char kFoundMark = '*';
constexpr int kNoCode = -1;

struct ReviewWord {
  std::string text;
  bool found = false;
};

struct Line {
  std::string text;
  std::string heading;   ///< the heading of the length the line belongs to
  size_t firstWord = 0;  ///< a word row holds words [firstWord, firstWord + words)
  size_t words = 0;      ///< 0 for a heading
};
using Page = std::vector<Line>;

struct Review {
  std::vector<ReviewWord> words;  ///< all lengths, in the order listed
  std::vector<Line> wordRows;     ///< the rows that hold words, in order
  std::vector<Page> pages;
};

/// Where the cursor is: the word under it and the page on show.
struct Cursor {
  size_t word = 0;
  size_t page = 0;
};

// Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) about a
// literal "+" a string.
std::string headingText(const WordGame& game, size_t tree, size_t words) {
  std::string text(1, ' ');
  text += std::to_string(tree + kShortestWord);
  text += " Letter Words: ";
  text += std::to_string(game.foundWords[tree].count);
  text += " of ";
  text += std::to_string(words);
  return text;
}

std::string wordRowText(const std::vector<ReviewWord>& words, size_t first, size_t count) {
  std::string row(kIndentWidth, ' ');
  for (size_t i = first; i < first + count; ++i) {
    std::string cell = (words[i].found ? kFoundMark : ' ') + words[i].text;
    cell.resize(kCellWidth, ' ');
    row += cell;
  }
  return row.erase(row.find_last_not_of(' ') + 1);
}

std::vector<Line> reviewLines(const WordGame& game, const RoundWords& roundWords, Review& review) {
  std::vector<Line> lines;
  for (size_t tree = 0; tree < kFoundWordTrees; ++tree) {
    const std::vector<std::string>& ofLength = roundWords.byLength[tree];
    const std::string heading = headingText(game, tree, ofLength.size());
    lines.push_back(Line{heading, heading, 0, 0});
    const size_t first = review.words.size();
    for (const std::string& word : ofLength) review.words.push_back({word, wasFound(game, word)});
    for (size_t at = first; at < review.words.size(); at += kCellsPerRow) {
      const size_t count = std::min(kCellsPerRow, review.words.size() - at);
      lines.push_back(Line{wordRowText(review.words, at, count), heading, at, count});
      review.wordRows.push_back(lines.back());
    }
  }
  return lines;
}

// A heading is never left alone at the foot of a page, and a page that
// starts among a length's words repeats its heading.
std::vector<Page> paginate(const std::vector<Line>& lines) {
  std::vector<Page> pages(1);
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool heading = lines[i].words == 0;
    const bool lastRowLeft = pages.back().size() + 1 == kRowsPerPage;
    const bool wordsFollow = i + 1 < lines.size() && lines[i + 1].heading == lines[i].heading;
    if (pages.back().size() == kRowsPerPage || (heading && lastRowLeft && wordsFollow)) {
      pages.emplace_back();
      if (!heading) pages.back().push_back(Line{lines[i].heading + " (continued)", lines[i].heading, 0, 0});
    }
    pages.back().push_back(lines[i]);
  }
  return pages;
}

Review makeReview(const WordGame& game, const RoundWords& words) {
  Review review;
  review.pages = paginate(reviewLines(game, words, review));
  return review;
}

size_t pageOf(const Review& review, size_t word) {
  for (size_t page = 0; page < review.pages.size(); ++page) {
    for (const Line& line : review.pages[page]) {
      if (line.words > 0 && word >= line.firstWord && word < line.firstWord + line.words) return page;
    }
  }
  return 0;
}

size_t wordRowOf(const Review& review, size_t word) {
  for (size_t row = 0; row < review.wordRows.size(); ++row) {
    if (word < review.wordRows[row].firstWord + review.wordRows[row].words) return row;
  }
  return 0;
}

// The cursor starts on the first word the player missed, or the first word
// when none was missed.
Cursor startingCursor(const Review& review) {
  auto missed = std::find_if(review.words.begin(), review.words.end(), [](const ReviewWord& w) { return !w.found; });
  const size_t word = missed == review.words.end() ? 0 : static_cast<size_t>(missed - review.words.begin());
  return Cursor{word, pageOf(review, word)};
}

// Up and Down keep the cursor's place in its row as far as the next row
// has words.
size_t wordInNextRow(const Review& review, size_t word, bool down) {
  const size_t row = wordRowOf(review, word);
  if (down ? row + 1 >= review.wordRows.size() : row == 0) return word;
  const Line& next = review.wordRows[down ? row + 1 : row - 1];
  const size_t place = word - review.wordRows[row].firstWord;
  return next.firstWord + std::min(place, next.words - 1);
}

size_t firstWordOn(const Page& page, size_t otherwise) {
  auto line = std::find_if(page.begin(), page.end(), [](const Line& l) { return l.words > 0; });
  return line == page.end() ? otherwise : line->firstWord;
}

std::optional<Cursor> turnedPage(const Review& review, Cursor cursor, int code) {
  const size_t pages = review.pages.size();
  if (pages < 2) return std::nullopt;
  const size_t page = code == console::kPageDown ? std::min(cursor.page + 1, pages - 1)
                                                 : (cursor.page == 0 ? 0 : cursor.page - 1);
  return Cursor{firstWordOn(review.pages[page], cursor.word), page};
}

// Where an extended key's code takes the cursor; nothing for any other key.
std::optional<Cursor> movedCursor(const Review& review, Cursor cursor, int code) {
  if (review.words.empty()) return std::nullopt;
  size_t word = cursor.word;
  switch (code) {
    case console::kLeft: word = word == 0 ? 0 : word - 1; break;
    case console::kRight: word = std::min(word + 1, review.words.size() - 1); break;
    case console::kUp:
    case console::kDown: word = wordInNextRow(review, word, code == console::kDown); break;
    case console::kPageUp:
    case console::kPageDown: return turnedPage(review, cursor, code);
    default: return std::nullopt;
  }
  return Cursor{word, pageOf(review, word)};
}

std::string titleText(const WordGame& game, const RoundWords& words) {
  return "Every word of the round: you found " + std::to_string(foundWordCount(game)) + " of " +
         std::to_string(words.total());
}

std::string footerText(size_t page, size_t pages) {
  if (pages == 1) return "* marks a word you found   Arrows: move   Other keys: back";
  return "* found   Arrows: move   PgUp/PgDn: page " + std::to_string(page + 1) + " of " +
         std::to_string(pages) + "   Other keys: back";
}

// The word under the cursor in reverse video, or between brackets (over
// its mark and the blank after it) where the terminal shows no attributes.
void drawCursorWord(const ReviewWord& word, uint16_t row, size_t place) {
  const auto markColumn = static_cast<uint16_t>(kIndentWidth + place * kCellWidth);
  if (!console::attributesShown()) {
    console::moveCursor(markColumn, row);
    std::cout << '[' << word.text << ']';
    return;
  }
  console::moveCursor(static_cast<uint16_t>(markColumn + 1), row);
  console::setAttributes(console::CellAttributes{.reverse = true});
  std::cout << word.text;
  console::setAttributes(console::CellAttributes{});
}

void drawMeaning(const Review& review, Cursor cursor, dictionary::MeaningsOnDemand* meanings) {
  if (meanings == nullptr || review.words.empty()) return;
  const std::vector<std::string> rows =
      wrapRows(meaningText(review.words[cursor.word].text, *meanings), kMeaningWidth, kMeaningRows);
  for (size_t i = 0; i < rows.size(); ++i) drawBlankedRow(static_cast<uint16_t>(kMeaningRow + i), 0, rows[i]);
}

void drawPage(const std::string& title, const Review& review, Cursor cursor, dictionary::MeaningsOnDemand* meanings) {
  console::clearScreen();
  drawTopBanner(title);
  const Page& page = review.pages[cursor.page];
  for (size_t row = 0; row < page.size(); ++row) {
    const auto y = static_cast<uint16_t>(kFirstRow + row);
    console::moveCursor(0, y);
    std::cout << page[row].text;
    const Line& line = page[row];
    if (line.words > 0 && cursor.word >= line.firstWord && cursor.word < line.firstWord + line.words) {
      drawCursorWord(review.words[cursor.word], y, cursor.word - line.firstWord);
    }
  }
  drawMeaning(review, cursor, meanings);
  drawBottomBanner(footerText(cursor.page, review.pages.size()));
}

}  // namespace

void showRoundReview(const WordGame& game, const RoundWords& words, dictionary::MeaningsOnDemand* meanings) {
  const Review review = makeReview(game, words);
  const std::string title = titleText(game, words);
  for (Cursor cursor = startingCursor(review);;) {
    drawPage(title, review, cursor, meanings);
    const int key = console::readKey();
    const std::optional<Cursor> moved =
        movedCursor(review, cursor, key == console::kExtendedKey ? console::readKey() : kNoCode);
    if (!moved) return;
    cursor = *moved;
  }
}
