#include "driver/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/game_code.h"
#include "stats/locale_scope.h"
#include "support/fake_terminal.h"

namespace {

// The cells follow the locale as the statistics view's do, where nothing
// else says what the screen shows.
TEST(MessagesTest, TheDailyShareLinesAreInUtf8OrInTheCLocalesCharacters) {
  const rules::DailyResult result{"2026-12-07", rules::dailyGameCode("2026-12-07"), 12, {{4, 8}}};
  const std::string head =
      "Quillop daily 2026-12-07, game code " + rules::dailyGameCode("2026-12-07") + "\nScore 12 in 1 round\n";
  for (const auto& [locale, round] :
       {std::pair{"en_GB.UTF-8",
                  "Round 1  \u25a0\u25a0\u25a0\u25a0\u25a0\u25a1\u25a1\u25a1\u25a1\u25a1  4/8\n"},
        std::pair{"C", "Round 1  #####.....  4/8\n"}}) {
    const stats_test::LocaleScope scope(locale, std::nullopt, std::nullopt);
    support::FakeTerminal terminal;
    driver::writeDailyShareAtTheEnd(result);
    EXPECT_EQ(terminal.closingText, head + round) << locale;
    EXPECT_EQ(terminal.output(), "") << locale;
  }
}

}  // namespace

namespace {

TEST(LoadMessagesTest, TextGoesOutAsItIsAndEachLineEndsAsTheConsoleEndsLines) {
  support::FakeTerminal terminal;
  driver::LoadMessages messages;
  messages.tell("Loading and hashing");
  messages.tell(": Word # 1 \b\b");
  messages.endLine();
  EXPECT_EQ(terminal.output(), "Loading and hashing: Word # 1 \b\b\r\n");
}

// Reading a large file takes a while: what was told before it must show
// meanwhile, with no line end to push it out.
TEST(LoadMessagesTest, ShowNowSendsWhatWasToldBeforeTheLineEnds) {
  support::FakeTerminal terminal;
  driver::LoadMessages messages;
  messages.tell("Loading and hashing... ");
  EXPECT_EQ(terminal.received(), "");
  messages.showNow();
  EXPECT_EQ(terminal.received(), "Loading and hashing... ");
}

}  // namespace
