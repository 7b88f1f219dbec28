#include "game/round_words.h"

#include <algorithm>
#include <utility>

#include "console/console.h"

namespace {

struct Arranging {
  std::string letters;
  std::vector<bool> used;  // used[i]: letters[i] is in the current arrangement
  std::string arrangement;
  std::vector<std::string> found;  // each distinct arrangement of kShortestWord letters or more
};

bool typeable(char letter) {
  auto byte = static_cast<unsigned char>(letter);
  return byte != console::kSpace && byte != console::kEnter && byte != console::kBackspace;
}

// Depth first over the free positions. A letter already tried at this depth
// is skipped, so a repeated letter gives each arrangement once.
void extend(Arranging& state) {
  if (state.arrangement.size() >= kShortestWord) state.found.push_back(state.arrangement);
  if (state.arrangement.size() == kLongestWord) return;
  std::string triedHere;
  for (size_t i = 0; i < state.letters.size(); ++i) {
    const char letter = state.letters[i];
    if (state.used[i] || triedHere.find(letter) != std::string::npos) continue;
    triedHere += letter;
    state.used[i] = true;
    state.arrangement += letter;
    extend(state);
    state.arrangement.pop_back();
    state.used[i] = false;
  }
}

std::vector<std::string> arrangementsOf(const std::string& letters) {
  Arranging state;
  std::copy_if(letters.begin(), letters.end(), std::back_inserter(state.letters), typeable);
  state.used.assign(state.letters.size(), false);
  extend(state);
  return std::move(state.found);
}

using BucketedArrangement = std::pair<int32_t, containers::ShortWord>;
using Arrangements = std::vector<BucketedArrangement>;

// Adds to words each arrangement of [first, last), all of one bucket, that a
// node of that bucket holds.
void collectFoundInBucket(const containers::WordTable& dictionary, Arrangements::iterator first,
                          Arrangements::iterator last, RoundWords& words) {
  std::vector<bool> found(static_cast<size_t>(last - first), false);
  const auto& bucket = dictionary.buckets[static_cast<size_t>(first->first)];
  for (containers::SLLIter<containers::ShortWord> it(bucket); !it.atEnd(); it.advance()) {
    for (auto entry = first; entry != last; ++entry) {
      if (it.element() == entry->second) found[static_cast<size_t>(entry - first)] = true;
    }
  }
  for (auto entry = first; entry != last; ++entry) {
    if (!found[static_cast<size_t>(entry - first)]) continue;
    std::string word = entry->second;
    words.byLength[word.size() - kShortestWord].push_back(std::move(word));
  }
}

}  // namespace

size_t RoundWords::total() const {
  size_t words = 0;
  for (const std::vector<std::string>& ofLength : byLength) words += ofLength.size();
  return words;
}

size_t foundWordCount(const WordGame& game) {
  size_t found = 0;
  for (size_t i = 0; i < kFoundWordTrees; ++i) found += static_cast<size_t>(game.foundWords[i].count);
  return found;
}

bool wasFound(const WordGame& game, const std::string& word) {
  const containers::BST<std::string>& tree = game.foundWords[word.size() - kShortestWord];
  return tree.root != nullptr && tree.contains(tree.root, word);
}

// The arrangements that share a bucket (all orders of three letters do) are
// looked for in one walk of it, so each bucket's nodes, which lie scattered
// through the table's memory, are visited once rather than once for each.
// A node matches exactly when the table's find would find the arrangement.
RoundWords findRoundWords(const containers::WordTable& dictionary, const std::string& letters) {
  std::vector<std::pair<int32_t, containers::ShortWord>> byBucket;
  for (const std::string& arrangement : arrangementsOf(letters)) {
    byBucket.emplace_back(dictionary.hash(arrangement), arrangement);
  }
  std::sort(byBucket.begin(), byBucket.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  RoundWords words;
  for (auto group = byBucket.begin(); group != byBucket.end();) {
    auto groupEnd =
        std::find_if(group, byBucket.end(), [&](const auto& entry) { return entry.first != group->first; });
    collectFoundInBucket(dictionary, group, groupEnd, words);
    group = groupEnd;
  }
  for (std::vector<std::string>& ofLength : words.byLength) std::sort(ofLength.begin(), ofLength.end());
  return words;
}
