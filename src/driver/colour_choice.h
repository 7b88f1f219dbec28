#pragma once
// Whether the full screen is in colour: the command line's --color=WHEN,
// the classic screens, where the output goes and the NO_COLOR convention.

#include "driver/options.h"

namespace driver {

/// What decides colour besides the command line.
struct ColourSurroundings {
  bool outputIsTerminal = false;  ///< standard output is a terminal or a console
  bool showsAttributes = true;    ///< false on a terminal that says it is dumb
  bool noColourAsked = false;     ///< NO_COLOR is set and not empty
};

/// Never with the classic screens (-c), whose screens stay as they always
/// were, nor on a dumb terminal, which would print the sequences as text;
/// otherwise --color=always and --color=never decide, and --color=auto
/// colours a terminal unless NO_COLOR asks for none.
bool colourWanted(const Settings& settings, const ColourSurroundings& surroundings);

/// Reads the surroundings from the installed terminal and the environment,
/// and turns the console's colour on or off for the run.
void chooseColour(const Settings& settings);

}  // namespace driver
