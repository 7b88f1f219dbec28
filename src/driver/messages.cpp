#include "driver/messages.h"

#include <iostream>

#include "console/console.h"
#include "rules/daily_paste.h"
#include "stats/statistics_viewer.h"

namespace driver {
namespace {

constexpr const char* kErrorRule =
    "ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR! ERROR!";

bool isControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7f; }

std::string escaped(unsigned char byte) {
  switch (byte) {
    case '\n': return "\\n";
    case '\t': return "\\t";
    case '\r': return "\\r";
    default: break;
  }
  return {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
          static_cast<char>('0' + (byte & 7))};
}

void writeLine(const std::string& text) {
  std::cout << text;
  console::lineEnd();
}

std::string commandLineProblem(CommandOutcome outcome) {
  switch (outcome) {
    case CommandOutcome::kMissingFileName: return "MISSING FILE NAME AFTER OPTION: ";
    case CommandOutcome::kMissingGameCode: return "MISSING GAME CODE AFTER OPTION: ";
    case CommandOutcome::kBadGameCode: return "NOT A GAME CODE (6 OF 0-9 AND A-Z WITHOUT I, L, O, U): ";
    case CommandOutcome::kClassicGameCode: return "THE CLASSIC GAME (-c) HAS NO GAME CODES: ";
    case CommandOutcome::kBadColourWhen: return "COLOR MUST BE --color=auto, always OR never: ";
    case CommandOutcome::kClassicLines: return "THE CLASSIC GAME (-c) HAS NO LINE MODE: ";
    default: return "UNRECOGNISED OPTION: ";
  }
}

// Without its last line end, which -h and --help write each after their own.
void writeOptionList(const std::string& programName) {
  std::cout << "Usage:\n"
            << "   " << printable(programName) << " [arguments]\n\n"
            << "Options:\n"
            << "   -h             Prints argument list\n"
            << "   -m             Shows hash bucket status after loading\n"
            << "   -f filename    Use a user-specified dictionary file\n"
            << "   -n             Does not start the game\n"
            << "                  (useful with --memory-statistics flag)\n"
            << "   -v             Output loading statistics";
}

}  // namespace

void LoadMessages::tell(std::string_view text) {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void LoadMessages::endLine() { console::lineEnd(); }

void LoadMessages::showNow() { std::cout << std::flush; }

std::string printable(std::string_view text) {
  std::string shown;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    shown += isControlByte(byte) ? escaped(byte) : std::string(1, c);
  }
  return shown;
}

void writeBanner() {
  std::cout << "Quillop - a timed anagram word game\n"
            << "Version " << QUILLOP_VERSION << "\n"
            << "\n";
}

void writeVersion() { writeLine(std::string("quillop ") + QUILLOP_VERSION); }

void writeUsage(const std::string& programName) {
  writeOptionList(programName);
  console::lineEnd();
}

// -h prints the usage text as it always was; the options and variables it
// never named follow it only here.
void writeHelp(const std::string& programName) {
  writeOptionList(programName);
  std::cout << "\n"
            << "   --color=WHEN   Colours the screens: auto (on a terminal, the default),\n"
            << "                  always or never; -c has no colour\n"
            << "   -c             The classic screens: no counts, codes, colour or records\n"
            << "   -s CODE        Plays the words of a game code\n"
            << "   -d             Plays today's daily game at once\n"
            << "   -l, --lines    Plays in plain lines of text, for screen readers, braille\n"
            << "                  displays, dumb terminals and scripts (not with -c)\n"
            << "   --help         Prints this list\n"
            << "   --version      Prints the version\n"
            << "\n"
            << "Environment:\n"
            << "   NO_COLOR       Set and not empty: no colour unless --color=always\n"
            << "   ACCESSIBLE     Set, and not empty, 0 or false: line mode unless -c\n"
            << "   TERM           dumb: line mode unless -c";
  console::lineEnd();
}

void writeCommandLineError(const Command& command, const std::string& programName) {
  writeLine(commandLineProblem(command.outcome) + printable(command.offendingArgument));
  console::lineEnd();
  writeUsage(programName);
}

void writeLoadingLine(const Settings& settings) {
  writeLine(std::string("Loading ") + (settings.alternateDictionary ? "alternate " : "default ") +
            "dictionary: " + printable(settings.dictionaryFile));
}

void writeErrorBlock() {
  console::lineEnd();
  writeLine(kErrorRule);
  writeLine("An error has occured, please check the above error for what whent wrong.    ");
  writeLine("If you believe that this is a bug, please contact the program's creator.    ");
  writeLine(kErrorRule);
  console::lineEnd();
}

void writeNoPlayableWord() { writeLine("Error: The dictionary holds no six-letter word to play with"); }

void writeStatisticsPrompt() {
  writeLine("Press 'S' to view memory statistics, or any other key to continue...");
}

void writeGoodbye() {
  console::clearScreen();
  writeLine("Thank you for playing Quillop!");
  console::lineEnd();
  std::cout << "Press any key to continue...";
}

void writeDailyShareAtTheEnd(const rules::DailyResult& result) {
  const std::string lines = rules::shareLines(result, stats::filledBarCell() != "#");
  if (console::Terminal* terminal = console::installed()) {
    terminal->setClosingText(lines);
  } else {
    std::cout << lines << std::flush;
  }
}

}  // namespace driver
