#include "rules/daily_paste.h"

#include <algorithm>
#include <cstdint>

namespace rules {
namespace {

constexpr size_t kBarCells = 10;
constexpr const char* kFilledSquare = "\u25a0";
constexpr const char* kEmptySquare = "\u25a1";

std::string plural(size_t count, const std::string& noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

std::string barOf(const RoundTally& tally, bool unicodeCells) {
  size_t filled = tally.total == 0 ? 0 : tally.found * kBarCells / tally.total;
  // A round with a word found never shows as nothing found.
  if (tally.found > 0 && filled == 0) filled = 1;
  std::string bar;
  for (size_t cell = 0; cell < kBarCells; ++cell) {
    const bool full = cell < filled;
    bar += unicodeCells ? (full ? kFilledSquare : kEmptySquare) : (full ? "#" : ".");
  }
  return bar;
}

// The round's number padded on the left to width.
std::string roundNumber(size_t round, size_t width) {
  const std::string number = std::to_string(round);
  return std::string(width - std::min(width, number.size()), ' ') + number;
}

}  // namespace

std::string shareLines(const DailyResult& result, bool unicodeCells) {
  std::string lines = "Quillop daily " + result.date + ", game code " + result.code + '\n';
  lines += "Score " + std::to_string(result.score) + " in " + plural(result.rounds.size(), "round") + '\n';
  const size_t width = std::to_string(result.rounds.size()).size();
  for (size_t i = 0; i < result.rounds.size(); ++i) {
    const RoundTally& tally = result.rounds[i];
    lines += "Round " + roundNumber(i + 1, width) + "  " + barOf(tally, unicodeCells) + "  " +
             std::to_string(tally.found) + '/' + std::to_string(tally.total) + '\n';
  }
  return lines;
}

}  // namespace rules
