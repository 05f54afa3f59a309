// Program entry: which main window a start opens, from the registry, the running windows, the
// command line and the executable's own name.
#include <optional>

#include "harness/started_player.h"

namespace tavel::e2e {
namespace {

// Waits until the process has ended by itself and checks that it ended with code 0.
void ExpectEndsWithZero(TestProcess& p) {
  ASSERT_TRUE(p.WaitForExit()) << "the process did not end by itself";
  EXPECT_EQ(p.ExitCode(), std::optional<DWORD>(0));
}

// The process's setup window exists and stays hidden; only its box is on show.
void ExpectOnlyAHiddenSetupWindow(TestProcess& p) {
  std::vector<HWND> setup = p.Windows(kSetupClass);
  ASSERT_EQ(setup.size(), 1u);
  EXPECT_FALSE(IsShown(setup[0]));
}

// A window of the setup class owned by the test program, standing for a running installer.
class ForeignSetupWindow {
 public:
  ForeignSetupWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kSetupClass;
    RegisterClassA(&wc);
    window_ = CreateWindowA(kSetupClass, "setup", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                            wc.hInstance, nullptr);
  }
  ~ForeignSetupWindow() {
    if (window_) DestroyWindow(window_);
  }
  HWND Window() const { return window_; }

 private:
  HWND window_;
};

using Entry = StartedPlayer;

// The start-up runs half a second after the window opens and ends with the numbered title, which
// the start waits for; a close before that would be the forced exit of an unfinished start-up.
TEST_F(Entry, InstalledVersionOpensThePlayer) {
  StartPlayer();
  EXPECT_TRUE(WaitUntil([&] { return IsShown(player); }, kWindowTimeoutMs));
  EXPECT_TRUE(process->Windows(kSetupClass).empty());
  SaveScreenshot(player, "player");
  ClosePlayer();
}

// Registry texts of "Version" that are not this version; nullopt is a missing settings key.
class EntryOtherVersion : public ::testing::TestWithParam<std::optional<std::string>> {};

TEST_P(EntryOtherVersion, OpensTheSetupWindow) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  if (GetParam()) {
    ASSERT_TRUE(box.Settings().Write("Version", *GetParam()));
  }
  TestProcess& p = box.Start();
  HWND setup = p.WaitForWindow(kSetupClass);
  ASSERT_NE(setup, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsShown(setup); }, kWindowTimeoutMs));
  EXPECT_TRUE(p.Windows(kPlayerClass).empty());
  // The start creates the settings key when it is missing, and writes nothing into it.
  EXPECT_TRUE(box.Settings().Exists());
  EXPECT_EQ(box.Settings().Read("Version"), GetParam());
  if (!GetParam()) SaveScreenshot(setup, "setup");
}

INSTANTIATE_TEST_SUITE_P(Versions, EntryOtherVersion,
                         ::testing::Values(std::nullopt, std::optional<std::string>("12"),
                                           std::optional<std::string>(""),
                                           std::optional<std::string>("abc")),
                         [](const auto& info) -> std::string {
                           if (!info.param) return "Missing";
                           if (info.param->empty()) return "Empty";
                           return "Text_" + *info.param;
                         });

TEST_F(Entry, NormalStartWhileTheInstallerRunsEndsSilently) {
  ASSERT_TRUE(box.Ready());
  TestProcess& installer = box.Start();
  ASSERT_NE(installer.WaitForWindow(kSetupClass), nullptr);

  // Even an installed version gives way to a running installer.
  ASSERT_TRUE(box.MarkInstalled());
  TestProcess& second = box.Start();
  auto seen = second.WatchUntilExit();
  ExpectEndsWithZero(second);
  EXPECT_TRUE(seen.empty()) << "first window seen: " << seen.front().className;
  EXPECT_EQ(TopWindows(kSetupClass).size(), 1u);
  EXPECT_TRUE(installer.Running());
}

TEST_F(Entry, AnySetupClassWindowStopsANormalStart) {
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.MarkInstalled());
  ForeignSetupWindow installer;
  ASSERT_NE(installer.Window(), nullptr);
  TestProcess& p = box.Start();
  auto seen = p.WatchUntilExit();
  ExpectEndsWithZero(p);
  EXPECT_TRUE(seen.empty()) << "first window seen: " << seen.front().className;
}

TEST_F(Entry, SecondStartOpensASecondPlayer) {
  StartPlayer();
  TestProcess* second = nullptr;
  HWND secondWindow = StartAnotherPlayer(second, IdleTitle(2));
  ASSERT_NE(secondWindow, nullptr);
  EXPECT_NE(secondWindow, player);
  EXPECT_TRUE(WaitForWindowCount(kPlayerClass, 2));
  EXPECT_TRUE(
      WaitUntil([&] { return IsShown(player) && IsShown(secondWindow); }, kWindowTimeoutMs));
  EXPECT_TRUE(process->Running());
  EXPECT_TRUE(second->Running());
}

TEST_F(Entry, UninstallInCapitalsIsANormalStart) {
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.MarkInstalled());
  TestProcess& p = box.Start("/UNINSTALL");
  EXPECT_NE(p.WaitForWindow(kPlayerClass), nullptr);
  EXPECT_TRUE(p.Windows(kSetupClass).empty());
}

TEST_F(Entry, UninstallWhileAPlayerRunsIsRefusedByAHiddenSetupWindow) {
  StartPlayer();

  TestProcess& uninstall = box.Start("/uninstall");
  HWND notice =
      WaitForNotice("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。");
  ASSERT_NE(notice, nullptr);
  SaveScreenshot(notice, "uninstall-refused");
  ExpectOnlyAHiddenSetupWindow(uninstall);
  ASSERT_TRUE(Click(FindControl(notice, "Button1")));
  ExpectEndsWithZero(uninstall);
  EXPECT_TRUE(process->Running());
  EXPECT_EQ(TopWindows(kPlayerClass).size(), 1u);
  EXPECT_EQ(box.Settings().Read("Version"), "11");
}

// The uninstaller copy is recognised by its file name in any case; the registry is not consulted
// (an installed version would otherwise open the player). Started by hand, without the data the
// uninstall hands it, it refuses under its own caption.
class EntryUninstallerCopy : public ::testing::TestWithParam<const char*> {};

TEST_P(EntryUninstallerCopy, RunsHiddenAndRefusesWithoutAnUninstall) {
  Sandbox box(GetParam());
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.MarkInstalled());
  TestProcess& p = box.Start();
  HWND notice =
      WaitForNotice("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[KOLAP SOFT32]専用のｱﾝｲﾝｽﾂｰﾙｿﾌﾄです。");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(Caption(notice), "UNINSTALL_KOLAP000");
  ExpectOnlyAHiddenSetupWindow(p);
  ASSERT_TRUE(Click(FindControl(notice, "Button1")));
  ExpectEndsWithZero(p);
  EXPECT_TRUE(box.HasFile(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Names, EntryUninstallerCopy,
                         ::testing::Values("UNIN_KOLAP000.EXE", "unin_kolap000.exe",
                                           "Unin_Kolap000.Exe"),
                         [](const auto& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.')) + "_" +
                                  name.substr(name.find('.') + 1);
                         });

}  // namespace
}  // namespace tavel::e2e
