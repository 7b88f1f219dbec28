#include "rules/round_words.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "dictionary/letters.h"

namespace rules {
namespace {

using BucketedArrangement = std::pair<int32_t, containers::ShortWord>;
using Arrangements = std::vector<BucketedArrangement>;

// Every distinct arrangement of kShortestWord letters or more, each with its
// bucket. The arrangement grows in a fixed buffer and goes straight into the
// list: a round start makes 1,920 of them, so no string is built for each.
struct Arranging {
  Arranging(const containers::WordTable& table, std::vector<std::string_view> typeable)
      : dictionary(table), letters(std::move(typeable)) {}
  const containers::WordTable& dictionary;
  std::vector<std::string_view> letters;
  std::array<bool, game_record::kLongestWord> used{};  ///< used[i]: letters[i] is in the arrangement
  std::string arrangement;
  size_t letterCount = 0;  ///< letters in the arrangement
  Arrangements found;
};

// A long arrangement that no stored word has is not kept anywhere: most
// arrangements are no word.
void noteArrangement(Arranging& state) {
  const containers::ShortWord word = containers::ShortWord::ifStored(state.arrangement);
  state.found.emplace_back(state.dictionary.hash(word), word);
}

bool triedBefore(const Arranging& state, size_t i) {
  for (size_t earlier = 0; earlier < i; ++earlier) {
    if (!state.used[earlier] && state.letters[earlier] == state.letters[i]) return true;
  }
  return false;
}

// Depth first over the free positions. A letter already tried at this depth
// (the same letter at a free position before it) is skipped, so a repeated
// letter gives each arrangement once.
void extend(Arranging& state) {
  if (state.letterCount >= game_record::kShortestWord) noteArrangement(state);
  if (state.letterCount == game_record::kLongestWord) return;
  for (size_t i = 0; i < state.letters.size(); ++i) {
    if (state.used[i] || triedBefore(state, i)) continue;
    state.used[i] = true;
    state.arrangement += state.letters[i];
    ++state.letterCount;
    extend(state);
    --state.letterCount;
    state.arrangement.resize(state.arrangement.size() - state.letters[i].size());
    state.used[i] = false;
  }
}

constexpr size_t kMostArrangements = 1920;  // of six different letters

Arrangements arrangementsOf(const containers::WordTable& dictionary, const std::string& letters) {
  std::vector<std::string_view> typeableLetters;
  // A round shows six letters; no more are arranged, whatever is passed.
  for (std::string_view letter : dictionary::lettersOf(letters)) {
    if (typeable(letter) && typeableLetters.size() < game_record::kLongestWord)
      typeableLetters.push_back(letter);
  }
  Arranging state(dictionary, std::move(typeableLetters));
  state.found.reserve(kMostArrangements);
  extend(state);
  return std::move(state.found);
}

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
    const size_t letters = dictionary::letterCount(word);
    words.byLength[letters - game_record::kShortestWord].push_back(std::move(word));
  }
}

}  // namespace

bool typeable(std::string_view letter) {
  return letter.size() > 1 ||
         (letter[0] != kReshuffleLetter && letter[0] != kSubmitLetter && letter[0] != kTakeBackLetter);
}

size_t RoundWords::total() const {
  size_t words = 0;
  for (const std::vector<std::string>& ofLength : byLength) words += ofLength.size();
  return words;
}

size_t foundWordCount(const game_record::WordGame& game) {
  size_t found = 0;
  for (size_t i = 0; i < game_record::kFoundWordTrees; ++i)
    found += static_cast<size_t>(game.foundWords[i].count);
  return found;
}

bool wasFound(const game_record::WordGame& game, const std::string& word) {
  const containers::BST<std::string>& tree =
      game.foundWords[dictionary::letterCount(word) - game_record::kShortestWord];
  return tree.root != nullptr && tree.contains(tree.root, word);
}

// The arrangements that share a bucket (all orders of three letters do) are
// looked for in one walk of it, so each bucket's nodes, which lie scattered
// through the table's memory, are visited once rather than once for each.
// A node matches exactly when the table's find would find the arrangement.
RoundWords findRoundWords(const containers::WordTable& dictionary, const std::string& letters) {
  Arrangements byBucket = arrangementsOf(dictionary, letters);
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

}  // namespace rules
