#pragma once
// The review's screen: its rows, the round's words laid out on pages, and
// the cursor over them: which word each row holds, which page a word is
// on, and where a key takes the cursor. Only the layout: drawing is
// round_review.cpp's.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/screen_layout.h"
#include "game_record/word_game.h"
#include "rules/round_end.h"
#include "rules/round_words.h"

namespace game::review {

/// The page's rows start under the top banner; the last two rows above the
/// bottom banner say what the word under the cursor means.
constexpr uint16_t kFirstRow = layout::kFirstFreeRow;
constexpr size_t kMeaningRows = 2;
constexpr uint16_t kMeaningRow = layout::kLastFreeRow + 1 - kMeaningRows;
constexpr size_t kRowsPerPage = kMeaningRow - kFirstRow;  ///< rows 5 to 18
constexpr size_t kCellWidth = 8;                          ///< the mark, a word of up to six letters, a blank
constexpr size_t kCellsPerRow = 9;                        ///< with the indent, 74 columns
constexpr size_t kIndentWidth = 2;

using rules::ReviewWord;

/// A row of a page: a heading, or up to kCellsPerRow words.
struct Line {
  std::string text;
  std::string heading;   ///< the heading of the length the line belongs to
  size_t firstWord = 0;  ///< a word row holds words [firstWord, firstWord + words)
  size_t words = 0;      ///< 0 for a heading
  bool holds(size_t word) const { return words > 0 && word >= firstWord && word < firstWord + words; }
};
using Page = std::vector<Line>;

struct Review {
  std::vector<ReviewWord> words;  ///< all lengths, in the order listed
  std::vector<Line> wordRows;     ///< the rows that hold words, in order
  std::vector<Page> pages;        ///< never empty
};

/// Where the cursor is: the word under it and the page on show.
struct Cursor {
  size_t word = 0;
  size_t page = 0;
  bool operator==(const Cursor&) const = default;
};

/// The round's words by length, each length under its heading, on pages of
/// kRowsPerPage rows. A heading is never left alone at the foot of a page,
/// and a page that starts among a length's words repeats its heading.
Review makeReview(const game_record::WordGame& game, const rules::RoundWords& words);

/// On the first word the player missed, or the first word when none was missed.
Cursor startingCursor(const Review& review);

/// Where an extended key's code takes the cursor: Left/Right by a word,
/// Up/Down by a row, keeping the place in the row as far as the next row
/// has words, turning the page at its edge; Page Up/Down (with several
/// pages) to the first word of the page turned to. Nothing for any other
/// code, which leaves the review.
std::optional<Cursor> movedCursor(const Review& review, Cursor cursor, int code);

}  // namespace game::review
