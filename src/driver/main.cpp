#include "console/console.h"
#include "console/posix_terminal.h"

// PLACEHOLDER: replaced by the real driver.
int main() {
  console::PosixTerminal terminal;
  console::install(&terminal);
  return 0;
}
