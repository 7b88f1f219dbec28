#include "game/menu.h"

#include <iostream>
#include <string>

#include "console/console.h"
#include "game/daily_panel.h"
#include "game/records_panel.h"
#include "game/screen.h"

namespace {

constexpr const char* kMenuHelp = "Up/Down: Choose   Left/Right: Change Time   Enter: Select";
constexpr const char* kArrow = "-> ";
constexpr uint16_t kFirstItemRow = 8;
constexpr uint16_t kSelectedColumn = 34;
constexpr uint16_t kItemColumn = 37;
constexpr size_t kBlankedWidth = 78;

constexpr uint16_t kPlay = 0;
constexpr uint16_t kTime = 1;
constexpr uint16_t kExit = 2;

constexpr uint16_t kShortestTime = 30;
constexpr uint16_t kLongestTime = 120;
constexpr uint16_t kTimeStep = 30;

std::string timeText(uint16_t seconds, bool selected) {
  const std::string number = std::to_string(seconds);
  if (selected) return std::string(kArrow) + "Time to Play: < " + number + " seconds >";
  return "Time to Play:   " + number + " seconds";
}

std::string itemText(const WordGame& game, uint16_t item, bool selected) {
  if (item == kTime) return timeText(game.timeToPlay, selected);
  const std::string name = item == kPlay ? "Play!" : "Exit";
  return selected ? kArrow + name : name;
}

void drawItems(const WordGame& game, uint16_t selection) {
  for (uint16_t item = kPlay; item <= kExit; ++item) {
    const auto row = static_cast<uint16_t>(kFirstItemRow + item);
    const bool selected = item == selection;
    console::moveCursor(0, row);
    std::cout << std::string(kBlankedWidth, ' ');
    console::moveCursor(selected ? kSelectedColumn : kItemColumn, row);
    std::cout << itemText(game, item, selected);
  }
}

void changeTime(WordGame& game, int arrow) {
  if (arrow == console::kRight && game.timeToPlay != kLongestTime) game.timeToPlay += kTimeStep;
  if (arrow == console::kLeft && game.timeToPlay != kShortestTime) game.timeToPlay -= kTimeStep;
}

void applyArrow(WordGame& game, uint16_t& selection, int arrow) {
  if (arrow == console::kDown && selection < kExit) ++selection;
  if (arrow == console::kUp && selection > kPlay) --selection;
  if (selection == kTime) changeTime(game, arrow);
}

// One notice a menu: the best scores' first, the daily results' at a later
// menu.
void drawNotice(const Extras& extras) {
  if (extras.records == nullptr && extras.dailyResults == nullptr) return;
  std::string notice = extras.records == nullptr ? std::string() : extras.records->takeNotice();
  if (notice.empty() && extras.dailyResults != nullptr) notice = extras.dailyResults->takeNotice();
  drawRecordsNotice(notice);
}

}  // namespace

MenuChoice runMainMenu(WordGame& game, uint32_t highScore, const Extras& extras) {
  console::clearScreen();
  drawTitleScreen(game, highScore);
  drawBottomBanner(kMenuHelp);
  // A notice too long for one row takes the daily result's row, for the
  // one menu that shows it.
  if (extras.dailyResults != nullptr) drawDailyRows(*extras.dailyResults);
  drawNotice(extras);
  uint16_t selection = kPlay;
  for (;;) {
    drawItems(game, selection);
    if (extras.records != nullptr) drawBestScores(*extras.records, game.timeToPlay);
    const int key = console::readKey();
    if (key == console::kExtendedKey) {
      applyArrow(game, selection, console::readKey());
    } else if (key == console::kEnter && selection != kTime) {
      return selection == kPlay ? MenuChoice::kPlay : MenuChoice::kExit;
    } else if (extras.dailyResults != nullptr && startsDailyGame(key)) {
      return MenuChoice::kDaily;
    }
  }
}
