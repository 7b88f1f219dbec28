#pragma once
// The main menu's choices as a value: which item is selected and the time
// per round, 30 to 120 seconds in steps of 30. Up and Down move the
// selection and stop at the ends; Left and Right change the time while it
// is selected and stop at its ends.

#include <cstdint>

namespace rules {

enum class MenuItem : uint16_t { kPlay, kTime, kExit };
enum class MenuMove { kUp, kDown, kLeft, kRight };

constexpr uint16_t kShortestTime = 30;
constexpr uint16_t kLongestTime = 120;
constexpr uint16_t kTimeStep = 30;
/// The time per round of a round that ends only when the player asks.
/// Such games keep no records and no daily result.
constexpr uint16_t kNoLimit = 0;

struct MenuChoices {
  MenuItem selected = MenuItem::kPlay;
  uint16_t seconds = 60;  ///< per round
  /// Right after kLongestTime gives kNoLimit (and Left goes back); the
  /// classic screens do not offer it.
  bool offersNoLimit = false;

  void move(MenuMove move);
  /// Enter chooses the item selected, except the time, which it leaves.
  bool enterChooses() const { return selected != MenuItem::kTime; }
};

}  // namespace rules
