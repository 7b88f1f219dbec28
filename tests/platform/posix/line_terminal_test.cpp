#include "platform/posix/line_terminal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {

// A line terminal reading one pipe and writing another.
class PosixLineTerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::pipe(input_), 0);
    ASSERT_EQ(::pipe(output_), 0);
    terminal_ = std::make_unique<platform::PosixLineTerminal>(input_[0], output_[1]);
  }
  void TearDown() override {
    for (int fd : {input_[0], input_[1], output_[0], output_[1]}) {
      if (fd >= 0) ::close(fd);
    }
  }
  void type(const std::string& bytes) {
    ASSERT_EQ(::write(input_[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void endInput() {
    ::close(input_[1]);
    input_[1] = -1;
  }
  std::string written() {
    char bytes[256];
    const ssize_t got = ::read(output_[0], bytes, sizeof bytes);
    return got > 0 ? std::string(bytes, static_cast<size_t>(got)) : std::string();
  }

  int input_[2] = {-1, -1};
  int output_[2] = {-1, -1};
  std::unique_ptr<platform::PosixLineTerminal> terminal_;
};

TEST_F(PosixLineTerminalTest, WholeLinesWithoutTheirEnds) {
  type("boss\r\nbed\nsh");
  std::string line;
  ASSERT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kLine);
  EXPECT_EQ(line, "boss");
  ASSERT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kLine);
  EXPECT_EQ(line, "bed");
  EXPECT_EQ(terminal_->readLineWithin(20, line), lines::LineRead::kNothingYet);  // "sh" is not a line yet
  type("ed\n");
  ASSERT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kLine);
  EXPECT_EQ(line, "shed");
}

TEST_F(PosixLineTerminalTest, AWaitEndsAfterItsTimeWithNothing) {
  std::string line;
  const uint32_t start = terminal_->nowMs();
  EXPECT_EQ(terminal_->readLineWithin(50, line), lines::LineRead::kNothingYet);
  EXPECT_GE(terminal_->nowMs() - start, 50U);
  EXPECT_EQ(terminal_->readLineWithin(0, line), lines::LineRead::kNothingYet);
}

TEST_F(PosixLineTerminalTest, TheLastLineWithoutAnEndThenTheEnd) {
  type("one\ntwo");
  endInput();
  std::string line;
  ASSERT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kLine);
  ASSERT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kLine);
  EXPECT_EQ(line, "two");
  EXPECT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kEnded);
  EXPECT_EQ(terminal_->readLineWithin(1000, line), lines::LineRead::kEnded);
}

TEST_F(PosixLineTerminalTest, WritesTextAsItIsAndAPipeDoesNotEcho) {
  terminal_->write("Yes: BOSS.\n");
  EXPECT_EQ(written(), "Yes: BOSS.\n");
  EXPECT_FALSE(terminal_->echoesTyping());
}

}  // namespace
