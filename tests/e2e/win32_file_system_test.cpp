// The replace of a list file on the real file system: whatever stands in its way, the file is
// afterwards the old list or the new one, whole, and nothing is left beside it.
#include "platform/win32/win32_file_system.h"

#include <functional>
#include <string>
#include <vector>

#include "harness/harness.h"

namespace tavel::e2e {
namespace {

const std::string kOld = "C:\\OLD\\1.MID\r\nC:\\OLD\\2.MID\r\n";
const std::string kNew = "C:\\NEW\\3.MID\r\n";

struct Obstacle {
  std::string what;
  bool replaced;                                       // whether the replace should get past it
  std::function<HANDLE(const std::string& list)> set;  // a handle held meanwhile, or null
};

TEST(AtomicReplace, LeavesTheOldListOrTheNewOneWholeAndNothingBesideIt) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  const std::string list = box.PathOf("TaVO32MH.LIS");
  auto staleTemporary = [](DWORD attributes) {
    return [attributes](const std::string& path) {
      WriteBytes(path + ".new", "C:\\HALF\\A L");  // left by a crash
      SetFileAttributesA((path + ".new").c_str(), attributes);
      return HANDLE{nullptr};
    };
  };
  auto heldOpen = [](DWORD share) {
    return [share](const std::string& path) {
      return CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    };
  };
  const std::vector<Obstacle> obstacles{
      {"a stale temporary file", true, staleTemporary(FILE_ATTRIBUTE_NORMAL)},
      {"a hidden stale temporary file", true, staleTemporary(FILE_ATTRIBUTE_HIDDEN)},
      {"a read-only stale temporary file", true, staleTemporary(FILE_ATTRIBUTE_READONLY)},
      {"a read-only list", false,
       [](const std::string& path) {
         SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
         return HANDLE{nullptr};
       }},
      {"a list held open without sharing", false, heldOpen(0)},
      {"a list held open for reading", false, heldOpen(FILE_SHARE_READ)},
  };
  for (const Obstacle& o : obstacles) {
    ASSERT_TRUE(box.WriteFile("TaVO32MH.LIS", kOld));
    HANDLE held = o.set(list);
    EXPECT_EQ(Win32FileSystem().ReplaceFileAtomically(list, kNew), o.replaced) << o.what;
    if (held) CloseHandle(held);
    SetFileAttributesA(list.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"), o.replaced ? kNew : kOld) << o.what;
    EXPECT_FALSE(box.HasFile("TaVO32MH.LIS.new")) << o.what;
  }
}

}  // namespace
}  // namespace tavel::e2e
