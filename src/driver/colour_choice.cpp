#include "driver/colour_choice.h"

#include <cstdlib>

#include "console/console.h"
#include "platform/terminal.h"

namespace driver {
namespace {

// The convention is that the variable counts when it is set to anything
// but the empty string.
bool noColourAsked() {
  const char* value = std::getenv("NO_COLOR");
  return value != nullptr && *value != '\0';
}

}  // namespace

bool colourWanted(const Settings& settings, const ColourSurroundings& surroundings) {
  if (settings.classicScreens || !surroundings.showsAttributes) return false;
  switch (settings.colourWhen) {
    case ColourWhen::kAlways: return true;
    case ColourWhen::kNever: return false;
    case ColourWhen::kAuto: break;
  }
  return surroundings.outputIsTerminal && !surroundings.noColourAsked;
}

void chooseColour(const Settings& settings) {
  console::Terminal* terminal = console::installed();
  if (terminal == nullptr) return;
  const ColourSurroundings surroundings{terminal->outputIsTerminal(), terminal->showsAttributes(),
                                        noColourAsked()};
  console::setColourShown(colourWanted(settings, surroundings));
}

}  // namespace driver
