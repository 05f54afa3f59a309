// Tests of the trailing-backslash rules, folders, joins, display names and folder prefixes of
// paths.
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

TEST(FolderAndName, SplitAtTheLastRealSeparator) {
  struct Case {
    std::string path, folder, name;
  };
  const Case cases[] = {
      {"C:\\KoLAPP32\\TaVEL32.EXE", "C:\\KoLAPP32\\", "TaVEL32.EXE"},
      {"C:\\ソ表\\能.MID", "C:\\ソ表\\", "能.MID"},  // trail bytes 0x5C are no separators
      {"C:\\MUSIC\\ソ", "C:\\MUSIC\\", "ソ"},
      {"A:ｿﾝｸﾞ.MID", "A:", "ｿﾝｸﾞ.MID"},
      {"C:\\DATA\\", "C:\\DATA\\", ""},
      {"C:\\", "C:\\", ""},
      {"SONG.WAV", "", "SONG.WAV"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(DisplayName(c.path), c.name) << c.path;
  }
}

TEST(JoinPath, OneBackslashBetweenFolderAndName) {
  EXPECT_EQ(JoinPath("C:\\KoLAPP32", "TaVEL32.TXT"), "C:\\KoLAPP32\\TaVEL32.TXT");
  EXPECT_EQ(JoinPath("C:\\", "A.MID"), "C:\\A.MID");
  EXPECT_EQ(JoinPath("C:\\ソ", "A.MID"), "C:\\ソ\\A.MID");
  EXPECT_EQ(JoinPath("", "A.MID"), "A.MID");
}

TEST(JoinPath, InUtf8EveryBackslashIsOne) {
  // あ is E3 81 82 in UTF-8; read as Shift-JIS, 82 would take the backslash after it.
  const std::string folder = "C:\\\xE3\x81\x82\\";
  EXPECT_EQ(JoinPath(folder, "b.wav", PathEncoding::Utf8), folder + "b.wav");
  EXPECT_EQ(FolderOf(folder + "b.wav", PathEncoding::Utf8), folder);
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
