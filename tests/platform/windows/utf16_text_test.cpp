#include "platform/windows/utf16_text.h"

#include <gtest/gtest.h>

namespace {

using console::cellCharacter;
using console::nameToUtf16;
using console::toUtf16;
using console::toUtf8;

// Stands in for a console code page: Latin-1, where each byte is the
// character of the same number.
char16_t latin1(unsigned char byte) { return byte; }

TEST(Utf16Text, Utf8BecomesItsCharactersAndOtherBytesTheCodePages) {
  EXPECT_EQ(toUtf16("Time Left: 50\r\n", latin1), u"Time Left: 50\r\n");
  EXPECT_EQ(toUtf16("[\u25a0\u25a0|", latin1), u"[\u25a0\u25a0|");
  EXPECT_EQ(toUtf16("\xf0\x9f\x98\x80", latin1), u"\U0001F600");
  // Bytes of another code page, a sequence cut short, an overlong form and
  // an encoded surrogate are each shown byte by byte.
  EXPECT_EQ(toUtf16("caf\xe9", latin1), u"caf\u00e9");
  EXPECT_EQ(toUtf16("\xe2\x96x", latin1), u"\u00e2\u0096x");
  EXPECT_EQ(toUtf16("\xc0\xaf", latin1), u"\u00c0\u00af");
  EXPECT_EQ(toUtf16("\xed\xa0\x80", latin1), u"\u00ed\u00a0\u0080");
}

TEST(Utf16Text, ACellShowsOneUnit) {
  EXPECT_EQ(cellCharacter(" ", latin1), u' ');
  EXPECT_EQ(cellCharacter("\u25a0", latin1), u'\u25a0');
  EXPECT_EQ(cellCharacter("\xfe", latin1), u'\u00fe');
  // Two units do not fit one cell.
  EXPECT_EQ(cellCharacter("\xf0\x9f\x98\x80", latin1), u'?');
}

TEST(Utf16Text, AnUnfinishedSequenceAtTheEndWaitsForTheNextWrite) {
  EXPECT_EQ(console::unfinishedUtf8Tail("abc"), 0u);
  EXPECT_EQ(console::unfinishedUtf8Tail("ab\xe2"), 1u);
  EXPECT_EQ(console::unfinishedUtf8Tail("ab\xe2\x96"), 2u);
  EXPECT_EQ(console::unfinishedUtf8Tail("ab\xe2\x96\xa0"), 0u);
  EXPECT_EQ(console::unfinishedUtf8Tail("\xf0\x9f\x98"), 3u);
  EXPECT_EQ(console::unfinishedUtf8Tail("caf\xe9"), 1u);
}

// Names travel between the program's UTF-8 and the system's UTF-16 both
// ways unchanged; what cannot be a character becomes U+FFFD.
TEST(Utf16Text, NamesConvertBetweenUtf8AndUtf16) {
  const std::u16string wide = u"C:\\Quillop \u00e9\\\u65e5\u672c\\\U0001F600.txt";
  const std::string utf8 = "C:\\Quillop \xc3\xa9\\\xe6\x97\xa5\xe6\x9c\xac\\\xf0\x9f\x98\x80.txt";
  EXPECT_EQ(toUtf8(wide), utf8);
  EXPECT_EQ(nameToUtf16(utf8), wide);
  EXPECT_EQ(toUtf8(u""), "");
  EXPECT_EQ(nameToUtf16(""), u"");
  // Lone surrogates, as a Windows name may hold, and bytes of another code page.
  EXPECT_EQ(toUtf8(std::u16string{u'a', char16_t{0xD800}, u'b', char16_t{0xDC00}}),
            "a\xef\xbf\xbd"
            "b\xef\xbf\xbd");
  EXPECT_EQ(toUtf8(std::u16string{char16_t{0xDBFF}}), "\xef\xbf\xbd");
  EXPECT_EQ(nameToUtf16("caf\xe9"), u"caf\ufffd");
}

}  // namespace
