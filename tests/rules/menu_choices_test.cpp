#include "rules/menu_choices.h"

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(MenuChoices, UpAndDownStopAtTheEnds) {
  MenuChoices menu;
  menu.move(MenuMove::kUp);
  EXPECT_EQ(menu.selected, MenuItem::kPlay);
  menu.move(MenuMove::kDown);
  menu.move(MenuMove::kDown);
  menu.move(MenuMove::kDown);
  EXPECT_EQ(menu.selected, MenuItem::kExit);
  EXPECT_EQ(menu.seconds, 60);
}

TEST(MenuChoices, LeftAndRightChangeTheTimeOnlyWhileItIsSelected) {
  MenuChoices menu;
  menu.move(MenuMove::kRight);
  EXPECT_EQ(menu.seconds, 60);
  menu.move(MenuMove::kDown);
  for (int i = 0; i < 4; ++i) menu.move(MenuMove::kRight);
  EXPECT_EQ(menu.seconds, 120);
  for (int i = 0; i < 4; ++i) menu.move(MenuMove::kLeft);
  EXPECT_EQ(menu.seconds, 30);
  menu.move(MenuMove::kRight);
  EXPECT_EQ(menu.seconds, 60);
}

TEST(MenuChoices, EnterChoosesPlayAndExitButNotTheTime) {
  MenuChoices menu;
  EXPECT_TRUE(menu.enterChooses());
  menu.move(MenuMove::kDown);
  EXPECT_FALSE(menu.enterChooses());
  menu.move(MenuMove::kDown);
  EXPECT_TRUE(menu.enterChooses());
}

}  // namespace
}  // namespace rules
