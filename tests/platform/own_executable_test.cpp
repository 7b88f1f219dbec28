#include "platform/own_executable.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(OwnExecutable, NamesTheRunningTestProgram) {
  std::filesystem::path program = platform::ownExecutablePath();
  EXPECT_TRUE(program.is_absolute()) << program;
  EXPECT_EQ(program.stem(), "quillop_tests");  // on Windows with .exe after it
  EXPECT_TRUE(std::filesystem::is_regular_file(program)) << program;
}

}  // namespace
