// Loading from a pipe while signals arrive, as when the player resizes the
// window or stops and continues the program during a slow load: the load
// ends exactly as it would without them.
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "dictionary/loader.h"
#include "game_record/word_game.h"
#include "platform/posix/terminal_guard.h"
#include "platform/posix/test_descriptors.h"
#include "support/load_recorder.h"
#include "support/temp_folder.h"

namespace {

using namespace std::chrono_literals;

// Words of 2 to 7 letters, so some lines are passed over.
std::string manyLines() {
  std::string text;
  for (size_t i = 0; i < 6000; ++i) text += std::string(2 + i % 6, static_cast<char>('a' + i % 26)) + "\n";
  return text;
}

struct Load {
  bool succeeded = false;
  std::string output;
  std::vector<std::string> table;
};

Load loadFrom(const std::string& fileName, bool verbose) {
  support::LoadRecorder told;
  game_record::WordGame game;
  Load load;
  load.succeeded = dictionary::loadDictionary(fileName, *game.dictionary, verbose, told);
  load.output = told.output();
  for (uint32_t i = 0; i < game.dictionary->size; ++i) {
    for (const auto* node = game.dictionary->buckets[i].head; node != nullptr; node = node->next) {
      load.table.push_back(node->element);
    }
  }
  return load;
}

// Feeds text into a pipe in pieces with pauses, so the loader waits in its
// reads, while signals are sent at the loading thread until the load ends.
Load loadFromPipeUnderSignals(const std::string& text, bool verbose, const std::vector<int>& signals) {
  console_test::Pipe pipe;
  std::thread writer([&] {
    for (size_t at = 0; at < text.size(); at += 4096) {
      std::this_thread::sleep_for(2ms);
      (void)!::write(pipe.writeEnd(), text.data() + at, std::min<size_t>(4096, text.size() - at));
    }
    pipe.closeWriteEnd();
  });
  std::atomic<bool> loaded{false};
  pthread_t loading = ::pthread_self();
  std::thread sender([&] {
    for (size_t i = 0; !loaded; ++i) {
      ::pthread_kill(loading, signals[i % signals.size()]);
      std::this_thread::sleep_for(200us);
    }
  });
  Load load = loadFrom("/dev/fd/" + std::to_string(pipe.readEnd()), verbose);
  loaded = true;
  sender.join();
  writer.join();
  return load;
}

class LoaderInterruptedTest : public ::testing::Test {
 protected:
  std::string text = manyLines();
  support::TempFolder folder;
  std::string file = folder.write("words.txt", text);
};

std::atomic<int> interruptions{0};
void countInterruption(int) { interruptions.fetch_add(1); }

// A handler that does not restart the calls it interrupts: every read the
// signal cuts short fails with EINTR, which the loader takes up again.
TEST_F(LoaderInterruptedTest, ReadsCutShortByASignalAreTakenUpAgain) {
  struct sigaction action {};
  struct sigaction before {};
  action.sa_handler = countInterruption;
  ::sigaction(SIGUSR1, &action, &before);
  for (bool verbose : {false, true}) {
    Load expected = loadFrom(file, verbose);
    interruptions = 0;
    Load interrupted = loadFromPipeUnderSignals(text, verbose, {SIGUSR1});
    EXPECT_GT(interruptions, 0);
    EXPECT_TRUE(interrupted.succeeded) << interrupted.output.substr(0, 200);
    EXPECT_EQ(interrupted.output, expected.output) << "verbose " << verbose;
    EXPECT_EQ(interrupted.table, expected.table) << "verbose " << verbose;
  }
  ::sigaction(SIGUSR1, &before, nullptr);
}

// The program's own handlers: a resize and a continue during the load.
TEST_F(LoaderInterruptedTest, AResizeOrAContinueDuringTheLoadChangesNothing) {
  Load expected = loadFrom(file, false);
  console_test::Pipe input;
  console_test::Pipe output;
  platform::TerminalGuard guard(input.readEnd(), output.writeEnd());
  Load interrupted = loadFromPipeUnderSignals(text, false, {SIGWINCH, SIGCONT});
  EXPECT_TRUE(interrupted.succeeded) << interrupted.output.substr(0, 200);
  EXPECT_EQ(interrupted.output, expected.output);
  EXPECT_EQ(interrupted.table, expected.table);
}

}  // namespace
