#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "console/console.h"
#include "dictionary/letters.h"
#include "game/round_layout.h"
#include "game/screen.h"

namespace game {

namespace {

using WordTree = containers::BST<std::string>;
using WordNode = containers::TreeNode<std::string>;

constexpr const char* kHeader = "You have found the following words:";
constexpr size_t kRuleWidth = 79;
constexpr const char* kWordIndent = "  ";
// A word row may use columns 0 to 78, so it never wraps onto the next row.
constexpr size_t kWordRowWidth = 79;

// Each word as it shows, every letter whole.
void collectInOrder(const WordNode* node, std::vector<std::string>& words) {
  if (node == nullptr) return;
  collectInOrder(node->left, words);
  words.push_back(dictionary::shownText(node->element));
  collectInOrder(node->right, words);
}

// Built by appending to one string: g++ 12 at -O3 warns falsely (-Wrestrict)
// about the overlap checks inlined for "+" + std::string.
std::string moreNote(size_t hidden) {
  std::string note = "+";
  note += std::to_string(hidden);
  note += " more";
  return note;
}

// Every letter takes one column, whatever its bytes.
size_t columns(const std::string& text) { return dictionary::letterCount(text); }

// The indent and the words in ascending order, each followed by a blank.
// When they do not fit on the row, as many leading words as fit together
// with a note of how many were left out.
std::string wordRow(const WordTree& tree) {
  std::vector<std::string> words;
  collectInOrder(tree.root, words);
  std::string row = kWordIndent;
  for (const std::string& word : words) row += word + ' ';
  if (columns(row) <= kWordRowWidth) return row;

  row = kWordIndent;
  size_t shown = 0;
  auto fitsWithNextWord = [&] {
    size_t hiddenAfter = words.size() - shown - 1;
    return columns(row) + columns(words[shown]) + 1 + moreNote(hiddenAfter).size() <= kWordRowWidth;
  };
  while (shown + 1 < words.size() && fitsWithNextWord()) {
    row += words[shown] + ' ';
    ++shown;
  }
  return row + moreNote(words.size() - shown);
}

std::string heading(size_t length) {
  std::string text;
  appendNumber(text, static_cast<int32_t>(length));
  return text + " Letter Words: ";
}

}  // namespace

void drawFoundWords(const game_record::WordGame& game) {
  console::moveCursor(centringColumn(std::string(kHeader).size()), layout::round::kFoundHeaderRow);
  std::cout << kHeader;
  console::lineEnd();
  // The line end took the cursor to the rule's row.
  std::cout << std::string(kRuleWidth, '-');
  console::lineEnd();
  console::moveCursor(0, layout::round::kFirstLengthRow);
  for (size_t length = game_record::kShortestWord; length <= game_record::kLongestWord; ++length) {
    std::cout << heading(length);
    console::lineEnd();
    // Padded to its full width, so a shorter row leaves nothing of the
    // longer one drawn before it.
    std::string row = wordRow(game.foundWords[length - game_record::kShortestWord]);
    row.append(kWordRowWidth - std::min(kWordRowWidth, columns(row)), ' ');
    std::cout << row << '\n';
  }
  drawScoreLine(game);
}

}  // namespace game
