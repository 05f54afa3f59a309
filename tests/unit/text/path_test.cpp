// Tests of the trailing-backslash rules, folders, display names and folder prefixes of paths.
#include "text/path.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

struct BackslashCase {
  std::string path, with, without;
};

TEST(Backslash, TrailBytes0x5CAreNotBackslashes) {
  const BackslashCase cases[] = {
      {"C:\\TAVEL", "C:\\TAVEL\\", "C:\\TAVEL"}, {"C:\\TAVEL\\", "C:\\TAVEL\\", "C:\\TAVEL"},
      {"C:\\ソ", "C:\\ソ\\", "C:\\ソ"},          {"C:\\表", "C:\\表\\", "C:\\表"},
      {"C:\\能", "C:\\能\\", "C:\\能"},          {"C:\\能\\", "C:\\能\\", "C:\\能"},
      {"C:\\ｿ\\", "C:\\ｿ\\", "C:\\ｿ"},  // half-width ｿ (BF) is one byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithBackslash(c.path), c.with) << c.path;
    EXPECT_EQ(WithoutBackslash(c.path), c.without) << c.path;
  }
}

TEST(Backslash, ParityOfTheLeadRangeRunDecides) {
  // 亜 is 88 9F: both bytes lie in the lead range.
  const BackslashCase cases[] = {
      {"C:\\亜\\", "C:\\亜\\", "C:\\亜"},               // run of 2
      {"C:\\亜ソ", "C:\\亜ソ\\", "C:\\亜ソ"},           // run of 3 before 5C
      {"C:\\亜亜\\", "C:\\亜亜\\", "C:\\亜亜"},         // run of 4
      {"C:\\x\x81\\", "C:\\x\x81\\\\", "C:\\x\x81\\"},  // run of 1: the 5C is a trail byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithBackslash(c.path), c.with) << c.path;
    EXPECT_EQ(WithoutBackslash(c.path), c.without) << c.path;
  }
}

TEST(Backslash, ShortPathsAndRoots) {
  const BackslashCase cases[] = {
      {"", "", ""},         {"C:\\", "C:\\", "C:\\"}, {"\\", "\\", "\\"},
      {"C:", "C:\\", "C:"}, {"ソ", "ソ\\", "ソ"},  // a short name ending in a trail 5C still gets
                                                   // its backslash
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithBackslash(c.path), c.with) << c.path;
    EXPECT_EQ(WithoutBackslash(c.path), c.without) << c.path;
  }
}

TEST(FolderOf, UpToTheLastRealBackslash) {
  EXPECT_EQ(FolderOf("C:\\ソ\\TaVEL32.EXE"), "C:\\ソ\\");  // ソ's second byte is no backslash
  EXPECT_EQ(FolderOf("C:\\ソ"), "C:\\");
  EXPECT_EQ(FolderOf("C:\\DATA\\"), "C:\\DATA\\");
  EXPECT_EQ(FolderOf("A:SONG.MID"), "");  // a folder ends in a backslash
}

TEST(DisplayName, TextAfterTheLastRealSeparator) {
  EXPECT_EQ(DisplayName("C:\\MUSIC\\ソ"), "ソ");
  EXPECT_EQ(DisplayName("C:\\ソ表\\能.MID"), "能.MID");
  EXPECT_EQ(DisplayName("A:ｿﾝｸﾞ.MID"), "ｿﾝｸﾞ.MID");
  EXPECT_EQ(DisplayName("SONG.WAV"), "SONG.WAV");
  EXPECT_EQ(DisplayName("C:\\DATA\\"), "");
  EXPECT_EQ(DisplayName(""), "");
}

TEST(PathPrefixes, RootFirstThenEachFolderWithoutBackslash) {
  using Prefixes = std::vector<std::string>;
  EXPECT_EQ(PathPrefixes("C:\\KoLAPP32\\TaVIN32\\"),
            (Prefixes{"C:\\", "C:\\KoLAPP32", "C:\\KoLAPP32\\TaVIN32"}));
  EXPECT_EQ(PathPrefixes("C:\\ソ\\亜表\\"), (Prefixes{"C:\\", "C:\\ソ", "C:\\ソ\\亜表"}));
  EXPECT_EQ(PathPrefixes("C:\\A\\能"), (Prefixes{"C:\\", "C:\\A"}));
  EXPECT_EQ(PathPrefixes("C:\\"), (Prefixes{"C:\\"}));
  EXPECT_EQ(PathPrefixes(""), Prefixes{});
}

}  // namespace
}  // namespace tavel
