// How the player ends on real windows: the end of the Windows session, the emergency exit answered
// no and yes, and the shell starting again while the player sits in the tray.
#include <string>

#include "harness/harness.h"
#include "harness/tray_icon.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

class PlayerEnding : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    ASSERT_TRUE(box.Settings().Write("Version", "11"));
    ASSERT_TRUE(box.Settings().Write("MEMORY", "1,1,1,1,0,1,0"));
    ASSERT_TRUE(box.Settings().Write("FILEHIS", "10"));
    ASSERT_TRUE(box.WriteFile("LONG.WAV", WavBytes(30000, 440)));
    ASSERT_TRUE(box.WriteFile("TaVM32M0.LIS", box.PathOf("LONG.WAV") + "\r\n"));
  }
  // Starts the player with the play mode setting and waits until it has started up.
  HWND StartPlayer(const std::string& saiseim) {
    if (!box.Settings().Write("SAISEIM", saiseim)) return nullptr;
    process = &box.Start();
    HWND w = process->WaitForWindow(kPlayerClass);
    if (w && !WaitUntil([&] { return Caption(w) != "楽蔵32"; }, kWindowTimeoutMs)) return nullptr;
    return w;
  }
  bool Playing(HWND w) { return Caption(w).find("(再生中)") != std::string::npos; }
  // Past the first second of the file: it has started playing and has been recorded.
  bool PlayedASecond(HWND w) {
    HWND elapsed = FindControl(w, "Label6");
    return Playing(w) && elapsed && ControlText(elapsed) != "0";
  }

  Sandbox box;
  TestProcess* process = nullptr;
};

// Runs a program of the Windows folder with arguments and waits for its end.
bool RunSystemProgram(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return false;
  }
  bool ended = WaitForSingleObject(info.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return ended;
}

TEST_F(PlayerEnding, TheEndOfTheSessionSavesLikeANormalCloseFromTheTray) {
  HWND player = StartPlayer("0,0,1,1,-1,-1,-1,-1");  // auto-play, in the tray
  ASSERT_NE(player, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return PlayedASecond(player); }, kWindowTimeoutMs));
  EXPECT_FALSE(IsShown(player));
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1"));

  ASSERT_TRUE(RunSystemProgram("wineboot.exe --end-session"));
  ASSERT_TRUE(process->WaitForExit());
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,0,-1,0"));
  EXPECT_EQ(box.Settings().Read("SAISEIM"), std::optional<std::string>("0,0,1,1,-1,-1,-1,-1"));
  EXPECT_TRUE(box.Settings().Read("FP").has_value());
  EXPECT_FALSE(box.Settings().Read("WN").has_value());  // the number is given back
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"),
            std::optional<std::string>(box.PathOf("LONG.WAV") + "\r\n"));
}

TEST_F(PlayerEnding, ClosingWhilePlayingStopsTheFileAndSavesWhatIsOnShow) {
  HWND player = StartPlayer("0,0,1,0,-1,-1,-1,-1");  // auto-play
  ASSERT_NE(player, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return PlayedASecond(player); }, kWindowTimeoutMs));
  RequestClose(player);
  ASSERT_TRUE(process->WaitForExit());
  EXPECT_EQ(process->ExitCode(), std::optional<DWORD>(0));
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,0,-1,0"));
  EXPECT_EQ(box.Settings().Read("INDEX"), std::optional<std::string>("0,-1"));
  EXPECT_FALSE(box.Settings().Read("WN").has_value());
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"),
            std::optional<std::string>(box.PathOf("LONG.WAV") + "\r\n"));
}

TEST_F(PlayerEnding, TheEmergencyExitAnsweredNoStopsPlayingAndYesClosesWithoutSaving) {
  HWND player = StartPlayer("0,0,1,0,-1,-1,-1,-1");  // auto-play
  ASSERT_NE(player, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Playing(player); }, kWindowTimeoutMs));

  ChooseMenuItem(player, "MHELP3");
  HWND question = process->WaitForShownWindow("TYesNoBox");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(ControlText(WaitForControl(question, "Msg")).rfind("緊急脱出装置：\n", 0), 0u);
  ASSERT_TRUE(Click(WaitForControl(question, "Button2")));  // いいえ
  HWND notice = process->WaitForShownWindow("TStack0Box");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(ControlText(WaitForControl(notice, "Msg")), "緊急脱出を中止しました・・・");
  ASSERT_TRUE(Click(WaitForControl(notice, "Button1")));
  EXPECT_TRUE(WaitUntil([&] { return Caption(player) == kIdleTitle; }, kWindowTimeoutMs));
  EXPECT_TRUE(process->Running());

  ChooseMenuItem(player, "MHELP3");
  question = process->WaitForShownWindow("TYesNoBox");
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(Click(WaitForControl(question, "Button1")));  // はい
  ASSERT_TRUE(process->WaitForExit());
  EXPECT_FALSE(box.Settings().Read("FP").has_value());  // nothing saved
  EXPECT_EQ(box.Settings().Read("WN"), std::optional<std::string>("1"));
  EXPECT_FALSE(box.HasFile("TaVO32MH.LIS"));
}

TEST_F(PlayerEnding, TheShellStartingAgainBringsTheIconBack) {
  HWND player = StartPlayer("0,0,0,1,-1,-1,-1,-1");  // in the tray
  ASSERT_NE(player, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return TrayIconShown(player); }, kWindowTimeoutMs));
  // A shell that starts again has none of the old icons, and tells every window so.
  ASSERT_TRUE(RemoveTrayIconOf(player));
  ASSERT_FALSE(TrayIconShown(player));
  PostMessageA(player, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconShown(player); }, kWindowTimeoutMs));
  EXPECT_FALSE(IsShown(player));
  RequestClose(player);
  ASSERT_TRUE(process->WaitForExit());
  EXPECT_FALSE(TrayIconShown(player));
}

}  // namespace
}  // namespace tavel::e2e
