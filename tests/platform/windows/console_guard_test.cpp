// The Windows console guard over pipes, as when a script drives the program:
// the closing text goes out once however many ways out come, and each run
// starts with no way out asked for.
#include "platform/windows/console_guard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/windows/pipe_output.h"

namespace {

using platform::WindowsConsoleGuard;

class WindowsConsoleGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreatePipe(&keysRead, &keysWrite, nullptr, 0));
    ASSERT_TRUE(CreatePipe(&outputRead, &outputWrite, nullptr, 1 << 16));
    guard.emplace(keysRead, outputWrite);
  }
  void TearDown() override {
    guard.reset();
    for (HANDLE handle : {keysRead, keysWrite, outputRead, outputWrite}) CloseHandle(handle);
  }
  // What has arrived at the other end of the output pipe.
  std::string output() { return windows_test::takeWaitingBytes(outputRead); }

  HANDLE keysRead = nullptr;
  HANDLE keysWrite = nullptr;
  HANDLE outputRead = nullptr;
  HANDLE outputWrite = nullptr;
  std::optional<WindowsConsoleGuard> guard;
};

TEST_F(WindowsConsoleGuardTest, TheClosingTextGoesOutOnceOverSeveralWaysOut) {
  EXPECT_FALSE(guard->outputIsConsole());
  guard->setClosingText("Quillop daily\n");
  guard->noteOutput("last screen");
  guard->restore();
  EXPECT_EQ(output(), "\nQuillop daily\n");
  guard->restore();
  guard.reset();
  EXPECT_EQ(output(), "");
}

TEST_F(WindowsConsoleGuardTest, ARunStartsWithNoWayOutAskedFor) {
  ASSERT_NE(guard->wayOut(), nullptr);
  EXPECT_EQ(WaitForSingleObject(guard->wayOut(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(guard->wayOut());
  guard.reset();
  guard.emplace(keysRead, outputWrite);
  EXPECT_EQ(WaitForSingleObject(guard->wayOut(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
