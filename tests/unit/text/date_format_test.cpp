// The status bar's date pattern and the padded size with thousands separators.
#include "text/date_format.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

TEST(DateFormat, StatusBarPatternUsesEnglishDaysAndLocaleSeparators) {
  DateTime t{1997, 3, 15, 6, 21, 5, 9};
  EXPECT_EQ(FormatDateTime(" yy/mm/dd ddd hh:mm:ss ", t, "/", ":"), " 97/03/15 Sat 21:05:09 ");
  EXPECT_EQ(FormatDateTime(" yy/mm/dd ddd hh:mm:ss ", t, "-", "."), " 97-03-15 Sat 21.05.09 ");
  DateTime y2k{2000, 1, 2, 0, 0, 0, 0};
  EXPECT_EQ(FormatDateTime("yy/mm/dd ddd hh:mm:ss", y2k, "/", ":"), "00/01/02 Sun 00:00:00");
}

TEST(DateFormat, SizesArePaddedToEightWithSeparators) {
  EXPECT_EQ(FormatThousands(0, ",", 8), "       0");
  EXPECT_EQ(FormatThousands(512, ",", 8), "     512");
  EXPECT_EQ(FormatThousands(1200000, ",", 8), "1,200,000");
  EXPECT_EQ(FormatThousands(4294967295LL, ",", 8), "4,294,967,295");
  EXPECT_EQ(FormatThousands(1000, ".", 8), "   1.000");
}

}  // namespace
}  // namespace tavel
