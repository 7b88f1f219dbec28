#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>

#include "console/console.h"
#include "console/theme.h"
#include "stats/statistics_viewer.h"

namespace stats {
namespace {

constexpr int kBarCells = 40;
constexpr int kTickEvery = 10;
constexpr const char* kFilledSquare = "\u25a0";
constexpr const char* kPlainFilledCell = "#";
// Up to these shares of the fullest bucket a bar is low, then middling.
constexpr float kLowFullness = 1.0F / 3;
constexpr float kMiddleFullness = 2.0F / 3;

// The first of the locale variables that is set and not empty, as the C
// library picks the character set.
std::string localeCharacterSetSource() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

bool namesUtf8(std::string locale) {
  std::transform(locale.begin(), locale.end(), locale.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return locale.find("utf-8") != std::string::npos || locale.find("utf8") != std::string::npos;
}

}  // namespace

std::string filledBarCell() {
  const console::UnicodeCells cells = console::screenUnicodeCells();
  bool showsSquare = cells == console::UnicodeCells::kAsLocaleSays ? namesUtf8(localeCharacterSetSource())
                                                                   : cells == console::UnicodeCells::kShown;
  return showsSquare ? kFilledSquare : kPlainFilledCell;
}

void drawBucketBar(float ratio) { drawBucketBar(ratio, filledBarCell()); }

console::Role barRole(float ratio) {
  if (ratio <= kLowFullness) return console::Role::kBarLow;
  return ratio <= kMiddleFullness ? console::Role::kBarMiddle : console::Role::kBarHigh;
}

// The limit is taken in double from the single-precision ratio, so a ratio
// such as 7/10 lands just below 28 and fills 28 cells, not 29. The filled
// cells come first, in the colour of how full the bucket is; the ticks and
// blanks after them stay plain.
void drawBucketBar(float ratio, const std::string& filledCell) {
  const double limit = static_cast<double>(ratio) * kBarCells;
  std::string filled;
  std::string rest;
  filled.reserve(static_cast<size_t>(kBarCells) * filledCell.size());
  for (int cell = 0; cell < kBarCells; ++cell) {
    if (cell <= limit) {
      filled += filledCell;
    } else {
      rest += cell % kTickEvery == 0 ? '|' : ' ';
    }
  }
  {
    const console::RoleScope colour(barRole(ratio));
    std::cout << filled;
  }
  std::cout << rest;
}

}  // namespace stats
