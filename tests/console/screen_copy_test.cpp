#include "console/screen_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kClear = "\x1b[H\x1b[2J";

TEST(ScreenCopy, NothingIsKeptBeforeTheFirstClear) {
  console::ScreenCopy copy;
  copy.remember("Loading dictionary\r\n");
  EXPECT_EQ(copy.text(), "");
}

TEST(ScreenCopy, KeepsEverythingFromTheLastClearOn) {
  console::ScreenCopy copy;
  copy.remember(std::string("start") + kClear + "menu");
  copy.remember("\x1b[5;1Hitem");
  EXPECT_EQ(copy.text(), std::string(kClear) + "menu\x1b[5;1Hitem");
  copy.remember(std::string("tail") + kClear + "round" + kClear + "over");
  EXPECT_EQ(copy.text(), std::string(kClear) + "over");
}

TEST(ScreenCopy, FindsAClearSplitBetweenTwoSends) {
  console::ScreenCopy copy;
  copy.remember(std::string(kClear) + "old\x1b[H\x1b[");
  copy.remember("2Jnew");
  EXPECT_EQ(copy.text(), std::string(kClear) + "new");
}

TEST(ScreenCopy, GivesUpPastTheCapUntilTheNextClear) {
  console::ScreenCopy copy;
  copy.remember(kClear);
  copy.remember(std::string(console::ScreenCopy::kMaxBytes, 'x'));
  EXPECT_EQ(copy.text(), "");
  copy.remember("more");
  EXPECT_EQ(copy.text(), "");
  copy.remember(std::string(kClear) + "fresh");
  EXPECT_EQ(copy.text(), std::string(kClear) + "fresh");
}

}  // namespace
