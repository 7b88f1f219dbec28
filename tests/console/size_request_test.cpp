// The request to enlarge the window, laid out for the window it shows in.
#include "console/size_request.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeRequest, BrokenAtBlanksIntoLinesNoWiderThanTheWindow) {
  struct Case {
    uint16_t columns, rows;
    std::string laidOut;
  } cases[] = {
      {79, 24,
       "Quillop needs a terminal of at least 80x24; this one is 79x24. Enlarge it and\n"
       "press a key, or press q to quit."},
      {40, 10,
       "Quillop needs a terminal of at least\n80x24; this one is 40x10. Enlarge it and\n"
       "press a key, or press q to quit."},
      {132, 23,
       "Quillop needs a terminal of at least 80x24; this one is 132x23. Enlarge it and press a key, or press "
       "q "
       "to quit."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(console::layOutForWindow(console::sizeRequest(c.columns, c.rows), c.columns, c.rows), c.laidOut)
        << c.columns << 'x' << c.rows;
  }
}

TEST(SizeRequest, WhereEvenThatDoesNotFitAsMuchOfTheStartAsFits) {
  EXPECT_EQ(console::layOutForWindow(console::sizeRequest(10, 3), 10, 3), "Quillop\nneeds a\nterminal");
  EXPECT_EQ(console::layOutForWindow(console::sizeRequest(5, 2), 5, 2), "Quill\nop");
  EXPECT_EQ(console::layOutForWindow("ab cdefgh ij", 3, 9), "ab\ncde\nfgh\nij");
  EXPECT_EQ(console::layOutForWindow("one two", 1, 1), "o");
}

}  // namespace
