#include "driver/options.h"

#include <optional>
#include <string_view>

#include "rules/game_code.h"

namespace driver {
namespace {

Command endedBy(CommandOutcome outcome, const std::string& argument) {
  Command command;
  command.outcome = outcome;
  command.offendingArgument = argument;
  return command;
}

// -s CODE: the code is checked at once, so a bad one ends the run before
// anything is loaded. Leaves i at the code; false when there is none.
bool takeGameCode(const std::vector<std::string>& arguments, size_t& i, Command& command) {
  const std::string& option = arguments[i];
  if (i + 1 == arguments.size()) {
    command = endedBy(CommandOutcome::kMissingGameCode, option);
    return false;
  }
  const std::optional<std::string> code = rules::parseGameCode(arguments[++i]);
  if (!code) {
    command = endedBy(CommandOutcome::kBadGameCode, arguments[i]);
    return false;
  }
  command.settings.gameCode = *code;
  return true;
}

constexpr std::string_view kColourOption = "--color";

bool isColourOption(const std::string& argument) {
  return argument.starts_with(kColourOption) &&
         (argument.size() == kColourOption.size() || argument[kColourOption.size()] == '=');
}

// --color=WHEN, WHEN spelt in small letters as GNU programs take it.
std::optional<ColourWhen> colourWhen(const std::string& argument) {
  const std::string_view when = std::string_view(argument).substr(kColourOption.size());
  if (when == "=auto") return ColourWhen::kAuto;
  if (when == "=always") return ColourWhen::kAlways;
  if (when == "=never") return ColourWhen::kNever;
  return std::nullopt;
}

// ACCESSIBLE is a switch: set to anything but empty, 0 or false it is on,
// as the shells' and desktops' own settings spell "off" either way.
bool asksForAccess(const char* value) {
  if (value == nullptr) return false;
  const std::string_view text(value);
  return !text.empty() && text != "0" && text != "false";
}

// Only the second character names a short option; the long ones that the
// program takes are spelt out whole.
char optionLetter(const std::string& argument) {
  if (argument == "--lines") return 'l';
  return argument.size() > 1 ? argument[1] : '\0';
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments) {
  Command command;
  Settings& settings = command.settings;
  std::string codeOption;   // the first -s or -d, which the classic game cannot take
  std::string linesOption;  // the first -l, which the classic game cannot take either
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.empty() || argument[0] != '-') continue;
    if (argument == "--help") return endedBy(CommandOutcome::kShowHelp, argument);
    if (argument == "--version") return endedBy(CommandOutcome::kShowVersion, argument);
    if (isColourOption(argument)) {
      const std::optional<ColourWhen> when = colourWhen(argument);
      if (!when) return endedBy(CommandOutcome::kBadColourWhen, argument);
      settings.colourWhen = *when;
      continue;
    }
    switch (optionLetter(argument)) {
      case 'f':
        if (i + 1 == arguments.size()) return endedBy(CommandOutcome::kMissingFileName, argument);
        settings.dictionaryFile = arguments[++i];
        settings.alternateDictionary = true;
        break;
      case 'm': settings.showStatistics = true; break;
      case 'n': settings.noPlay = true; break;
      case 'v': settings.verboseLoading = true; break;
      case 'c': settings.classicScreens = true; break;
      case 's':
        if (!takeGameCode(arguments, i, command)) return command;
        if (codeOption.empty()) codeOption = argument;
        break;
      case 'd':
        settings.dailyGame = true;
        if (codeOption.empty()) codeOption = argument;
        break;
      case 'l':
        settings.lineMode = true;
        if (linesOption.empty()) linesOption = argument;
        break;
      case 'h': return endedBy(CommandOutcome::kShowUsage, argument);
      default: return endedBy(CommandOutcome::kUnrecognisedOption, argument);
    }
  }
  if (settings.classicScreens && !codeOption.empty()) {
    return endedBy(CommandOutcome::kClassicGameCode, codeOption);
  }
  if (settings.classicScreens && !linesOption.empty()) {
    return endedBy(CommandOutcome::kClassicLines, linesOption);
  }
  return command;
}

LineModeReason lineModeReason(const Settings& settings, const char* accessible, const char* term) {
  if (settings.lineMode) return LineModeReason::kOption;
  if (settings.classicScreens) return LineModeReason::kNone;
  if (asksForAccess(accessible)) return LineModeReason::kAccessible;
  if (term != nullptr && std::string_view(term) == "dumb") return LineModeReason::kDumbTerminal;
  return LineModeReason::kNone;
}

}  // namespace driver
