// A test program that uses the console layer the way the game does, for the
// real-terminal tests: it prints a line, waits for a key, clears the screen,
// then shows each key code it reads on a row of its own until 'q'.
//
//   console_probe [--delay MS] [--pid-file PATH]
//
// --delay waits MS milliseconds before the first key read, so keys can be
// typed ahead; --pid-file names a file to receive the process id, so a test
// can signal exactly this process.

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "console/console.h"
#include "platform/posix/terminal.h"

namespace {

constexpr uint16_t kFirstKeyRow = 1;
constexpr uint16_t kKeyRows = 23;

struct Options {
  uint32_t delayMs = 0;
  std::string pidFile;
};

Options parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string name = argv[i];
    if (name == "--delay") options.delayMs = static_cast<uint32_t>(std::atoi(argv[i + 1]));
    if (name == "--pid-file") options.pidFile = argv[i + 1];
  }
  return options;
}

void showKeys(int firstKey) {
  console::clearScreen();
  std::cout << "probe keys, first " << firstKey;
  for (int count = 1;; ++count) {
    int code = console::readKey();
    console::moveCursor(0, static_cast<uint16_t>(kFirstKeyRow + (count - 1) % kKeyRows));
    std::cout << count << " key " << code << "        ";
    if (code == 'q') return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options = parseOptions(argc, argv);
  if (!options.pidFile.empty()) std::ofstream(options.pidFile) << ::getpid() << '\n';
  platform::PosixTerminal terminal;
  console::install(&terminal);
  std::cout << "probe ready";
  console::lineEnd();
  try {
    if (options.delayMs > 0) console::sleepMs(options.delayMs);
    showKeys(console::readKey());
  } catch (const console::InputEnded&) {
  }
  console::install(nullptr);
  return 0;
}
