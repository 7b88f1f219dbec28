#include "dictionary/word_filter.h"

#include <algorithm>

namespace dictionary {
namespace {

constexpr char kApostrophe = '\'';
constexpr unsigned char kFirstPrintable = 32;
constexpr unsigned char kDelete = 127;

bool isRefusedByte(char c) {
  auto byte = static_cast<unsigned char>(c);
  return c == kApostrophe || byte < kFirstPrintable || byte == kDelete;
}

}  // namespace

std::string_view withoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool isUsableWord(std::string_view word) {
  if (word.size() < kShortestUsable || word.size() > kLongestUsable) return false;
  return std::none_of(word.begin(), word.end(), isRefusedByte);
}

}  // namespace dictionary
