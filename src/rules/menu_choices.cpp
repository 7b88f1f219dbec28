#include "rules/menu_choices.h"

namespace rules {
namespace {

void changeTime(uint16_t& seconds, MenuMove move, bool offersNoLimit) {
  if (seconds == kNoLimit) {
    if (move == MenuMove::kLeft) seconds = kLongestTime;
    return;
  }
  if (move == MenuMove::kRight && seconds == kLongestTime && offersNoLimit) {
    seconds = kNoLimit;
    return;
  }
  if (move == MenuMove::kRight && seconds != kLongestTime) seconds += kTimeStep;
  if (move == MenuMove::kLeft && seconds != kShortestTime) seconds -= kTimeStep;
}

}  // namespace

void MenuChoices::move(MenuMove move) {
  if (move == MenuMove::kDown && selected != MenuItem::kExit) {
    selected = static_cast<MenuItem>(static_cast<uint16_t>(selected) + 1);
  }
  if (move == MenuMove::kUp && selected != MenuItem::kPlay) {
    selected = static_cast<MenuItem>(static_cast<uint16_t>(selected) - 1);
  }
  if (selected == MenuItem::kTime) changeTime(seconds, move, offersNoLimit);
}

}  // namespace rules
