#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "game/menu.h"
#include "game/round.h"
#include "records/store.h"
#include "round_fixture.h"
#include "rules/menu_choices.h"
#include "support/temp_folder.h"

namespace game::game_test {
namespace {

// Outside the classic screens, Right after 120 seconds gives no limit.
TEST(NoLimitMenu, RightAfterTwoMinutesGivesNoLimitOutsideTheClassicScreens) {
  support::FakeTerminal terminal;
  game_record::WordGame game;
  game.timeToPlay = 120;
  Extras extras;
  extras.shown = true;
  terminal.type("\x1b[B\x1b[C");
  EXPECT_THROW(runMainMenu(game, 0, extras), console::InputEnded);
  EXPECT_EQ(game.timeToPlay, rules::kNoLimit);
  EXPECT_EQ(terminal.row(9), std::string(34, ' ') + "-> Time to Play: < no limit >");
}

// A round with no limit shows no countdown, lasts as long as the player
// likes, ends at Escape, and its game keeps no best score.
TEST_F(RoundTest, ARoundWithNoLimitEndsAtEscapeAndKeepsNoRecord) {
  support::TempFolder folder;
  records::Store records(folder.path());
  extras.shown = true;
  extras.records = &records;
  game.timeToPlay = rules::kNoLimit;
  terminal.typeAt(1000, "plan\r");
  terminal.typeAt(600000, "\x1b");
  terminal.typeAt(601000, " ");
  EXPECT_EQ(playGame(game, extras), 3U);
  EXPECT_NE(terminal.output().find("No time limit: Escape ends the round"), std::string::npos);
  EXPECT_GE(terminal.now(), 600000U);
  EXPECT_TRUE(records.best(rules::kNoLimit).empty());
}

}  // namespace
}  // namespace game::game_test
