#pragma once
// The command line: which dictionary to load, how to report loading, and
// what follows it.

#include <string>
#include <vector>

namespace driver {

constexpr const char* kDefaultDictionary = "engldict.txt";

/// --color=WHEN: when the full screen is in colour.
enum class ColourWhen {
  kAuto,    ///< on a terminal that shows colour, unless NO_COLOR is set
  kAlways,  ///< also into a pipe or a file, and whatever NO_COLOR says
  kNever,
};

struct Settings {
  std::string dictionaryFile = kDefaultDictionary;  ///< a path used exactly as typed
  bool alternateDictionary = false;                 ///< -f gave the file
  bool showStatistics = false;                      ///< -m: the statistics view without asking
  bool noPlay = false;                              ///< -n: end after the statistics step
  bool verboseLoading = false;                      ///< -v: word-by-word progress
  /// -c: the classic screens, without word counts, feedback, the round
  /// review and lasting records. Left out of the usage text, which stays as
  /// it always was.
  bool classicScreens = false;
  /// -s CODE: every game of the run plays the words of this code (in
  /// capitals); empty: each game gets a new code.
  std::string gameCode;
  bool dailyGame = false;  ///< -d: the daily game at once, before the menu
  /// The classic screens (-c) have no colour, whatever this says.
  ColourWhen colourWhen = ColourWhen::kAuto;
  bool lineMode = false;  ///< -l or --lines: the game in plain lines of text
};

/// Why the game is played in lines, if it is.
enum class LineModeReason {
  kNone,          ///< the full-screen game
  kOption,        ///< -l or --lines
  kAccessible,    ///< ACCESSIBLE set to anything but empty, 0 or false
  kDumbTerminal,  ///< TERM=dumb
};

enum class CommandOutcome {
  kRun,
  kShowUsage,    ///< -h: the list of options as it always was
  kShowHelp,     ///< --help: that list, and the options it never named
  kShowVersion,  ///< --version
  kUnrecognisedOption,
  kMissingFileName,  ///< -f was the last argument
  kMissingGameCode,  ///< -s was the last argument
  kBadGameCode,      ///< -s was given something that is not a game code
  kClassicGameCode,  ///< -s or -d with -c, whose classic game has neither
  kBadColourWhen,    ///< --color without auto, always or never after '='
  kClassicLines,     ///< -l with -c: the classic game is the classic screens
};

struct Command {
  CommandOutcome outcome = CommandOutcome::kRun;
  Settings settings;
  /// The argument that ended parsing early, exactly as typed (the code
  /// itself for kBadGameCode).
  std::string offendingArgument;
};

/// Reads arguments 1 onwards, left to right. An argument that does not
/// begin with '-' is ignored; of one that does, only the second character
/// counts, so -verbose acts as -v, except for --help, --version,
/// --color=WHEN and --lines (which is -l), which count only spelt out
/// whole. The first option that ends the run ends parsing, and the
/// arguments after it are never looked at.
Command parseCommandLine(const std::vector<std::string>& arguments);

/// Whether a run with settings plays in lines, given the environment's
/// ACCESSIBLE and TERM (null when unset). The option wins; the environment
/// asks for lines only where the classic screens were not asked for, as a
/// player who names -c wants exactly those.
LineModeReason lineModeReason(const Settings& settings, const char* accessible, const char* term);

}  // namespace driver
