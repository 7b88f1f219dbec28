#include "text/character_classes.h"

#include <algorithm>
#include <span>

#include "text/unicode_tables.h"

namespace text {
namespace {

// The range that may hold codePoint: the last one starting at or before it.
template <typename RangeType>
const RangeType* rangeAtOrBefore(std::span<const RangeType> ranges, char32_t codePoint) {
  const auto after =
      std::upper_bound(ranges.begin(), ranges.end(), codePoint,
                       [](char32_t value, const RangeType& range) { return value < range.first; });
  if (after == ranges.begin()) return nullptr;
  const RangeType& range = *(after - 1);
  return codePoint <= range.last ? &range : nullptr;
}

bool within(std::span<const tables::Range> ranges, char32_t codePoint) {
  return rangeAtOrBefore(ranges, codePoint) != nullptr;
}

}  // namespace

// Nothing below U+0300 is a mark: most letters are answered at once.
bool isCombiningMark(char32_t codePoint) {
  return codePoint >= 0x300 && within(tables::combiningMarks(), codePoint);
}

bool isWide(char32_t codePoint) { return codePoint >= 0x1100 && within(tables::wide(), codePoint); }

bool isPrintable(char32_t codePoint) {
  if (codePoint >= 0x20 && codePoint < 0x7F) return true;
  return !within(tables::unprintable(), codePoint);
}

bool isBlank(char32_t codePoint) { return codePoint == ' ' || within(tables::blanks(), codePoint); }

uint8_t combiningClass(char32_t codePoint) {
  if (codePoint < 0x300) return 0;
  const tables::ClassRange* range = rangeAtOrBefore(tables::combiningClasses(), codePoint);
  return range == nullptr ? 0 : range->combiningClass;
}

}  // namespace text
