#include "driver/colour_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "driver/options.h"
#include "support/fake_terminal.h"
#include "support/scoped_environment.h"

namespace {

using driver::ColourWhen;

// Every way colour is decided, as a table: the option, the classic screens,
// a terminal or a pipe, a dumb terminal, and NO_COLOR.
TEST(ColourChoice, WhenTheScreensAreInColour) {
  struct Case {
    ColourWhen when;
    bool classic;
    bool terminal;
    bool dumb;
    bool noColour;
    bool wanted;
  };
  const std::vector<Case> cases = {
      {ColourWhen::kAuto, false, true, false, false, true},     // a terminal
      {ColourWhen::kAuto, false, false, false, false, false},   // a pipe
      {ColourWhen::kAuto, false, true, false, true, false},     // NO_COLOR
      {ColourWhen::kAuto, false, true, true, false, false},     // TERM=dumb
      {ColourWhen::kAuto, true, true, false, false, false},     // -c
      {ColourWhen::kAlways, false, false, false, false, true},  // forced into a pipe
      {ColourWhen::kAlways, false, true, false, true, true},    // the option before NO_COLOR
      {ColourWhen::kAlways, false, true, true, false, false},   // a dumb terminal prints no sequence
      {ColourWhen::kAlways, true, true, false, false, false},   // -c stays as it always was
      {ColourWhen::kNever, false, true, false, false, false},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    driver::Settings settings;
    settings.colourWhen = c.when;
    settings.classicScreens = c.classic;
    const driver::ColourSurroundings surroundings{c.terminal, !c.dumb, c.noColour};
    EXPECT_EQ(driver::colourWanted(settings, surroundings), c.wanted) << "case " << i;
  }
}

// NO_COLOR counts when set to anything but the empty string.
TEST(ColourChoice, ReadsTheTerminalAndNoColor) {
  struct Case {
    std::optional<std::string> noColour;
    bool outputTerminal;
    bool shown;
  };
  for (const Case& c : {Case{std::nullopt, true, true}, Case{"", true, true}, Case{"1", true, false},
                        Case{"0", true, false}, Case{std::nullopt, false, false}}) {
    support::ScopedEnvironment noColour("NO_COLOR", c.noColour);
    support::FakeTerminal terminal;
    terminal.outputTerminal = c.outputTerminal;
    driver::chooseColour(driver::Settings{});
    EXPECT_EQ(console::colourShown(), c.shown) << c.noColour.value_or("unset") << c.outputTerminal;
  }
}

}  // namespace
