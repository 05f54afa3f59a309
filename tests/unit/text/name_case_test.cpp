// Tests of the ASCII-only case conversions on Shift-JIS names.
#include "text/name_case.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

// フ is 83 74 and ア is 83 41: their second bytes look like "t" and "A" but must not change.
TEST(NameCase, ConvertsOnlyAsciiLettersOutsideDoubleByteCharacters) {
  EXPECT_EQ(ConvertNameCase("C:\\Music\\ソフトア.Mid", true), "c:\\music\\ソフトア.mid");
  EXPECT_EQ(ConvertNameCase("c:\\music\\ソフトア.mid", false), "C:\\MUSIC\\ソフトア.MID");
  EXPECT_EQ(UpperCaseName(".mid"), ".MID");
  EXPECT_EQ(LowerAscii("D:\\ソフトア\\ABC"), "d:\\ソフトア\\abc");
}

TEST(NameCase, HalfWidthKatakanaIsASingleByte) {
  EXPECT_EQ(UpperCaseName("ｱa"), "ｱA");
  EXPECT_EQ(LowerAscii("ﾟZ"), "ﾟz");
}

TEST(NameCase, NameConversionStopsAtADoubleQuote) {
  EXPECT_EQ(ConvertNameCase("ab\"cd", false), "AB\"cd");
  EXPECT_EQ(ConvertNameCase("AB\"CD", true), "ab\"CD");
  EXPECT_EQ(LowerAscii("AB\"CD"), "ab\"cd");
}

TEST(NameCase, EmptyTextAndALoneLeadByteAtTheEnd) {
  EXPECT_EQ(UpperCaseName(""), "");
  EXPECT_EQ(LowerAscii("A\x81"), "a\x81");
  EXPECT_EQ(ConvertNameCase("a\xE0", false), "A\xE0");
}

}  // namespace
}  // namespace tavel
