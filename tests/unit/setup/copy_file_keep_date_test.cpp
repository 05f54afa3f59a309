// The block copy of the install: whole files in 32768-byte blocks, the original's date on the copy,
// and a file in place only when it is whole.
#include "setup/copy_file_keep_date.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_file_system.h"

namespace tavel::testing {
namespace {

class CopyFileKeepDateTest : public ::testing::Test {
 protected:
  CopyFileKeepDateTest() {
    fs.PutFolder("C:\\");
    fs.PutFolder("C:\\TO");
  }
  int Reads() const {
    return static_cast<int>(std::count(fs.log.begin(), fs.log.end(), "block C:\\FROM.EXE 32768"));
  }
  FakeFileSystem fs;
};

TEST_F(CopyFileKeepDateTest, CopiesInWholeBlocksUntilAShortRead) {
  const std::size_t sizes[] = {0, 1, 32767, 32768, 70000, 65536};
  const int reads[] = {1, 1, 1, 2, 3, 3};
  for (std::size_t i = 0; i < std::size(sizes); ++i) {
    std::string bytes(sizes[i], '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>(b * 7);
    fs.Put("C:\\FROM.EXE", bytes).stamp = 1234567 + i;
    fs.Put("C:\\TO\\FROM.EXE", "longer old content");
    fs.log.clear();
    EXPECT_TRUE(CopyFileKeepDate(fs, "C:\\FROM.EXE", "C:\\TO\\FROM.EXE")) << sizes[i];
    EXPECT_EQ(fs.Content("C:\\TO\\FROM.EXE"), bytes) << sizes[i];
    EXPECT_EQ(fs.At("C:\\TO\\FROM.EXE").stamp, 1234567 + i);
    EXPECT_EQ(Reads(), reads[i]) << sizes[i];
    // The copy is written beside the file, dated and closed, and only then takes its place.
    EXPECT_EQ(std::vector<std::string>(fs.log.end() - 4, fs.log.end()),
              (std::vector<std::string>{"stamp C:\\TO\\FROM.EXE.new", "close C:\\TO\\FROM.EXE.new",
                                        "move C:\\TO\\FROM.EXE.new C:\\TO\\FROM.EXE",
                                        "close C:\\FROM.EXE"}));
    EXPECT_FALSE(fs.Has("C:\\TO\\FROM.EXE.new"));
  }
}

// However the copy fails (a full disk, a source that cannot be read to its end, a target that
// cannot be replaced), the program already there stays whole with its own date and nothing is
// left beside it.
TEST_F(CopyFileKeepDateTest, AFailedCopyLeavesThePreviousFileAndNothingBesideIt) {
  EXPECT_FALSE(CopyFileKeepDate(fs, "C:\\MISSING.EXE", "C:\\TO\\MISSING.EXE"));
  fs.Put("C:\\FROM.EXE", std::string(40000, 'a')).stamp = 99;
  EXPECT_FALSE(CopyFileKeepDate(fs, "C:\\FROM.EXE", "C:\\NOWHERE\\FROM.EXE"));
  for (int failure = 0; failure < 3; ++failure) {
    fs.Put("C:\\TO\\FROM.EXE", "working old version").stamp = 7;
    fs.spaceLeft.reset();
    fs.failReads.clear();
    if (failure == 0) fs.spaceLeft = 1000;  // the disk runs full in the first block
    if (failure == 1) fs.failReads.insert("C:\\FROM.EXE");
    if (failure == 2) fs.At("C:\\TO\\FROM.EXE").attributes |= kAttrReadOnly;
    const auto before = fs.Paths();
    EXPECT_FALSE(CopyFileKeepDate(fs, "C:\\FROM.EXE", "C:\\TO\\FROM.EXE")) << failure;
    EXPECT_EQ(fs.Content("C:\\TO\\FROM.EXE"), "working old version") << failure;
    EXPECT_EQ(fs.At("C:\\TO\\FROM.EXE").stamp, 7u) << failure;
    EXPECT_EQ(fs.Paths(), before) << failure;
  }
}

}  // namespace
}  // namespace tavel::testing
