// The replace of a list file on the real file system: whatever stands in its way, the file is
// afterwards either the old list or the new one, whole, and nothing is left beside it.
#include "platform/win32/win32_file_system.h"

#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"

namespace tavel::e2e {
namespace {

const std::string kList = "TaVO32MH.LIS";
const std::string kOld = "C:\\OLD\\1.MID\r\nC:\\OLD\\2.MID\r\n";
const std::string kNew = "C:\\NEW\\3.MID\r\n";

class AtomicReplace : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    ASSERT_TRUE(box.WriteFile(kList, kOld));
  }
  bool Replace() { return files.ReplaceFileAtomically(path, kNew); }
  // The list as it is now, and whether it stands alone beside the program.
  void ExpectOnly(const std::string& content, const std::string& what) {
    EXPECT_EQ(box.ReadFile(kList), std::optional<std::string>(content)) << what;
    std::vector<std::string> names = FileNames(box.Folder());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"TaVEL32.EXE", kList})) << what;
  }

  Sandbox box;
  Win32FileSystem files;
  const std::string path = box.PathOf(kList);
};

TEST_F(AtomicReplace, AStaleTemporaryFileFromAnEarlierCrashNeitherBlocksNorStays) {
  const std::string stale = path + ".new";
  for (DWORD attributes : {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN}) {
    const std::string what = "stale file with attributes " + std::to_string(attributes);
    ASSERT_TRUE(WriteBytes(stale, "C:\\HALF\\A L"));
    SetFileAttributesA(stale.c_str(), attributes);
    EXPECT_TRUE(Replace()) << what;
    ExpectOnly(kNew, what);
    ASSERT_TRUE(box.WriteFile(kList, kOld));
  }
}

TEST_F(AtomicReplace, AReadOnlyListIsLeftAsItIs) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(Replace());
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ExpectOnly(kOld, "read-only list");
}

TEST_F(AtomicReplace, AListHeldOpenByAnotherProgramIsTheOldOrTheNewOneWhole) {
  for (DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ},
                      DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}}) {
    const std::string what = "held open with sharing " + std::to_string(share);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << what;
    const bool replaced = Replace();
    CloseHandle(held);
    if (share == 0) {
      EXPECT_FALSE(replaced) << what;
    }
    ExpectOnly(replaced ? kNew : kOld, what);
    ASSERT_TRUE(box.WriteFile(kList, kOld));
  }
}

}  // namespace
}  // namespace tavel::e2e
