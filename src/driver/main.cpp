#include <string>
#include <vector>

#include "console/console.h"
#include "console/terminal.h"
#include "driver/run.h"

int main(int argc, char* argv[]) {
  int status = 0;
  {
    // Declared first in its block, so it is destroyed last: the terminal is
    // restored after everything the run owns is gone, on every way out, and
    // after the console let go of it with what it had still to show. A
    // daily game's lines to paste go out as it is restored, on the main
    // screen, where they stay in the scrollback to copy.
    auto terminal = console::makePlatformTerminal();
    console::TerminalInstallation installation(*terminal);
    status = driver::runQuillop(std::vector<std::string>(argv, argv + argc));
  }
  return status;
}
