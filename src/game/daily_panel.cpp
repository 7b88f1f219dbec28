#include "game/daily_panel.h"

#include <string>

#include "game/screen.h"
#include "game/title_layout.h"

namespace game {

namespace {

constexpr const char* kGap = "   ";

std::string counted(uint32_t count, const char* noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

std::string resultText(const daily::Result& result) {
  return "Today: " + counted(result.score, "point") + " in " +
         counted(static_cast<uint32_t>(result.rounds.size()), "round");
}

std::string streakText(const daily::Streaks& streaks) {
  return "Streak: " + counted(streaks.current, "day") + kGap + "Best streak: " + counted(streaks.best, "day");
}

}  // namespace

bool startsDailyGame(int key) { return key == 'd' || key == 'D'; }

void drawDailyRows(const daily::Store& store) {
  const std::string today = store.today();
  drawCentredRow(layout::title::kDailyKeyRow, "D: today's game, " + today);
  const daily::Result* kept = daily::resultOf(store.results(), today);
  const std::string streaks = streakText(daily::streaksOf(store.results(), today));
  drawCentredRow(layout::title::kDailyResultRow,
                 kept == nullptr ? streaks : resultText(*kept) + kGap + streaks);
}

}  // namespace game
