#include "driver/options.h"

#include "game/game_code.h"

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
  std::string codeOption;  // the first -s or -d, which the classic game cannot take
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.empty() || argument[0] != '-') continue;
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
      case 's': {
        if (i + 1 == arguments.size()) return endedBy(CommandOutcome::kMissingGameCode, argument);
        const std::optional<std::string> code = parseGameCode(arguments[++i]);
        if (!code) return endedBy(CommandOutcome::kBadGameCode, arguments[i]);
        settings.gameCode = *code;
        if (codeOption.empty()) codeOption = argument;
        break;
      }
      case 'd':
        settings.dailyGame = true;
        if (codeOption.empty()) codeOption = argument;
        break;
      case 'h': return endedBy(CommandOutcome::kShowUsage, argument);
      default: return endedBy(CommandOutcome::kUnrecognisedOption, argument);
    }
  }
  if (settings.classicScreens && !codeOption.empty()) return endedBy(CommandOutcome::kClassicGameCode, codeOption);
  return command;
}

}  // namespace driver
