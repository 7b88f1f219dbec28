#include "game/round_words.h"

#include <algorithm>

#include "console/console.h"

namespace {

struct Arranging {
  const containers::HTable<std::string>& dictionary;
  std::string letters;           // in byte order, so arrangements come out in byte order
  std::vector<bool> used;        // used[i]: letters[i] is in the current arrangement
  std::string arrangement;
  RoundWords found;
};

bool typeable(char letter) {
  auto byte = static_cast<unsigned char>(letter);
  return byte != console::kSpace && byte != console::kEnter && byte != console::kBackspace;
}

bool byteOrder(char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); }

void lookUp(Arranging& state) {
  const std::string& word = state.arrangement;
  if (word.size() < kShortestWord || state.dictionary.find(word) == -1) return;
  state.found.byLength[word.size() - kShortestWord].push_back(word);
}

// Depth first over the free positions. A letter already tried at this depth
// is skipped, so a repeated letter gives each arrangement once.
void extend(Arranging& state) {
  lookUp(state);
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

RoundWords findRoundWords(const containers::HTable<std::string>& dictionary, const std::string& letters) {
  Arranging state{dictionary, {}, {}, {}, {}};
  std::copy_if(letters.begin(), letters.end(), std::back_inserter(state.letters), typeable);
  std::sort(state.letters.begin(), state.letters.end(), byteOrder);
  state.used.assign(state.letters.size(), false);
  extend(state);
  return state.found;
}
