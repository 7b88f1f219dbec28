// The text a Windows run leaves behind as the console is put back: given
// once whatever way out comes second, on a line of its own in a file.
#include "platform/windows/closing_text.h"

#include <gtest/gtest.h>

namespace {

using platform::ClosingText;

TEST(ClosingText, IsGivenOnceSoASecondWayOutWritesNothing) {
  ClosingText closing;
  closing.set("Quillop daily\n");
  EXPECT_FALSE(closing.empty());
  EXPECT_EQ(closing.take(true), "Quillop daily\n");
  EXPECT_TRUE(closing.empty());
  EXPECT_EQ(closing.take(true), "");
  EXPECT_EQ(closing.take(false), "");
}

TEST(ClosingText, NoneSetGivesNothingAndALaterTextReplacesAnEarlierOne) {
  ClosingText closing;
  EXPECT_TRUE(closing.empty());
  EXPECT_EQ(closing.take(false), "");
  closing.set("first\n");
  closing.set("second\n");
  EXPECT_EQ(closing.take(true), "second\n");
}

TEST(ClosingText, AFileGetsItOnALineOfItsOwn) {
  ClosingText closing;
  closing.set("lines\n");
  closing.noteOutput("\x1b[H screen");
  EXPECT_EQ(closing.take(false), "\nlines\n");
  closing.set("lines\n");
  closing.noteOutput("ended\n");
  closing.noteOutput("");
  EXPECT_EQ(closing.take(false), "lines\n");
}

TEST(ClosingText, AConsoleGetsItAsItIsWhereverTheLastBytesEnded) {
  ClosingText closing;
  closing.set("lines\n");
  closing.noteOutput("no line end");
  EXPECT_EQ(closing.take(true), "lines\n");
}

}  // namespace
