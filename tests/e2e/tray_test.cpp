// The player in the task tray on real windows: started hidden, and the icon's pop-up menus.
#include <string>

#include "harness/started_player.h"
#include "harness/tray_icon.h"

namespace tavel::e2e {
namespace {

using Tray = StartedPlayer;

TEST_F(Tray, StartedInTheTrayTheIconOpensItsMenusWithoutTheWindow) {
  StartPlayer({{"SAISEIM", "0,0,0,1,-1,-1,-1,-1"}});  // in the tray

  for (LPARAM click : {LPARAM(WM_RBUTTONDOWN), LPARAM(WM_LBUTTONDOWN)}) {
    HWND menu = OpenIconMenu(player, *process, click);
    ASSERT_NE(menu, nullptr) << "no menu opened for the mouse message " << click;
    SaveScreenshot(menu, click == WM_RBUTTONDOWN ? "right-menu" : "left-menu");
    EXPECT_FALSE(IsShown(player));
    // Escape closes the menu as the user would.
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(menu); }, kWindowTimeoutMs));
  }
  EXPECT_FALSE(IsShown(player));
  ClosePlayer();
}

}  // namespace
}  // namespace tavel::e2e
