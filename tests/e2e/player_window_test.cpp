// The player window as the registry shapes it: window numbers, titles, placement, message boxes.
#include <string>

#include "harness/started_player.h"

namespace tavel::e2e {
namespace {

class PlayerWindow : public StartedPlayer {
 protected:
  // Starts the player with the saved position `fp`; its window rectangle once started.
  RECT StartAt(const std::string& fp) {
    RECT rect{};
    StartPlayer({{"FP", fp}});
    if (player) GetWindowRect(player, &rect);
    return rect;
  }
};

TEST_F(PlayerWindow, PlayersNumberThemselvesThroughTheRegistry) {
  StartPlayer({{"WN", "1,2"}});  // left behind by players that did not clean up
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1"));

  TestProcess* second = nullptr;
  HWND two = StartAnotherPlayer(second, IdleTitle(2));
  ASSERT_NE(two, nullptr) << "second player never showed " << IdleTitle(2);
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1,2"));

  ClosePlayer(*second, two);
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1"));
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("WN"), std::nullopt);
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,0,-1,1"));
  EXPECT_EQ(box.Settings().Read("SAISEIM"), std::optional<std::string>("3,1,0,0,-1,-1,-1,-1"));
}

// A far saved position puts the window into the bottom right corner of the work area, fully
// visible. The work area is the screen without a taskbar that the player recognises: a bar along
// one edge that overhangs the screen equally at both ends. The taskbar of Wine's explorer desktop
// sits flush with the screen's edges, so here the work area is the whole screen.
TEST_F(PlayerWindow, AFarPositionLandsInTheBottomRightCornerOfTheWorkArea) {
  const RECT w = StartAt("5000,5000");
  ASSERT_NE(player, nullptr);
  RECT bar{};
  GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
  int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  bool overhangs = bar.left < 0 && bar.left + bar.right == screenW;
  EXPECT_EQ(w.right, screenW);
  EXPECT_EQ(w.bottom, overhangs ? bar.top : screenH);
  EXPECT_GE(w.left, 0);
  EXPECT_GE(w.top, 0);
  SaveScreenshot(player, "bottom-right");
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("FP"),
            std::optional<std::string>(std::to_string(w.left) + "," + std::to_string(w.top)));
}

TEST_F(PlayerWindow, APositionOfLettersCentresTheWindow) {
  const RECT w = StartAt("abc");
  ASSERT_NE(player, nullptr);
  int width = w.right - w.left, height = w.bottom - w.top;
  EXPECT_EQ(w.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(w.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  SaveScreenshot(player, "centred");
  ClosePlayer();
}

// A failed start-up stage is the only way to get a box from a fresh player without playing: the
// memory named by MEMORY does not exist, so the start-up reports that it could not load it. The
// box is a stacked message box without countdown; "ＯＫ" closes it.
TEST_F(PlayerWindow, AStackedBoxShowsItsTextAndClosesWithOk) {
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.MarkInstalled());
  ASSERT_TRUE(box.Settings().Write("MEMORY", "1,1,1,1,11,1,1"));
  process = &box.Start();
  HWND msg = process->WaitForWindow("TStack0Box");
  ASSERT_NE(msg, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(msg); }, kWindowTimeoutMs));
  HWND text = WaitForControl(msg, "Msg");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(ControlText(text), "メモリーデータのロード処理に失敗しました・・・");
  SaveScreenshot(msg, "message");
  ASSERT_TRUE(Click(WaitForControl(msg, "Button1")));
  ASSERT_TRUE(WaitForNoWindow("TStack0Box"));
  player = process->WaitForWindow(kPlayerClass);
  ASSERT_TRUE(WaitUntil([&] { return Caption(player) == kIdleTitle; }, kWindowTimeoutMs));
  ClosePlayer();
}

}  // namespace
}  // namespace tavel::e2e
