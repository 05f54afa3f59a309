// Playing real sound files through MCI under the sound server: order, titles, history, skip,
// abort, skipped entries, stop and seek.
#include <set>
#include <string>
#include <vector>

#include "harness/started_player.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

class Playback : public StartedPlayer {
 protected:
  // Writes M0 with the given entries (names in the sandbox folder unless they are full paths).
  void Memory(const std::vector<std::string>& names) {
    std::string bytes;
    for (const auto& n : names)
      bytes += (n.find(':') == std::string::npos ? box.PathOf(n) : n) + "\r\n";
    ASSERT_TRUE(box.WriteFile("TaVM32M0.LIS", bytes));
  }
  void Sound(const std::string& name, int ms, int hertz = 440) {
    ASSERT_TRUE(box.WriteFile(name, WavBytes(ms, hertz)));
  }
  // Every distinct title the player shows until `done` holds or the time-out passes.
  std::vector<std::string> TitlesUntil(const std::function<bool(const std::string&)>& done,
                                       int timeoutMs) {
    std::vector<std::string> titles;
    WaitUntil(
        [&] {
          std::string t = Caption(player);
          if (titles.empty() || titles.back() != t) titles.push_back(t);
          return done(t);
        },
        timeoutMs);
    return titles;
  }
  // Every distinct title from a press of 再生 until the player is idle again.
  std::vector<std::string> PlayToTheEnd() {
    if (!Click(WaitForControl(player, "Button2"))) return {};
    bool started = false;
    return TitlesUntil(
        [&](const std::string& t) {
          started = started || t != kIdleTitle;
          return started && t == kIdleTitle;
        },
        60000);
  }
};

TEST_F(Playback, AContinuousListPlaysEveryFileInOrderAndReturnsToIdle) {
  Sound("ONE.WAV", 1500, 440);
  Sound("two.wav", 1500, 550);
  Sound("Three.wav", 1500, 660);
  Memory({"ONE.WAV", "two.wav", "Three.wav"});
  StartPlayer(kContinuousPlay);
  std::vector<std::string> titles = PlayToTheEnd();
  std::vector<std::string> expected{kIdleTitle, PlayingTitle("ONE.WAV"), PlayingTitle("TWO.WAV"),
                                    PlayingTitle("THREE.WAV"), kIdleTitle};
  EXPECT_EQ(titles, expected);
  HWND combo = WaitForControl(player, "ComboBox1");
  EXPECT_EQ(ComboItems(combo).at(10), "HIS: 3ｺ");
  ClosePlayer();
  std::string history = box.PathOf("ONE.WAV") + "\r\n" + box.PathOf("two.wav") + "\r\n" +
                        box.PathOf("Three.wav") + "\r\n";
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"), std::optional<std::string>(history));
}

TEST_F(Playback, SkipMovesOnAtTheNextSecondAndAbortStops) {
  Sound("long1.wav", 12000, 440);
  Sound("long2.wav", 12000, 550);
  Memory({"long1.wav", "long2.wav"});
  StartPlayer(kContinuousPlay);
  ASSERT_TRUE(Click(WaitForControl(player, "Button2")));
  ASSERT_TRUE(WaitUntil([&] { return Caption(player) == PlayingTitle("LONG1.WAV"); }, 20000));
  HWND elapsed = WaitForControl(player, "Label6");
  ASSERT_TRUE(WaitUntil([&] { return ControlText(elapsed) == "1"; }, 20000)) << "never played";
  DWORD clicked = GetTickCount();
  ASSERT_TRUE(Click(WaitForControl(player, "Button4")));
  ASSERT_TRUE(WaitUntil([&] { return Caption(player) == PlayingTitle("LONG2.WAV"); }, 20000));
  // The monitor ticks once a second; a loaded machine gets some slack, but far less than the
  // ten seconds left of the first file.
  EXPECT_LT(GetTickCount() - clicked, 5000u);
  ASSERT_TRUE(Click(WaitForControl(player, "Button5")));
  EXPECT_TRUE(WaitUntil([&] { return Caption(player) == kIdleTitle; }, 10000));
  ClosePlayer();
}

TEST_F(Playback, MissingFilesAndUnknownTypesAreSkipped) {
  Sound("good.wav", 1000);
  ASSERT_TRUE(box.WriteFile("music.wma", WavBytes(1000)));
  Memory({"missing.wav", "music.wma", "good.wav"});
  StartPlayer(kContinuousPlay);
  std::vector<std::string> titles = PlayToTheEnd();
  EXPECT_EQ(titles, (std::vector<std::string>{kIdleTitle, PlayingTitle("GOOD.WAV"), kIdleTitle}));
  ClosePlayer();
}

TEST_F(Playback, StopKeepsTheTitleAndASeekResumesPlaying) {
  Sound("seek.wav", 10000);
  Memory({"seek.wav"});
  ASSERT_TRUE(box.Settings().Write("SAISEIBAR", "1"));
  StartPlayer(kContinuousPlay);
  ASSERT_TRUE(Click(WaitForControl(player, "Button2")));
  HWND elapsed = WaitForControl(player, "Label6");
  ASSERT_TRUE(WaitUntil([&] { return ControlText(elapsed) == "1"; }, 20000));
  HWND bar = WaitForControl(player, "PanelBar");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar) != FALSE; }, 10000));
  SaveScreenshot(player, "playing");
  ASSERT_TRUE(Click(WaitForControl(player, "ButtonStop2")));
  Sleep(2500);  // a stopped file stays where it is: nothing to wait for but time itself
  std::string stoppedAt = ControlText(elapsed);
  Sleep(2000);
  EXPECT_EQ(ControlText(elapsed), stoppedAt);
  EXPECT_EQ(Caption(player), PlayingTitle("SEEK.WAV"));
  SaveScreenshot(player, "stopped");

  HWND scroll = WaitForControl(player, "ScrollBar1");
  // Half way along the bar: a thumb drag that ends there.
  PostMessageA(GetParent(scroll), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 256),
               reinterpret_cast<LPARAM>(scroll));
  PostMessageA(GetParent(scroll), WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0),
               reinterpret_cast<LPARAM>(scroll));
  ASSERT_TRUE(WaitUntil([&] { return std::atoi(ControlText(elapsed).c_str()) >= 6; }, 20000))
      << "playing did not resume from the middle";
  ClosePlayer();
}

}  // namespace
}  // namespace tavel::e2e
