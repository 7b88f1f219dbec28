#include <gtest/gtest.h>

#include "rules/menu_choices.h"
#include "rules/round.h"

namespace rules {
namespace {

TEST(MenuChoicesNoLimit, RightAfterTheLongestTimeGivesNoLimitWhereOffered) {
  MenuChoices menu{MenuItem::kTime, kLongestTime, true};
  menu.move(MenuMove::kRight);
  EXPECT_EQ(menu.seconds, kNoLimit);
  menu.move(MenuMove::kRight);
  EXPECT_EQ(menu.seconds, kNoLimit);
  menu.move(MenuMove::kLeft);
  EXPECT_EQ(menu.seconds, kLongestTime);
  MenuChoices classic{MenuItem::kTime, kLongestTime};
  classic.move(MenuMove::kRight);
  EXPECT_EQ(classic.seconds, kLongestTime);
}

TEST(RoundNoLimit, EndsOnlyWhenThePlayerAsks) {
  game_record::WordGame game;
  for (const char* word : {"planet", "plan"}) {
    game.dictionary->buckets[static_cast<size_t>(containers::hashWord(word))].insert(word);
  }
  game.timeToPlay = kNoLimit;
  Round round(game, "ABC123", 1, true);
  EXPECT_TRUE(round.hasNoLimit());
  EXPECT_FALSE(round.ended(24U * 3600U * 1000U));
  EXPECT_EQ(round.secondsLeft(5000), 0U);
  round.endNow();
  EXPECT_TRUE(round.ended(0));
}

}  // namespace
}  // namespace rules
