#include "game/review_layout.h"

#include <algorithm>

#include "console/console.h"
#include "dictionary/letters.h"

namespace game::review {
namespace {

constexpr char kFoundMark = '*';

// Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) about a
// literal "+" a string.
std::string headingText(const game_record::WordGame& game, size_t tree, size_t words) {
  std::string text(1, ' ');
  text += std::to_string(tree + game_record::kShortestWord);
  text += " Letter Words: ";
  text += std::to_string(game.foundWords[tree].count);
  text += " of ";
  text += std::to_string(words);
  return text;
}

// Each cell is kCellWidth columns, a letter taking one whatever its bytes.
std::string wordRowText(const std::vector<ReviewWord>& words, size_t first, size_t count) {
  std::string row(kIndentWidth, ' ');
  for (size_t i = first; i < first + count; ++i) {
    std::string cell = (words[i].found ? kFoundMark : ' ') + dictionary::shownText(words[i].text);
    cell.append(kCellWidth - std::min(kCellWidth, dictionary::letterCount(cell)), ' ');
    row += cell;
  }
  return row.erase(row.find_last_not_of(' ') + 1);
}

std::vector<Line> reviewLines(const game_record::WordGame& game, const rules::RoundWords& roundWords,
                              Review& review) {
  std::vector<Line> lines;
  const auto byLength = rules::reviewWords(game, roundWords);
  for (size_t tree = 0; tree < game_record::kFoundWordTrees; ++tree) {
    const std::vector<ReviewWord>& ofLength = byLength[tree];
    const std::string heading = headingText(game, tree, ofLength.size());
    lines.push_back(Line{heading, heading, 0, 0});
    const size_t first = review.words.size();
    review.words.insert(review.words.end(), ofLength.begin(), ofLength.end());
    for (size_t at = first; at < review.words.size(); at += kCellsPerRow) {
      const size_t count = std::min(kCellsPerRow, review.words.size() - at);
      lines.push_back(Line{wordRowText(review.words, at, count), heading, at, count});
      review.wordRows.push_back(lines.back());
    }
  }
  return lines;
}

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

size_t pageOf(const Review& review, size_t word) {
  for (size_t page = 0; page < review.pages.size(); ++page) {
    for (const Line& line : review.pages[page]) {
      if (line.holds(word)) return page;
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

}  // namespace

Review makeReview(const game_record::WordGame& game, const rules::RoundWords& words) {
  Review review;
  review.pages = paginate(reviewLines(game, words, review));
  return review;
}

Cursor startingCursor(const Review& review) {
  auto missed =
      std::find_if(review.words.begin(), review.words.end(), [](const ReviewWord& w) { return !w.found; });
  const size_t word = missed == review.words.end() ? 0 : static_cast<size_t>(missed - review.words.begin());
  return Cursor{word, pageOf(review, word)};
}

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

}  // namespace game::review
