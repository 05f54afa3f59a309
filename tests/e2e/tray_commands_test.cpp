// Entering the tray with the Tray button and the full tray menu's commands on real windows: the
// play mode 単独 and leaving the tray.
#include <string>

#include "harness/started_player.h"
#include "harness/tray_icon.h"

namespace tavel::e2e {
namespace {

// Places of items in the full menu among the items that can be chosen (separators left out).
constexpr int kSingleModeItem = 7;  // 再生, 中断, スキップ, バックスキップ, 連続, 逆連, 単独
constexpr int kLeaveTrayItem = 9;  // ... ランダム, 常駐解除

class TrayCommands : public StartedPlayer {
 protected:
  void SetUp() override { StartPlayer({{"SAISEIM", "0,0,0,0,-1,-1,-1,-1"}}); }
  // Opens the full menu with a right click on the icon and chooses the item at `place` with the
  // keyboard, as a user can.
  void ChooseFromFullMenu(int place) {
    HWND menu = OpenIconMenu(player, *process, WM_RBUTTONDOWN);
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < place; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_CHAR, '\r', 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(menu); }, kWindowTimeoutMs));
  }
  bool ModeChecked(int index) {
    HWND group = FindControl(player, "RadioGroup1");
    return group && IsChecked(GetDlgItem(group, index + 1));
  }
};

TEST_F(TrayCommands, TheTrayButtonHidesTheWindowAndTheMenuChoosesTheModeAndLeaves) {
  HWND tray = WaitForControl(player, "ButtonTRAY");
  ASSERT_TRUE(Click(tray));
  ASSERT_TRUE(
      WaitUntil([&] { return !IsShown(player) && TrayIconShown(player); }, kWindowTimeoutMs));
  ASSERT_TRUE(ModeChecked(0));

  ChooseFromFullMenu(kSingleModeItem);
  EXPECT_TRUE(WaitUntil([&] { return ModeChecked(2); }, kWindowTimeoutMs));
  EXPECT_FALSE(IsShown(player));

  ChooseFromFullMenu(kLeaveTrayItem);
  EXPECT_TRUE(WaitUntil([&] { return IsShown(player) && IsShown(tray); }, kWindowTimeoutMs));
  EXPECT_FALSE(TrayIconShown(player));

  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("SAISEIM"), std::optional<std::string>("2,0,0,0,-1,-1,-1,-1"));
}

}  // namespace
}  // namespace tavel::e2e
