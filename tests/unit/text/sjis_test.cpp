// Tests of the Shift-JIS lead-byte rule and the walk over whole characters.
#include "text/sjis.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

TEST(IsLeadByte, AcceptsExactlyTheTwoLeadRanges) {
  for (unsigned char b : {0x81, 0x9F, 0xE0, 0xFC}) EXPECT_TRUE(IsLeadByte(b)) << int(b);
  // 0xA1-0xDF are half-width katakana, single bytes like ASCII.
  for (unsigned char b : {0x00, 0x5C, 0x80, 0xA0, 0xA1, 0xDF, 0xFD, 0xFF})
    EXPECT_FALSE(IsLeadByte(b)) << int(b);
}

}  // namespace
}  // namespace tavel
