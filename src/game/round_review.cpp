#include "game/round_review.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "game/screen.h"

namespace {

constexpr uint16_t kFirstRow = 5;
constexpr size_t kRowsPerPage = 16;  // rows 5 to 20, between the banners
constexpr size_t kCellWidth = 8;     // the mark, a word of up to six bytes, a blank
constexpr size_t kCellsPerRow = 9;   // with the indent, 74 columns
constexpr const char* kIndent = "  ";
constexpr char kFoundMark = '*';
constexpr int kNoCode = -1;

struct Line {
  std::string text;
  std::string heading;  ///< the heading of the length the line belongs to
};
using Page = std::vector<std::string>;

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

std::string wordRow(const WordGame& game, const std::vector<std::string>& words, size_t first) {
  std::string row = kIndent;
  for (size_t i = first; i < std::min(first + kCellsPerRow, words.size()); ++i) {
    std::string cell = (wasFound(game, words[i]) ? kFoundMark : ' ') + words[i];
    cell.resize(kCellWidth, ' ');
    row += cell;
  }
  return row.erase(row.find_last_not_of(' ') + 1);
}

std::vector<Line> reviewLines(const WordGame& game, const RoundWords& words) {
  std::vector<Line> lines;
  for (size_t tree = 0; tree < kFoundWordTrees; ++tree) {
    const std::vector<std::string>& ofLength = words.byLength[tree];
    const std::string heading = headingText(game, tree, ofLength.size());
    lines.push_back(Line{heading, heading});
    for (size_t first = 0; first < ofLength.size(); first += kCellsPerRow) {
      lines.push_back(Line{wordRow(game, ofLength, first), heading});
    }
  }
  return lines;
}

// A heading is never left alone at the foot of a page, and a page that
// starts among a length's words repeats its heading.
std::vector<Page> paginate(const std::vector<Line>& lines) {
  std::vector<Page> pages(1);
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool heading = lines[i].text == lines[i].heading;
    const bool lastRowLeft = pages.back().size() + 1 == kRowsPerPage;
    const bool wordsFollow = i + 1 < lines.size() && lines[i + 1].heading == lines[i].heading;
    if (pages.back().size() == kRowsPerPage || (heading && lastRowLeft && wordsFollow)) {
      pages.emplace_back();
      if (!heading) pages.back().push_back(lines[i].heading + " (continued)");
    }
    pages.back().push_back(lines[i].text);
  }
  return pages;
}

std::string titleText(const WordGame& game, const RoundWords& words) {
  return "Every word of the round: you found " + std::to_string(foundWordCount(game)) + " of " +
         std::to_string(words.total());
}

// The page's place is as wide on every page, the last page's number
// included, so the centred footer does not move as the pages turn.
std::string footerText(size_t page, size_t pages) {
  if (pages == 1) return "* marks a word you found   Any key: back";
  const std::string count = std::to_string(pages);
  std::string place = "page " + std::to_string(page + 1) + " of " + count;
  place.resize(std::string("page  of ").size() + 2 * count.size(), ' ');
  return "* marks a word you found   PgUp/PgDn: " + place + "   Other keys: back";
}

void drawPage(const std::string& title, const std::vector<Page>& pages, size_t page) {
  console::clearScreen();
  drawTopBanner(title);
  for (size_t row = 0; row < pages[page].size(); ++row) {
    console::moveCursor(0, static_cast<uint16_t>(kFirstRow + row));
    std::cout << pages[page][row];
  }
  drawBottomBanner(footerText(page, pages.size()));
}

// The page an extended key's code turns to; nothing for any other key.
std::optional<size_t> turnedPage(size_t page, size_t pages, int code) {
  if (pages < 2) return std::nullopt;
  if (code == console::kPageDown || code == console::kDown) return std::min(page + 1, pages - 1);
  if (code == console::kPageUp || code == console::kUp) return page == 0 ? 0 : page - 1;
  return std::nullopt;
}

}  // namespace

void showRoundReview(const WordGame& game, const RoundWords& words) {
  const std::vector<Page> pages = paginate(reviewLines(game, words));
  const std::string title = titleText(game, words);
  for (size_t page = 0;;) {
    drawPage(title, pages, page);
    const int key = console::readKey();
    const std::optional<size_t> turned =
        turnedPage(page, pages.size(), key == console::kExtendedKey ? console::readKey() : kNoCode);
    if (!turned) return;
    page = *turned;
  }
}
