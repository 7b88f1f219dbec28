#include "game/records_panel.h"

#include <algorithm>
#include <vector>

#include "game/screen.h"
#include "game/title_layout.h"
#include "rules/menu_choices.h"

namespace game {

namespace {

using layout::title::kBestScoresHeadingRow;
using layout::title::kFirstPlaceRow;
using layout::title::kLongNoticeRow;
using layout::title::kNoticeRow;
constexpr size_t kNoticeWidth = 79;

std::string padLeft(const std::string& text, size_t width) {
  return std::string(width - std::min(width, text.size()), ' ') + text;
}

// The scores right-aligned, so the lines are all as wide and centre as one.
std::vector<std::string> placeLines(const std::vector<records::Entry>& best) {
  size_t scoreWidth = 0;
  for (const records::Entry& entry : best)
    scoreWidth = std::max(scoreWidth, std::to_string(entry.score).size());
  std::vector<std::string> lines;
  for (size_t i = 0; i < best.size(); ++i) {
    lines.push_back(std::to_string(i + 1) + ".  " + padLeft(std::to_string(best[i].score), scoreWidth) +
                    "   " + best[i].date);
  }
  if (lines.empty()) lines.emplace_back("No scores yet");
  return lines;
}

}  // namespace

void drawBestScores(const records::Store& store, uint16_t seconds) {
  if (seconds == rules::kNoLimit) {
    drawCentredRow(kBestScoresHeadingRow, "Games with no time limit keep no best scores");
  } else {
    drawCentredRow(kBestScoresHeadingRow, "Best scores for " + std::to_string(seconds) + " seconds");
  }
  const std::vector<std::string> lines = placeLines(store.best(seconds));
  for (size_t place = 0; place < records::kKeptPerTime; ++place) {
    drawCentredRow(static_cast<uint16_t>(kFirstPlaceRow + place), place < lines.size() ? lines[place] : "");
  }
}

// A notice too long for one row is broken at its last blank that fits and
// takes the row above as well.
void drawRecordsNotice(const std::string& notice) {
  size_t split = std::string::npos;
  if (notice.size() > kNoticeWidth) split = notice.rfind(' ', kNoticeWidth);
  if (split == std::string::npos) {
    drawCentredRow(kNoticeRow, notice);
    return;
  }
  drawCentredRow(kLongNoticeRow, notice.substr(0, split));
  drawCentredRow(kNoticeRow, notice.substr(split + 1));
}

}  // namespace game
