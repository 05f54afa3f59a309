// Tests of the folders the uninstaller copy removes after deleting the installed program.
#include "setup/emptied_folders.h"

#include <gtest/gtest.h>

namespace tavel::testing {
namespace {

using Folders = std::vector<std::string>;

TEST(EmptiedFolderChain, TheProgramsFoldersDeepestFirstButNeverTheRoot) {
  EXPECT_EQ(EmptiedFolderChain("C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE"),
            (Folders{"C:\\KoLAPP32\\TaVIN32", "C:\\KoLAPP32"}));
  // ソ ends in the byte of a backslash: it does not cut the folder name.
  EXPECT_EQ(EmptiedFolderChain("D:\\ソフト\\TaVEL32.EXE"), Folders{"D:\\ソフト"});
  EXPECT_EQ(EmptiedFolderChain("\\\\SERVER\\SHARE\\TaVIN32\\TaVEL32.EXE"),
            Folders{"\\\\SERVER\\SHARE\\TaVIN32"});
  // A program in a drive's root, a bare name or no value at all leaves every folder alone.
  EXPECT_EQ(EmptiedFolderChain("C:\\TaVEL32.EXE"), Folders{});
  EXPECT_EQ(EmptiedFolderChain("\\\\SERVER\\SHARE\\TaVEL32.EXE"), Folders{});
  EXPECT_EQ(EmptiedFolderChain("TaVEL32.EXE"), Folders{});
  EXPECT_EQ(EmptiedFolderChain(""), Folders{});
}

}  // namespace
}  // namespace tavel::testing
