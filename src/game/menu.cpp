#include "game/menu.h"

#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "console/console.h"
#include "game/daily_panel.h"
#include "game/records_panel.h"
#include "game/screen.h"
#include "game/title_layout.h"
#include "records/daily_store.h"
#include "rules/menu_choices.h"

namespace game {

namespace {

constexpr const char* kMenuHelp = "Up/Down: Choose   Left/Right: Change Time   Enter: Select";
constexpr const char* kArrow = "-> ";
constexpr size_t kBlankedWidth = 78;
// How often a menu that offers the daily game looks at the date while it
// waits for a key, so that the title never offers a day that is over.
constexpr uint32_t kDateLookMs = 1000;

using rules::MenuItem;
using rules::MenuMove;
namespace rows = layout::title;

std::string timeText(uint16_t seconds, bool selected) {
  const std::string number = seconds == rules::kNoLimit ? "no limit" : std::to_string(seconds) + " seconds";
  if (selected) return std::string(kArrow) + "Time to Play: < " + number + " >";
  return "Time to Play:   " + number;
}

std::string itemText(const rules::MenuChoices& menu, MenuItem item, bool selected) {
  if (item == MenuItem::kTime) return timeText(menu.seconds, selected);
  const std::string name = item == MenuItem::kPlay ? "Play!" : "Exit";
  return selected ? kArrow + name : name;
}

void drawItems(const rules::MenuChoices& menu) {
  for (auto item : {MenuItem::kPlay, MenuItem::kTime, MenuItem::kExit}) {
    const auto row = static_cast<uint16_t>(rows::kFirstItemRow + static_cast<uint16_t>(item));
    const bool selected = item == menu.selected;
    console::moveCursor(0, row);
    std::cout << std::string(kBlankedWidth, ' ');
    console::moveCursor(selected ? rows::kSelectedColumn : rows::kItemColumn, row);
    std::cout << itemText(menu, item, selected);
  }
}

// The arrow keys' codes; any other extended key moves nothing.
std::optional<MenuMove> moveOf(int code) {
  switch (code) {
    case console::kUp: return MenuMove::kUp;
    case console::kDown: return MenuMove::kDown;
    case console::kLeft: return MenuMove::kLeft;
    case console::kRight: return MenuMove::kRight;
    default: return std::nullopt;
  }
}

// One notice a menu: the best scores' first, the daily results' at a later
// menu.
void drawNotice(const Extras& extras) {
  if (extras.records == nullptr && extras.dailyResults == nullptr) return;
  std::string notice = extras.records == nullptr ? std::string() : extras.records->takeNotice();
  if (notice.empty() && extras.dailyResults != nullptr) notice = extras.dailyResults->takeNotice();
  drawRecordsNotice(notice);
}

// The daily rows follow the date: at midnight they offer the new day's
// game, with its result and streaks.
void followDate(const records::DailyStore& results, std::string& shownDate) {
  std::string today = results.today();
  if (today == shownDate) return;
  shownDate = std::move(today);
  drawDailyRows(results, shownDate);
}

// With the daily rows, the wait for a key is cut into waits of at most
// kDateLookMs, each a sleep, with a look at the date after each.
int readMenuKey(const records::DailyStore* results, std::string& shownDate) {
  if (results != nullptr) {
    while (!console::keyArrivesWithin(kDateLookMs)) followDate(*results, shownDate);
  }
  return console::readKey();
}

}  // namespace

MenuChoice runMainMenu(game_record::WordGame& game, uint32_t highScore, const Extras& extras,
                       std::string* dailyDate) {
  console::clearScreen();
  drawTitleScreen(game, highScore);
  drawBottomBanner(kMenuHelp);
  // A notice too long for one row takes the daily result's row, for the
  // one menu that shows it.
  std::string shownDate;
  if (extras.dailyResults != nullptr) followDate(*extras.dailyResults, shownDate);
  drawNotice(extras);
  rules::MenuChoices menu{MenuItem::kPlay, game.timeToPlay, extras.shown};
  for (;;) {
    drawItems(menu);
    if (extras.records != nullptr) drawBestScores(*extras.records, game.timeToPlay);
    const int key = readMenuKey(extras.dailyResults, shownDate);
    if (key == console::kExtendedKey) {
      if (const std::optional<MenuMove> move = moveOf(console::readKey())) menu.move(*move);
      game.timeToPlay = menu.seconds;
    } else if (key == console::kEnter && menu.enterChooses()) {
      return menu.selected == MenuItem::kPlay ? MenuChoice::kPlay : MenuChoice::kExit;
    } else if (extras.dailyResults != nullptr && startsDailyGame(key)) {
      if (dailyDate != nullptr) *dailyDate = shownDate;
      return MenuChoice::kDaily;
    }
  }
}

}  // namespace game
