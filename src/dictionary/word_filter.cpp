#include "dictionary/word_filter.h"

#include <cstring>

namespace dictionary {

bool isUsableWord(std::string_view word) {
  if (word.size() > kLongestUsable) return false;
  char padded[kLanes] = {};
  std::memcpy(padded, word.data(), word.size());
  return detail::isUsableCandidate(loadEightBytes(padded), word.size());
}

}  // namespace dictionary
