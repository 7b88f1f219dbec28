#include "lines/plain_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lines::columnsOf;
using lines::labelledLines;
using lines::plainText;

TEST(PlainText, ControlBytesBecomeBlanksAndDrawingIsLeftOut) {
  EXPECT_EQ(plainText("a\x1b[2Jb\rc\bd\te"), "a [2Jb c d e");
  EXPECT_EQ(plainText("bar \xe2\x96\xa0\xe2\x96\xa0 | \xe2\x94\x80 end"), "bar  |  end");
  EXPECT_EQ(plainText("caf\xc3\xa9"), "caf\xc3\xa9");
  EXPECT_EQ(plainText("a\x9b"
                      "2Jb\xe2\x80\xae"
                      "c"),
            "a 2Jb c");  // a lone C1 byte, a direction override
}

TEST(PlainText, RunsOfPunctuationAreCutToTwo) {
  EXPECT_EQ(plainText("wait... ###### ok!!"), "wait.. ## ok!!");
  EXPECT_EQ(plainText("a - - b -- c"), "a - - b -- c");
  EXPECT_EQ(plainText("aaaa 1111"), "aaaa 1111");
}

TEST(PlainText, ColumnsCountCharactersNotBytes) {
  EXPECT_EQ(columnsOf("abc"), 3U);
  EXPECT_EQ(columnsOf("caf\xc3\xa9"), 4U);
  EXPECT_EQ(columnsOf("cafe\xcc\x81"), 4U);              // e with a combining accent
  EXPECT_EQ(columnsOf("\xe6\x97\xa5\xe6\x9c\xac"), 4U);  // two wide characters
  EXPECT_EQ(columnsOf("\xff\xfe"), 2U);
}

TEST(PlainText, AShortFactIsOneLabelledLine) {
  EXPECT_EQ(labelledLines("Yes", "BOSS, 3 points."), std::vector<std::string>{"Yes: BOSS, 3 points."});
}

TEST(PlainText, ALongFactBreaksAtBlanksUnderItsLabel) {
  const std::string detail(60, 'a');
  const std::vector<std::string> lines = labelledLines("Meaning", detail + " " + detail);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0], "Meaning: " + detail);
  EXPECT_EQ(lines[1], "Meaning: " + detail);
  for (const std::string& line : labelledLines("Word", std::string(200, 'x') + " y")) {
    EXPECT_LE(columnsOf(line), lines::kLineColumns) << line;
    EXPECT_TRUE(line.starts_with("Word: ")) << line;
  }
}

}  // namespace
