#pragma once
// What must hold whenever the program waits for or tests a key, checked on
// the game record and on the screen the player sees. A breach aborts with
// a message and the screen, which libFuzzer reports as a crash.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/screen_grid.h"
#include "game_record/word_game.h"

namespace fuzz {

/// The interactive part running; the fuzz target tells the checks when
/// each one starts and ends.
enum class Stage { kDriver, kStatistics, kMenu, kGame };

class GameInvariants {
 public:
  /// The stage now running on game. A game starts again from a score of 0.
  void enter(Stage stage, const game_record::WordGame& game);
  /// The statistics view, which sees the dictionary alone, not the game.
  void enterStatistics() { stage_ = Stage::kStatistics; }
  void leave() { stage_ = Stage::kDriver; }

  /// Checks the game and the screen as they are now; waitsForKey: the
  /// program blocks until a key is typed.
  void check(const console::ScreenGrid& screen, bool waitsForKey);

 private:
  void checkStatistics(const console::ScreenGrid& screen) const;
  void checkRound(const console::ScreenGrid& screen, bool waitsForKey);
  void checkTypedInput(std::string_view typed, const console::ScreenGrid& screen) const;

  Stage stage_ = Stage::kDriver;
  const game_record::WordGame* game_ = nullptr;
  uint32_t lastScore_ = 0;
  std::string row_;  ///< a row of the screen being checked
};

}  // namespace fuzz
