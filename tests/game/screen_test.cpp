#include "game/screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_terminal.h"

namespace game {

namespace {

const std::string kUpperBorder = "/" + std::string(78, '-') + "\\";
const std::string kLowerBorder = "\\" + std::string(78, '-') + "/";

// text starting at column x of an otherwise blank row.
std::string at(size_t x, const std::string& text) { return std::string(x, ' ') + text; }

// A framed text row: '|' at both ends and text from column x.
std::string framed(size_t x, const std::string& text) {
  std::string row = "|" + std::string(78, ' ') + "|";
  return row.replace(x, text.size(), text);
}

class ScreenTest : public ::testing::Test {
 protected:
  void addWords(size_t tree, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
      game.foundWords[tree].insert(game.foundWords[tree].root, word);
      ++game.foundWords[tree].count;
    }
  }
  void expectNoScroll() { EXPECT_EQ(terminal.screen().scrolls(), 0) << terminal.screen().dump(); }

  support::FakeTerminal terminal;
  game_record::WordGame game;
};

TEST(AppendNumber, AppendsABlankAndTheNumberInDecimal) {
  struct Case {
    std::string text;
    int64_t n;
    bool isSigned;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"", 3, true, " 3"},
      {"Time Left:", 45, true, "Time Left: 45"},
      {"x", -7, true, "x -7"},
      {"x", INT32_MIN, true, "x -2147483648"},
      {"Round", 1000000, false, "Round 1000000"},
      {"", UINT32_MAX, false, " 4294967295"},
      {"", 0, false, " 0"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    if (c.isSigned) {
      appendNumber(text, static_cast<int32_t>(c.n));
    } else {
      appendNumber(text, static_cast<uint32_t>(c.n));
    }
    EXPECT_EQ(text, c.expected);
  }
}

TEST(CentringColumn, HalvesTheSpaceLeftOfTheText) {
  const std::vector<std::pair<size_t, uint16_t>> cases = {{0, 39}, {1, 39}, {8, 35}, {34, 22}, {35, 22},
                                                          {77, 1}, {78, 0}, {79, 0}, {80, 0},  {500, 0}};
  for (auto [length, column] : cases) EXPECT_EQ(centringColumn(length), column) << length;
}

TEST_F(ScreenTest, ScoreLineCountsZeroAsOneDigit) {
  drawScoreLine(game);
  EXPECT_EQ(terminal.row(6), at(33, "Your Score: 0"));
  EXPECT_EQ(terminal.screen().cursorX(), 46);
  game.score = 4294967295u;
  drawScoreLine(game);
  EXPECT_EQ(terminal.row(6), at(28, "Your Score: 4294967295"));
}

TEST_F(ScreenTest, TitleScreen) {
  game.score = 40;
  drawTitleScreen(game, 1234567890);
  const std::vector<std::string> expected = {kUpperBorder,
                                             framed(79, "|"),
                                             framed(35, "Quillop!"),
                                             framed(79, "|"),
                                             kLowerBorder,
                                             at(28, "High Score: 1234567890"),
                                             at(32, "Your Score: 40")};
  for (int y = 0; y < 7; ++y) EXPECT_EQ(terminal.row(y), expected[static_cast<size_t>(y)]) << y;
  EXPECT_EQ(terminal.row(7), "");
  EXPECT_EQ(terminal.screen().cursorY(), 5);
  expectNoScroll();
}

TEST_F(ScreenTest, TopBannerBlanksItsTextRowButNotItsSideRows) {
  terminal.screen();
  std::cout << "\x1b[2;2Hkept on row one\x1b[4;2Hkept on row three";
  drawTopBanner("A much longer banner text than the next one");
  drawTopBanner("Short");
  EXPECT_EQ(terminal.row(0), kUpperBorder);
  EXPECT_EQ(terminal.row(1), framed(1, "kept on row one"));
  EXPECT_EQ(terminal.row(2), framed(37, "Short"));
  EXPECT_EQ(terminal.row(3), framed(1, "kept on row three"));
  EXPECT_EQ(terminal.row(4), kLowerBorder);
  EXPECT_EQ(terminal.screen().cursorX(), 0);
  EXPECT_EQ(terminal.screen().cursorY(), 5);
}

TEST_F(ScreenTest, BottomBannerLeavesTheLastRowWithoutALineEnd) {
  drawBottomBanner("The longest text of the two bottom banners");
  drawBottomBanner("You go to the next round!");
  EXPECT_EQ(terminal.row(21), kUpperBorder);
  EXPECT_EQ(terminal.row(22), framed(27, "You go to the next round!"));
  EXPECT_EQ(terminal.row(23), kLowerBorder);
  EXPECT_EQ(terminal.screen().cursorY(), 23);
  EXPECT_EQ(terminal.screen().cursorX(), 79);
  const std::string output = terminal.output();
  EXPECT_EQ(output.substr(output.size() - 81), "H" + kLowerBorder);
  expectNoScroll();
}

TEST_F(ScreenTest, InputPanel) {
  game.mangledWord = "tplnae";
  drawInputPanel(game, "plane");
  EXPECT_EQ(terminal.row(6), "Your Input" + at(57, "Mangled Text"));
  EXPECT_EQ(terminal.row(7), "plane" + at(68, "tplnae"));
  EXPECT_EQ(terminal.row(8), at(51, "Press Space to mangle again!"));
  EXPECT_EQ(terminal.screen().cursorX(), 79);
  EXPECT_EQ(terminal.screen().cursorY(), 8);
}

TEST_F(ScreenTest, InputPanelLeavesTheRestOfALongerInput) {
  game.mangledWord = "tplnae";
  drawInputPanel(game, "plan");
  drawInputPanel(game, "at");
  EXPECT_EQ(terminal.row(7), "atan" + at(69, "tplnae"));
}

TEST_F(ScreenTest, FoundWordsWithEmptyTrees) {
  drawFoundWords(game);
  const std::vector<std::string> expected = {at(22, "You have found the following words:"),
                                             std::string(79, '-'),
                                             " 3 Letter Words:",
                                             "",
                                             " 4 Letter Words:",
                                             "",
                                             " 5 Letter Words:",
                                             "",
                                             " 6 Letter Words:",
                                             "",
                                             ""};
  for (int y = 10; y <= 20; ++y) EXPECT_EQ(terminal.row(y), expected[static_cast<size_t>(y - 10)]) << y;
  EXPECT_EQ(terminal.row(6), at(33, "Your Score: 0"));
  // Headings end with a line end, word rows with a bare newline.
  EXPECT_NE(terminal.drawn().find(" 6 Letter Words: \r\n" + std::string(79, ' ') + "\n"), std::string::npos);
  expectNoScroll();
}

TEST_F(ScreenTest, FoundWordsInAscendingOrder) {
  addWords(0, {"tea", "ate", "eat"});
  addWords(3, {"planet", "Planet", "plates"});
  game.score = 12;
  drawFoundWords(game);
  EXPECT_EQ(terminal.row(13), "  ate eat tea");
  EXPECT_EQ(terminal.row(15), "");
  EXPECT_EQ(terminal.row(19), "  Planet planet plates");
  EXPECT_EQ(terminal.row(6), at(32, "Your Score: 12"));
}

std::vector<std::string> numberedWords(const std::string& stem, int count) {
  std::vector<std::string> words;
  words.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) words.push_back(stem + static_cast<char>('a' + i));
  return words;
}

TEST_F(ScreenTest, FoundWordsClipsARowThatWouldWrap) {
  std::vector<std::string> threes = numberedWords("z", 25);
  for (auto& word : threes) word += word.back();
  addWords(0, threes);
  addWords(2, numberedWords("tran", 13));
  drawFoundWords(game);

  std::string threeRow = "  ";
  for (size_t i = 0; i < 17; ++i) threeRow += threes[i] + ' ';
  EXPECT_EQ(terminal.row(13), threeRow + "+8 more");
  std::string fiveRow = "  ";
  for (char c = 'a'; c < 'a' + 11; ++c) fiveRow += std::string("tran") + c + ' ';
  EXPECT_EQ(terminal.row(17), fiveRow + "+2 more");
  EXPECT_EQ(terminal.row(18), " 6 Letter Words:");
  EXPECT_EQ(terminal.row(20), "");
  expectNoScroll();
}

TEST_F(ScreenTest, FoundWordsRowMayEndInColumn78) {
  std::vector<std::string> sixes = numberedWords("plane", 12);
  addWords(3, std::vector<std::string>(sixes.begin(), sixes.begin() + 11));
  drawFoundWords(game);
  std::string elevenWords = "  ";
  for (size_t i = 0; i < 11; ++i) elevenWords += sixes[i] + ' ';
  ASSERT_EQ(elevenWords.size(), 79u);
  EXPECT_EQ(terminal.row(19), elevenWords.substr(0, 78));

  addWords(3, {sixes[11]});
  drawFoundWords(game);
  EXPECT_EQ(terminal.row(19), elevenWords.substr(0, 72) + "+2 more");
  EXPECT_EQ(terminal.row(20), "");
  expectNoScroll();
}

// A longer note can leave room for one word fewer: the row gets shorter,
// and nothing of the longer row drawn before may stay behind it.
TEST_F(ScreenTest, FoundWordsRowThatShrinksLeavesNothingBehind) {
  std::vector<std::string> sixes = numberedWords("plane", 20);
  addWords(3, std::vector<std::string>(sixes.begin(), sixes.begin() + 19));
  drawFoundWords(game);
  std::string tenWords = "  ";
  for (size_t i = 0; i < 10; ++i) tenWords += sixes[i] + ' ';
  EXPECT_EQ(terminal.row(19), tenWords + "+9 more");

  addWords(3, {sixes[19]});
  drawFoundWords(game);
  EXPECT_EQ(terminal.row(19), tenWords.substr(0, 65) + "+11 more");
}

}  // namespace

}  // namespace game
