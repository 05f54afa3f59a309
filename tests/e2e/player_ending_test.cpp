// How the player ends on real windows: the end of the Windows session, the emergency exit answered
// no and yes, and the shell starting again while the player sits in the tray.
#include <string>

#include "harness/started_player.h"
#include "harness/tray_icon.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

const std::string kPlayingLong = PlayingTitle("LONG.WAV");

class PlayerEnding : public StartedPlayer {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.WriteFile("LONG.WAV", WavBytes(30000, 440)));
    ASSERT_TRUE(box.WriteFile("TaVM32M0.LIS", box.PathOf("LONG.WAV") + "\r\n"));
  }
  // Starts the player with the play mode setting and waits until it has started up, playing
  // when `autoPlay`.
  void StartWith(const std::string& saiseim, bool autoPlay) {
    StartPlayer({{"MEMORY", "1,1,1,1,0,1,0"}, {"FILEHIS", "10"}, {"SAISEIM", saiseim}},
                autoPlay ? kPlayingLong : kIdleTitle);
  }
  // Past the first second of the file: it has started playing and has been recorded.
  bool PlayedASecond() {
    HWND elapsed = FindControl(player, "Label6");
    return Caption(player) == kPlayingLong && elapsed && ControlText(elapsed) != "0";
  }
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
  StartWith("0,0,1,1,-1,-1,-1,-1", true);  // in the tray
  ASSERT_TRUE(WaitUntil([&] { return PlayedASecond(); }, kWindowTimeoutMs));
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
  StartWith("0,0,1,0,-1,-1,-1,-1", true);
  ASSERT_TRUE(WaitUntil([&] { return PlayedASecond(); }, kWindowTimeoutMs));
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,0,-1,0"));
  EXPECT_EQ(box.Settings().Read("INDEX"), std::optional<std::string>("0,-1"));
  EXPECT_FALSE(box.Settings().Read("WN").has_value());
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"),
            std::optional<std::string>(box.PathOf("LONG.WAV") + "\r\n"));
}

TEST_F(PlayerEnding, TheEmergencyExitAnsweredNoStopsPlayingAndYesClosesWithoutSaving) {
  StartWith("0,0,1,0,-1,-1,-1,-1", true);

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
  StartWith("0,0,0,1,-1,-1,-1,-1", false);  // in the tray
  ASSERT_TRUE(WaitUntil([&] { return TrayIconShown(player); }, kWindowTimeoutMs));
  // A shell that starts again has none of the old icons, and tells every window so.
  ASSERT_TRUE(RemoveTrayIconOf(player));
  ASSERT_FALSE(TrayIconShown(player));
  PostMessageA(player, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconShown(player); }, kWindowTimeoutMs));
  EXPECT_FALSE(IsShown(player));
  ClosePlayer();
  EXPECT_FALSE(TrayIconShown(player));
}

}  // namespace
}  // namespace tavel::e2e
