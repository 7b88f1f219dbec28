#pragma once
// What the game adds to the classic screens: the live word counts and the
// feedback on each word in a round, the review of a round's words at its
// end with what its words mean, the best scores kept from run to run, the
// game's code and the daily game. All of it sits in rows the classic screens
// leave empty or behind keys that do nothing there, and the default, all
// off, gives the classic screens byte for byte.

#include <string>

namespace records {
class Store;
class DailyStore;
class DailyPlay;
}  // namespace records
namespace dictionary {
class MeaningsOnDemand;
}

namespace game {

struct Extras {
  bool shown = false;                 ///< counts, feedback and the review
  records::Store* records = nullptr;  ///< the lasting best scores; none when null
  /// The game's code, from which its rounds draw their words; empty: the
  /// classic game's draws from std::rand.
  std::string code = {};
  /// The daily rows and key of the title screen; none when null.
  records::DailyStore* dailyResults = nullptr;
  records::DailyPlay* dailyPlay = nullptr;  ///< while the daily game is played
  /// What words mean, in the review and for the word of a lost round; none when null.
  dictionary::MeaningsOnDemand* meanings = nullptr;
};

}  // namespace game
