// An MP3 through the same MCI commands as every other file: skipped while the option menu's switch
// for MP3 and WMA is off, played to its end once it is on. The MP3 is made before the tests
// (cmake/make-test-mp3.cmake); where this machine cannot make or play one, the test says so in
// the run's summary instead of passing.
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <cstdlib>
#include <string>

#include "harness/started_player.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

class Mp3Playback : public StartedPlayer {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    const std::string mp3 = PathFromEnvironment("TAVEL_MP3");
    ASSERT_FALSE(mp3.empty()) << "TAVEL_MP3 is not set";
    std::optional<std::string> bytes = ReadBytes(mp3);
    if (!bytes) {
      const std::string folder = mp3.substr(0, mp3.rfind('\\') + 1);
      std::string why = ReadBytes(folder + "no-mp3.txt").value_or(mp3 + " is missing");
      LeaveOut("no MP3 was made: " + why.substr(0, why.find_first_of("\r\n")));
      return;
    }
    ASSERT_TRUE(box.WriteFile("tone.mp3", *bytes));
    ASSERT_TRUE(box.WriteFile("short.wav", WavBytes(1000, 550)));
    const std::string probe = PathFromEnvironment("TAVEL_MP3_PROBE");
    ASSERT_FALSE(probe.empty()) << "TAVEL_MP3_PROBE is not set";
    TestProcess opens(probe, "\"" + box.PathOf("tone.mp3") + "\"", box.Folder());
    ASSERT_TRUE(opens.Started()) << probe;
    ASSERT_TRUE(opens.WaitForExit());
    if (DWORD error = opens.ExitCode().value_or(1); error != 0) {
      char text[256] = "";
      mciGetErrorStringA(error, text, sizeof text);
      LeaveOut("MCI cannot open an MP3 here (error " + std::to_string(error) + ": " + text +
               "; are gstreamer1.0-plugins-good and -base installed for this word size?)");
    }
  }
  void LeaveOut(const std::string& why) {
    NoteLeftOut("MP3 playback: " + why);
    GTEST_SKIP() << why;
  }
  void WaitForTitle(const std::string& title) {
    ASSERT_TRUE(WaitUntil([&] { return Caption(player) == title; }, 20000))
        << "waited for " << title << ", saw " << Caption(player);
  }
};

TEST_F(Mp3Playback, SkippedWhileTheSwitchIsOffAndPlayedToItsEndOnceItIsOn) {
  ASSERT_TRUE(
      box.WriteFile("TaVM32M0.LIS", box.PathOf("tone.mp3") + "\r\n" + box.PathOf("short.wav")));
  StartPlayer(kContinuousPlay);
  ASSERT_TRUE(Click(WaitForControl(player, "Button2")));
  WaitForTitle(PlayingTitle("SHORT.WAV"));
  WaitForTitle(kIdleTitle);

  ChooseMenuItem(player, "MP3WMA");
  PickListItem(WaitForControl(player, "ListBox2"), 0);
  ASSERT_TRUE(Click(WaitForControl(player, "Button2")));
  WaitForTitle(PlayingTitle("TONE.MP3"));
  // Three seconds of tone: its length, and the time going on as the sound server plays it.
  HWND length = WaitForControl(player, "Label5");
  HWND elapsed = WaitForControl(player, "Label6");
  ASSERT_TRUE(WaitUntil([&] { return ControlText(length) == "3"; }, 10000)) << ControlText(length);
  ASSERT_TRUE(WaitUntil([&] { return std::atoi(ControlText(elapsed).c_str()) >= 1; }, 20000))
      << "never played";
  WaitForTitle(PlayingTitle("SHORT.WAV"));
  WaitForTitle(kIdleTitle);
  ClosePlayer();

  EXPECT_EQ(box.Settings().Read("MP3WMA"), std::optional<std::string>("1"));
  const std::string played = box.PathOf("short.wav") + "\r\n";
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"),
            std::optional<std::string>(played + box.PathOf("tone.mp3") + "\r\n" + played));
}

}  // namespace
}  // namespace tavel::e2e
