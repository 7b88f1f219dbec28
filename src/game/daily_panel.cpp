#include "game/daily_panel.h"

#include <string>

#include "console/theme.h"
#include "game/screen.h"
#include "game/title_layout.h"
#include "rules/daily_streaks.h"

namespace game {

namespace {

constexpr const char* kGap = "   ";

std::string counted(uint32_t count, const char* noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

std::string resultText(const rules::DailyResult& result) {
  return "Today: " + counted(result.score, "point") + " in " +
         counted(static_cast<uint32_t>(result.rounds.size()), "round");
}

std::string streakText(const rules::Streaks& streaks) {
  return "Streak: " + counted(streaks.current, "day") + kGap + "Best streak: " + counted(streaks.best, "day");
}

}  // namespace

bool startsDailyGame(int key) { return key == 'd' || key == 'D'; }

void drawDailyRows(const records::DailyStore& store, const std::string& date) {
  const console::Colour daily = console::colourOf(console::Role::kDailyRow);
  drawCentredRow(layout::title::kDailyKeyRow, "D: today's game, " + date, daily);
  const rules::DailyResult* kept = rules::resultOf(store.results(), date);
  const Piece streaks{streakText(rules::streaksOf(store.results(), date)),
                      console::colourOf(console::Role::kStreak)};
  if (kept == nullptr) {
    drawCentredPieces(layout::title::kDailyResultRow, {streaks});
  } else {
    drawCentredPieces(layout::title::kDailyResultRow, {{resultText(*kept), daily}, {kGap}, streaks});
  }
}

}  // namespace game
