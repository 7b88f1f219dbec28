#pragma once
// What a word means, as the review and the round's end show it:
// "planes (plane, noun): an aircraft that has a fixed wing ...", wrapped at
// blanks into the rows there is room for.

#include <cstddef>
#include <string>
#include <vector>

#include "dictionary/meanings.h"

namespace game {

/// The word, the base it takes its meaning from and the part of speech,
/// then the gloss, or both glosses numbered; "ought: no meaning on file"
/// where the file has none, saying so where the file itself is missing.
std::string meaningText(const std::string& word, dictionary::MeaningsOnDemand& meanings);

/// text in at most rows rows of width columns, broken at blanks; what does
/// not fit is cut at a word boundary and the last row ends in "...".
std::vector<std::string> wrapRows(const std::string& text, size_t width, size_t rows);

}  // namespace game
