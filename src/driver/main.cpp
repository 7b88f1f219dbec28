#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/terminal.h"
#include "driver/messages.h"
#include "driver/run.h"
#include "rules/daily_result.h"

int main(int argc, char* argv[]) {
  std::optional<rules::DailyResult> dailyShared;
  int status = 0;
  {
    // Declared first in its block, so it is destroyed last: the terminal is
    // restored after everything the run owns is gone, on every way out, and
    // after the console let go of it with what it had still to show.
    auto terminal = console::makePlatformTerminal();
    console::TerminalInstallation installation(*terminal);
    status =
        driver::runQuillop(std::vector<std::string>(argv, argv + argc), driver::GameParts(), &dailyShared);
  }
  // Written to the main screen once the program's own is gone, so the lines
  // stay in the terminal's scrollback to copy. With no terminal installed
  // any more, the bar's cells follow the locale, which now alone decides
  // what the screen shows of the bytes written.
  if (dailyShared) driver::writeDailyShare(*dailyShared);
  return status;
}
