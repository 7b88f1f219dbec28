// Key input on Windows, from a pipe: every wait also watches the way-out
// event that a control event (Ctrl-C, Ctrl-Break, the window closing) sets,
// so the main thread ends the program itself, soon, while it waits for keys.
#include "platform/windows/key_input.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "console/terminal.h"

namespace {

using platform::WindowsKeyInput;

// Thrown by the test's way out, which in the program never returns.
struct WayOutTaken {};

class WindowsKeyInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreatePipe(&keysRead, &keysWrite, nullptr, 0));
    wayOut = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(wayOut, nullptr);
  }
  void TearDown() override {
    for (HANDLE handle : {keysRead, keysWrite, wayOut}) CloseHandle(handle);
  }
  WindowsKeyInput input() {
    return WindowsKeyInput(keysRead, false, wayOut, [this] {
      ++wayOutsTaken;
      throw WayOutTaken{};
    });
  }
  // Sets the way out from another thread, as a control handler does.
  std::thread setWayOutAfterMs(int ms) {
    return std::thread([this, ms] {
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      SetEvent(wayOut);
    });
  }

  HANDLE keysRead = nullptr;
  HANDLE keysWrite = nullptr;
  HANDLE wayOut = nullptr;
  int wayOutsTaken = 0;
};

TEST_F(WindowsKeyInputTest, KeysAreReadAsBytesWhileNoWayOutIsAsked) {
  WindowsKeyInput keys = input();
  DWORD written = 0;
  WriteFile(keysWrite, "ab", 2, &written, nullptr);
  EXPECT_EQ(keys.readByteWithin(1000), 'a');
  EXPECT_EQ(keys.readByteWithin(1000), 'b');
  EXPECT_EQ(keys.readByteWithin(20), console::kNoByte);
  EXPECT_EQ(wayOutsTaken, 0);
}

TEST_F(WindowsKeyInputTest, AWaitForAKeyEndsThroughTheWayOutSetMeanwhile) {
  WindowsKeyInput keys = input();
  std::thread handler = setWayOutAfterMs(50);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(keys.readByteWithin(10000), WayOutTaken);
  handler.join();
  EXPECT_EQ(wayOutsTaken, 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(WindowsKeyInputTest, ASleepEndsThroughTheWayOutSetMeanwhile) {
  WindowsKeyInput keys = input();
  std::thread handler = setWayOutAfterMs(50);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(keys.sleepMs(10000), WayOutTaken);
  handler.join();
  EXPECT_EQ(wayOutsTaken, 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
