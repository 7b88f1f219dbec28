#include "rules/daily_paste.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/game_code.h"

namespace {

using rules::DailyResult;
using rules::RoundTally;

DailyResult resultOn(const std::string& date, uint32_t score, std::vector<RoundTally> rounds) {
  return DailyResult{date, rules::dailyGameCode(date), score, std::move(rounds)};
}

// The lines to paste give away no word and no letter of a round.
TEST(DailyPaste, ShareLinesInSquaresOrInPlainCharacters) {
  const DailyResult result = resultOn("2026-12-07", 57, {{12, 40}, {8, 8}, {0, 25}, {1, 30}});
  const std::string head = "Quillop daily 2026-12-07, game code " + rules::dailyGameCode("2026-12-07") +
                           "\n" + "Score 57 in 4 rounds\n";
  EXPECT_EQ(rules::shareLines(result, true),
            head +
                "Round 1  \u25a0\u25a0\u25a0\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1  12/40\n"
                "Round 2  \u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0\u25a0  8/8\n"
                "Round 3  \u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1  0/25\n"
                "Round 4  \u25a0\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1\u25a1  1/30\n");
  EXPECT_EQ(rules::shareLines(result, false), head +
                                                  "Round 1  ###.......  12/40\n"
                                                  "Round 2  ##########  8/8\n"
                                                  "Round 3  ..........  0/25\n"
                                                  "Round 4  #.........  1/30\n");
  EXPECT_EQ(rules::shareLines(resultOn("2026-12-07", 1, {{1, 3}}), false),
            "Quillop daily 2026-12-07, game code " + rules::dailyGameCode("2026-12-07") +
                "\nScore 1 in 1 round\nRound 1  ###.......  1/3\n");
}

// Round 10 takes a column more than round 9: every round number is padded
// to the widest, so the bars of a long game stand in one column.
TEST(DailyPaste, BarsStayInOneColumnPastRoundNine) {
  const std::vector<RoundTally> rounds(10, RoundTally{5, 10});
  const std::string lines = rules::shareLines(resultOn("2026-12-07", 9, rounds), false);
  EXPECT_NE(lines.find("\nRound  1  #####.....  5/10\n"), std::string::npos) << lines;
  EXPECT_NE(lines.find("\nRound  9  #####.....  5/10\nRound 10  #####.....  5/10\n"), std::string::npos)
      << lines;
}

}  // namespace
