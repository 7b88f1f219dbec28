#pragma once
// What each thing on the screens is coloured, by its role: the one table of
// the program's look, kept with the console so that every face (the game's
// screens, the statistics view) takes its colours from it.
//
// Only the terminal's own sixteen colours and bold, never a background, so
// the player's scheme stays; the default foreground where a colour would
// add nothing. Colour is never the only sign of anything: every role also
// shows in words, places or characters. Taken and refused words are blue
// and magenta, which stay apart for the common kinds of colour blindness, as
// red and green do not. None is white or black, which one background or the
// other hides, nor yellow or cyan, which a light background all but hides;
// blue is bold where it marks something, as plain blue is dim on a dark one.
//
// The typed word is bold like the letters it was taken from. It changes
// with every key, yet costs only its letters: the presenter keeps the
// terminal's pen from one update to the next.

#include <cstddef>
#include <iterator>

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

struct ThemeEntry {
  Role role;
  Colour colour;
};

/// The theme: the colour of each role, in the order of the roles.
inline constexpr ThemeEntry kTheme[] = {
    {Role::kLetters, {Palette::kDefault, true}},   {Role::kTyped, {Palette::kDefault, true}},
    {Role::kTimeLeft, {Palette::kDefault, false}}, {Role::kTimeRunningOut, {Palette::kRed, true}},
    {Role::kWordTaken, {Palette::kBlue, true}},    {Role::kWordRefused, {Palette::kMagenta, true}},
    {Role::kBanner, {Palette::kMagenta, true}},    {Role::kLengthAllFound, {Palette::kBlue, true}},
    {Role::kReviewFound, {Palette::kBlue, true}},  {Role::kReviewMissed, {Palette::kMagenta, false}},
    {Role::kNewRecord, {Palette::kMagenta, true}}, {Role::kDailyRow, {Palette::kBlue, true}},
    {Role::kStreak, {Palette::kMagenta, false}},   {Role::kBarLow, {Palette::kCyan, false}},
    {Role::kBarMiddle, {Palette::kBlue, false}},   {Role::kBarHigh, {Palette::kMagenta, false}},
    {Role::kGameOver, {Palette::kRed, true}},
};

// Every role has its entry, at its own place, so a lookup is an index.
constexpr bool everyRoleInPlace() {
  for (size_t i = 0; i < std::size(kTheme); ++i) {
    if (static_cast<size_t>(kTheme[i].role) != i) return false;
  }
  return std::size(kTheme) == static_cast<size_t>(Role::kGameOver) + 1;
}
static_assert(everyRoleInPlace(), "the theme lists each role once, in order");

constexpr Colour colourOf(Role role) { return kTheme[static_cast<size_t>(role)].colour; }

/// Colours what is written during its life in the colour of role.
class RoleScope : public ColourScope {
 public:
  explicit RoleScope(Role role) : ColourScope(colourOf(role)) {}
};

}  // namespace console
