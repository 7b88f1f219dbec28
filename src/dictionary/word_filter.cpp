#include "dictionary/word_filter.h"

#include <algorithm>
#include <cstring>

#include "dictionary/letters.h"

namespace dictionary {

bool isUsableLetterWord(std::string_view word) {
  if (word.size() > kLongestLetterLine || word.find(detail::kApostrophe) != std::string_view::npos)
    return false;
  const size_t letters = printableLetterCount(word, kLongestUsable);
  return letters >= kShortestUsable && letters <= kLongestUsable;
}

bool isUsableWord(std::string_view word) {
  const bool characters = letterRule() == LetterRule::kCharacters;
  const bool highByte = std::any_of(word.begin(), word.end(), [](char byte) { return byte & 0x80; });
  if (highByte && characters) return isUsableLetterWord(word);
  if (word.size() > kLongestUsable) return false;
  char padded[kLanes] = {};
  std::memcpy(padded, word.data(), word.size());
  return detail::isUsableCandidate(loadEightBytes(padded), word.size(), characters);
}

}  // namespace dictionary
