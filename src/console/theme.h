#pragma once
// What each thing on the screens is coloured, by its role: the one table of
// the program's look, kept with the console so that every face (the game's
// screens, the statistics view) takes its colours from it.
//
// Only the terminal's own sixteen colours and bold, never a background, so
// the player's scheme stays; the default foreground where a colour would
// add nothing. Colour is never the only sign of anything: every role also
// shows in words, places or characters. Taken and refused words are blue
// and yellow, which stay apart for the common kinds of colour blindness, as
// red and green do not. None is white or black, which one background or the
// other hides.

#include "console/console.h"

namespace console {

enum class Role {
  kLetters,         ///< the letters on show
  kTyped,           ///< the word being typed
  kTimeLeft,        ///< the time left
  kTimeRunningOut,  ///< the time left in its last ten seconds
  kWordTaken,       ///< the answer to a word that scored
  kWordRefused,     ///< the answer to a word that did not
  kBanner,          ///< the banner of a round with a six-letter word found
  kLengthAllFound,  ///< a length in the counts row whose words are all found
  kReviewFound,     ///< a found word in the review of a round
  kReviewMissed,    ///< a missed word in the review of a round
  kNewRecord,       ///< the title screen's line for a new best score
  kDailyRow,        ///< the title screen's rows of the daily game
  kStreak,          ///< the streaks of days played
  kBarLow,          ///< a statistics bar up to a third of the fullest
  kBarMiddle,       ///< a statistics bar up to two thirds of the fullest
  kBarHigh,         ///< a statistics bar above two thirds of the fullest
  kGameOver,        ///< the line that says the game is over
};

/// The theme: the colour of each role.
constexpr Colour colourOf(Role role) {
  switch (role) {
    case Role::kLetters: return {Palette::kDefault, true};
    case Role::kTyped: return {Palette::kCyan, false};
    case Role::kTimeLeft: return {Palette::kDefault, false};
    case Role::kTimeRunningOut: return {Palette::kRed, true};
    case Role::kWordTaken: return {Palette::kBlue, true};
    case Role::kWordRefused: return {Palette::kYellow, true};
    case Role::kBanner: return {Palette::kCyan, true};
    case Role::kLengthAllFound: return {Palette::kBlue, false};
    case Role::kReviewFound: return {Palette::kBlue, false};
    case Role::kReviewMissed: return {Palette::kYellow, false};
    case Role::kNewRecord: return {Palette::kMagenta, true};
    case Role::kDailyRow: return {Palette::kCyan, false};
    case Role::kStreak: return {Palette::kMagenta, false};
    case Role::kBarLow: return {Palette::kCyan, false};
    case Role::kBarMiddle: return {Palette::kBlue, false};
    case Role::kBarHigh: return {Palette::kMagenta, false};
    case Role::kGameOver: return {Palette::kRed, true};
  }
  return {};
}

/// Colours what is written during its life in the colour of role.
class RoleScope : public ColourScope {
 public:
  explicit RoleScope(Role role) : ColourScope(colourOf(role)) {}
};

}  // namespace console
