// The player in the task tray on real windows: started hidden, and the icon's pop-up menus.
#include <string>

#include "harness/harness.h"
#include "harness/tray_icon.h"

namespace tavel::e2e {
namespace {

TEST(Tray, StartedInTheTrayTheIconOpensItsMenusWithoutTheWindow) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.Settings().Write("Version", "11"));
  ASSERT_TRUE(box.Settings().Write("SAISEIM", "0,0,0,1,-1,-1,-1,-1"));  // start in the tray
  TestProcess& p = box.Start();
  HWND player = p.WaitForWindow(kPlayerClass);
  ASSERT_NE(player, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Caption(player) == "1楽蔵32 TAVEL"; }, kWindowTimeoutMs));

  for (LPARAM click : {LPARAM(WM_RBUTTONDOWN), LPARAM(WM_LBUTTONDOWN)}) {
    PostMessageA(player, kTrayCallbackMessage, 0, click);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          for (HWND w : p.Windows(kPopupMenuClass)) {
            if (IsShown(w)) menu = w;
          }
          return menu != nullptr;
        },
        kWindowTimeoutMs))
        << "no menu opened for the mouse message " << click;
    SaveScreenshot(menu, click == WM_RBUTTONDOWN ? "right-menu" : "left-menu");
    EXPECT_FALSE(IsShown(player));
    // Escape closes the menu as the user would.
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil(
        [&] {
          for (HWND w : p.Windows(kPopupMenuClass)) {
            if (IsShown(w)) return false;
          }
          return true;
        },
        kWindowTimeoutMs));
  }
  EXPECT_FALSE(IsShown(player));
  RequestClose(player);
  ASSERT_TRUE(p.WaitForExit());
  EXPECT_EQ(p.ExitCode(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace tavel::e2e
