#pragma once
// The driver's own texts: banner, usage, the ERROR block, the prompts and
// the goodbye. Each writes to std::cout; "line end" below means
// console::lineEnd().

#include <string>
#include <string_view>

#include "dictionary/loader.h"
#include "driver/options.h"
#include "rules/daily_result.h"

namespace driver {

/// text with each control byte (0 to 31, 127) written as an escape: \n,
/// \t, \r, or three octal digits such as \033. A file name or an option
/// typed by the user goes through this before it is shown, so it cannot
/// move the cursor, retitle the window or break a line.
std::string printable(std::string_view text);

/// The credit line, the version line and an empty line, with bare newlines.
void writeBanner();
/// "quillop" and the program's version, then a line end.
void writeVersion();
/// The options, introduced by the name the program was invoked by.
void writeUsage(const std::string& programName);
/// The usage text, then the options and the environment it never named:
/// what --help shows.
void writeHelp(const std::string& programName);
/// What ended parsing early, an empty line and the usage text.
void writeCommandLineError(const Command& command, const std::string& programName);
void writeLoadingLine(const Settings& settings);

/// Shows what the dictionary's loader tells as it comes: its text as it
/// is, each of its lines ended with a line end.
class LoadMessages : public dictionary::LoadObserver {
 public:
  void tell(std::string_view text) override;
  void endLine() override;
  void showNow() override;
};
/// Six lines that point the user at the error message above them.
void writeErrorBlock();
void writeNoPlayableWord();
void writeStatisticsPrompt();
/// Clears the screen and writes the farewell and the closing key prompt.
void writeGoodbye();
/// Has the daily result's lines to paste written once the terminal is put
/// back, at the end of the run or when a signal ends it, with bars of
/// squares where the statistics view's bars are of squares, else of '#' and
/// '.'. Where no terminal is installed they are written at once.
void writeDailyShareAtTheEnd(const rules::DailyResult& result);

}  // namespace driver
