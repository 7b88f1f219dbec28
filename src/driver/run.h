#pragma once
// One run of Quillop from the command line to the goodbye: banner, options,
// loading, the statistics step, then menu and games until the player exits.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/extras.h"
#include "game/menu.h"
#include "game_record/word_game.h"
#include "lines/line_terminal.h"
#include "rules/daily_result.h"

namespace driver {

using game::Extras;
using game::MenuChoice;

constexpr int kExitSuccess = 0;
constexpr int kExitDictionaryError = 1;  ///< unreadable or unplayable dictionary
constexpr int kExitUsageError = 2;       ///< an option that is not understood

/// The interactive parts a run hands control to. A default GameParts holds
/// the real ones; tests put recorders in their place.
struct GameParts {
  GameParts();
  std::function<void(const containers::WordTable& dictionary, bool escapeLeaves)> showBucketStatistics;
  /// With kDaily, dailyDate is the date whose game the menu offered.
  std::function<MenuChoice(game_record::WordGame&, uint32_t highScore, const Extras&, std::string& dailyDate)>
      runMainMenu;
  std::function<uint32_t(game_record::WordGame&, const Extras&)> playGame;  ///< the game's score
  /// Where line mode reads and writes; null: standard input and output.
  lines::LineTerminal* lineTerminal = nullptr;
};

/// Runs the program with its command line (argument 0 is the name it was
/// invoked by) and returns the exit status. The end of the key input ends
/// the run at once, quietly and with success. Unless -c asks for the classic
/// screens, the games have the extras and codes, the daily game is there,
/// and the best scores and daily results are kept in the player's state
/// folder. When a daily game was played, dailyShared gets the result kept
/// for its date, and the installed terminal its lines to paste, to be
/// written once the terminal is put back (see Terminal::setClosingText).
/// With -l, ACCESSIBLE or TERM=dumb (see lineModeReason) the run is played
/// in lines instead, without the banner, and none of the above waits for a
/// key; its daily result is said in lines, and nothing is written after.
int runQuillop(const std::vector<std::string>& arguments, const GameParts& parts = GameParts(),
               std::optional<rules::DailyResult>* dailyShared = nullptr);

}  // namespace driver
