// The player's menu commands that open the program's own boxes, on real windows.
#include <cstdlib>
#include <string>

#include "harness/started_player.h"

namespace tavel::e2e {
namespace {

class PlayerMenus : public StartedPlayer {
 protected:
  void SetUp() override { StartPlayer(); }
};

TEST_F(PlayerMenus, TheVersionCommandShowsTheAboutBox) {
  ChooseMenuItem(player, "HELP2");
  HWND about = process->WaitForShownWindow("TAboutBox");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(ControlText(WaitForControl(about, "Version")).find("1.1") != std::string::npos, true)
      << ControlText(WaitForControl(about, "Version"));
  SaveScreenshot(about, "about");
  ASSERT_TRUE(Click(WaitForControl(about, "Button1")));
  ASSERT_TRUE(WaitForNoWindow("TAboutBox"));
  ClosePlayer();
}

TEST_F(PlayerMenus, CancellingTheHistorySettingSaysSoAndChangesNothing) {
  ChooseMenuItem(player, "FILEHIS");
  HWND setting = process->WaitForShownWindow("TTMSETBox");
  ASSERT_NE(setting, nullptr);
  SaveScreenshot(setting, "history-setting");
  ASSERT_TRUE(Click(WaitForControl(setting, "Button4")));
  HWND notice = process->WaitForShownWindow("TStack0Box");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(ControlText(WaitForControl(notice, "Msg")), "中止しました。");
  ASSERT_TRUE(Click(WaitForControl(notice, "Button1")));
  ASSERT_TRUE(WaitForNoWindow("TStack0Box"));
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("FILEHIS"), std::optional<std::string>("0"));
}

// A click on the arrow of ten steps once; held down, the arrow repeats its step, and let go, the
// value stays where it got to.
TEST_F(PlayerMenus, TheArrowsOfTheSettingDialogStepOnceAndRepeatWhileHeld) {
  ChooseMenuItem(player, "FILEHIS");
  HWND setting = process->WaitForShownWindow("TTMSETBox");
  ASSERT_NE(setting, nullptr);
  HWND value = WaitForControl(setting, "Label2");
  HWND tens = WaitForControl(setting, "SpinButton2");
  ASSERT_EQ(ControlText(value), "0個");
  auto count = [&] { return std::atoi(ControlText(value).c_str()); };
  // Stepping, the value would change several times in half a second.
  auto settled = [&] {
    return WaitUntil(
        [&] {
          std::string before = ControlText(value);
          Sleep(500);
          return ControlText(value) == before;
        },
        kWindowTimeoutMs);
  };
  const LPARAM upperArrow = MAKELPARAM(10, 3);
  ASSERT_TRUE(PostMessageA(tens, WM_LBUTTONDOWN, MK_LBUTTON, upperArrow));
  ASSERT_TRUE(PostMessageA(tens, WM_LBUTTONUP, 0, upperArrow));
  EXPECT_TRUE(WaitUntil([&] { return count() > 0; }, kWindowTimeoutMs));
  EXPECT_TRUE(settled());
  EXPECT_EQ(ControlText(value), "10個");

  ASSERT_TRUE(PostMessageA(tens, WM_LBUTTONDOWN, MK_LBUTTON, upperArrow));
  // The press and at least two repeats.
  EXPECT_TRUE(WaitUntil([&] { return count() >= 40; }, kWindowTimeoutMs)) << ControlText(value);
  ASSERT_TRUE(PostMessageA(tens, WM_LBUTTONUP, 0, upperArrow));
  EXPECT_TRUE(settled());

  ASSERT_TRUE(Click(WaitForControl(setting, "Button4")));
  HWND notice = process->WaitForShownWindow("TStack0Box");
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(Click(WaitForControl(notice, "Button1")));
  ASSERT_TRUE(WaitForNoWindow("TStack0Box"));
  ClosePlayer();
}

}  // namespace
}  // namespace tavel::e2e
