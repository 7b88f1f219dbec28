#include <string>
#include <vector>

#include "console/console.h"
#include "driver/run.h"
#include "platform/terminal.h"

int main(int argc, char* argv[]) {
  // Declared first, so it is destroyed last: the terminal is restored after
  // everything the run owns is gone, on every way out of main.
  auto terminal = console::makePlatformTerminal();
  console::install(terminal.get());
  return driver::runQuillop(std::vector<std::string>(argv, argv + argc));
}
