#include "driver/options.h"

namespace driver {
namespace {

Command endedBy(CommandOutcome outcome, const std::string& argument) {
  Command command;
  command.outcome = outcome;
  command.offendingArgument = argument;
  return command;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments) {
  Command command;
  Settings& settings = command.settings;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.empty() || argument[0] != '-') continue;
    if (argument == "--help") return endedBy(CommandOutcome::kShowUsage, argument);
    if (argument == "--version") return endedBy(CommandOutcome::kShowVersion, argument);
    switch (argument.size() > 1 ? argument[1] : '\0') {
      case 'f':
        if (i + 1 == arguments.size()) return endedBy(CommandOutcome::kMissingFileName, argument);
        settings.dictionaryFile = arguments[++i];
        settings.alternateDictionary = true;
        break;
      case 'm': settings.showStatistics = true; break;
      case 'n': settings.noPlay = true; break;
      case 'v': settings.verboseLoading = true; break;
      case 'c': settings.classicScreens = true; break;
      case 'h': return endedBy(CommandOutcome::kShowUsage, argument);
      default: return endedBy(CommandOutcome::kUnrecognisedOption, argument);
    }
  }
  return command;
}

}  // namespace driver
