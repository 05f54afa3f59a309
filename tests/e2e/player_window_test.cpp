// The player window as the registry shapes it: window numbers, titles, placement, message boxes.
#include <string>

#include "harness/harness.h"

namespace tavel::e2e {
namespace {

const std::string kIdleTitle1 = "1楽蔵32 TAVEL";
const std::string kIdleTitle2 = "2楽蔵32 TAVEL";

// Starts a player in the sandbox and waits until its start-up has given it its idle title.
HWND StartPlayer(Sandbox& box, TestProcess*& process, const std::string& title) {
  process = &box.Start();
  HWND player = process->WaitForWindow(kPlayerClass);
  if (!player) return nullptr;
  if (!WaitUntil([&] { return Caption(player) == title; }, kWindowTimeoutMs)) return nullptr;
  return player;
}

// Starts a player with the saved position `fp` and returns its window rectangle once started.
struct Placed {
  TestProcess* process = nullptr;
  HWND window = nullptr;
  RECT rect{};
};
Placed StartAt(Sandbox& box, const std::string& fp) {
  Placed placed;
  if (!box.Settings().Write("Version", "11") || !box.Settings().Write("FP", fp)) return placed;
  placed.window = StartPlayer(box, placed.process, kIdleTitle1);
  if (placed.window) GetWindowRect(placed.window, &placed.rect);
  return placed;
}

void CloseAndWait(TestProcess& p, HWND window) {
  RequestClose(window);
  ASSERT_TRUE(p.WaitForExit());
  EXPECT_EQ(p.ExitCode(), std::optional<DWORD>(0));
}

TEST(PlayerWindow, PlayersNumberThemselvesThroughTheRegistry) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.Settings().Write("Version", "11"));
  ASSERT_TRUE(box.Settings().Write("WN", "1,2"));  // left behind by players that did not clean up
  TestProcess* first = nullptr;
  HWND one = StartPlayer(box, first, kIdleTitle1);
  ASSERT_NE(one, nullptr) << "first player never showed " << kIdleTitle1;
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1"));

  TestProcess* second = nullptr;
  HWND two = StartPlayer(box, second, kIdleTitle2);
  ASSERT_NE(two, nullptr) << "second player never showed " << kIdleTitle2;
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1,2"));

  CloseAndWait(*second, two);
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1"));
  CloseAndWait(*first, one);
  EXPECT_EQ(box.Settings().Read("WN"), std::nullopt);
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,0,-1,1"));
  EXPECT_EQ(box.Settings().Read("SAISEIM"), std::optional<std::string>("3,1,0,0,-1,-1,-1,-1"));
}

// A far saved position puts the window into the bottom right corner of the work area, fully
// visible. The work area is the screen without a taskbar that the player recognises: a bar along
// one edge that overhangs the screen equally at both ends. The taskbar of Wine's explorer desktop
// sits flush with the screen's edges, so here the work area is the whole screen.
TEST(PlayerWindow, AFarPositionLandsInTheBottomRightCornerOfTheWorkArea) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  Placed placed = StartAt(box, "5000,5000");
  ASSERT_NE(placed.window, nullptr);
  HWND player = placed.window;
  const RECT& w = placed.rect;
  RECT bar{};
  GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &bar);
  int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  bool overhangs = bar.left < 0 && bar.left + bar.right == screenW;
  EXPECT_EQ(w.right, screenW);
  EXPECT_EQ(w.bottom, overhangs ? bar.top : screenH);
  EXPECT_GE(w.left, 0);
  EXPECT_GE(w.top, 0);
  SaveScreenshot(player, "bottom-right");
  CloseAndWait(*placed.process, player);
  EXPECT_EQ(box.Settings().Read("FP"),
            std::optional<std::string>(std::to_string(w.left) + "," + std::to_string(w.top)));
}

TEST(PlayerWindow, APositionOfLettersCentresTheWindow) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  Placed placed = StartAt(box, "abc");
  ASSERT_NE(placed.window, nullptr);
  const RECT& w = placed.rect;
  int width = w.right - w.left, height = w.bottom - w.top;
  EXPECT_EQ(w.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(w.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  SaveScreenshot(placed.window, "centred");
  CloseAndWait(*placed.process, placed.window);
}

// A failed start-up stage is the only way to get a box from a fresh player without playing: the
// memory named by MEMORY does not exist, so the start-up reports that it could not load it. The
// box is a stacked message box without countdown; "ＯＫ" closes it.
TEST(PlayerWindow, AStackedBoxShowsItsTextAndClosesWithOk) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.Settings().Write("Version", "11"));
  ASSERT_TRUE(box.Settings().Write("MEMORY", "1,1,1,1,11,1,1"));
  TestProcess& p = box.Start();
  HWND msg = p.WaitForWindow("TStack0Box");
  ASSERT_NE(msg, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(msg); }, kWindowTimeoutMs));
  HWND text = WaitForControl(msg, "Msg");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(ControlText(text), "メモリーデータのロード処理に失敗しました・・・");
  SaveScreenshot(msg, "message");
  ASSERT_TRUE(Click(WaitForControl(msg, "Button1")));
  ASSERT_TRUE(WaitForNoWindow("TStack0Box"));
  HWND player = p.WaitForWindow(kPlayerClass);
  ASSERT_TRUE(WaitUntil([&] { return Caption(player) == kIdleTitle1; }, kWindowTimeoutMs));
  CloseAndWait(p, player);
}

}  // namespace
}  // namespace tavel::e2e
