#include "game/daily_panel.h"

#include <string>

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

void drawDailyRows(const records::DailyStore& store) {
  const std::string today = store.today();
  drawCentredRow(layout::title::kDailyKeyRow, "D: today's game, " + today);
  const rules::DailyResult* kept = rules::resultOf(store.results(), today);
  const std::string streaks = streakText(rules::streaksOf(store.results(), today));
  drawCentredRow(layout::title::kDailyResultRow,
                 kept == nullptr ? streaks : resultText(*kept) + kGap + streaks);
}

}  // namespace game
