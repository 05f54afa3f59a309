// The keyboard's media keys on real windows, pressed through the system's input: each does what
// its button does, in the window and from the tray; of two players only the first takes them, and
// a key that another program holds works only in the window that has the focus.
#include <cstdlib>
#include <string>

#include "harness/started_player.h"
#include "harness/tray_icon.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

constexpr WORD kAllKeys[] = {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK,
                             VK_MEDIA_STOP};

// Takes a media key as a hot key of the test program, as another program would.
bool HoldKey(WORD key) {
  return RegisterHotKey(nullptr, key, 0, key) != 0;
}

class MediaKeys : public StartedPlayer {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    std::string list;
    for (auto [name, hertz] : {std::pair{"a.wav", 440}, {"b.wav", 550}, {"c.wav", 660}}) {
      ASSERT_TRUE(box.WriteFile(name, WavBytes(8000, hertz)));
      list += box.PathOf(name) + "\r\n";
    }
    ASSERT_TRUE(box.WriteFile("TaVM32M0.LIS", list));
  }
  void TearDown() override {
    for (WORD key : kAllKeys) UnregisterHotKey(nullptr, key);
  }
  void StartPlaying() {
    StartPlayer(kContinuousPlay);
    ASSERT_TRUE(StartUpEnded(player));
  }
  // The player has asked for the keys once its opening panel is gone.
  static bool StartUpEnded(HWND w) {
    return WaitUntil([&] { return !IsShown(FindControl(w, "PanelOPEN")); }, kWindowTimeoutMs);
  }
  static bool Shows(HWND w, const std::string& title) {
    return WaitUntil([&] { return Caption(w) == title; }, 20000);
  }
  static int Seconds(HWND label) { return std::atoi(ControlText(label).c_str()); }
};

TEST_F(MediaKeys, EachKeyDoesWhatItsButtonDoesInTheWindowAndFromTheTray) {
  StartPlaying();
  ASSERT_TRUE(BringToFront(player));
  HWND elapsed = WaitForControl(player, "Label6");
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_PLAY_PAUSE));
  ASSERT_TRUE(Shows(player, PlayingTitle("A.WAV", 1)));
  ASSERT_TRUE(WaitUntil([&] { return Seconds(elapsed) >= 1; }, 20000)) << "never played";

  // While a file plays the key is ■; pressed again it plays on from where the file stands.
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_PLAY_PAUSE));
  Sleep(2500);  // a held file stays where it is: nothing to wait for but time itself
  const int heldAt = Seconds(elapsed);
  Sleep(2000);
  EXPECT_EQ(Seconds(elapsed), heldAt);
  EXPECT_GE(heldAt, 1);
  EXPECT_EQ(Caption(player), PlayingTitle("A.WAV", 1));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_PLAY_PAUSE));
  bool fromThere = true;
  EXPECT_TRUE(WaitUntil(
      [&] {
        fromThere = fromThere && Seconds(elapsed) >= heldAt;
        return Seconds(elapsed) >= heldAt + 2;
      },
      20000));
  EXPECT_TRUE(fromThere) << "played from the start again";

  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_NEXT_TRACK));
  EXPECT_TRUE(Shows(player, PlayingTitle("B.WAV", 1)));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_PREV_TRACK));
  EXPECT_TRUE(Shows(player, PlayingTitle("A.WAV", 1)));

  // In the tray the window is hidden and has no focus; the keys still reach it.
  ASSERT_TRUE(Click(WaitForControl(player, "ButtonTRAY")));
  ASSERT_TRUE(WaitUntil([&] { return !IsShown(player) && TrayIconShown(player); }, 20000));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_NEXT_TRACK));
  EXPECT_TRUE(Shows(player, PlayingTitle("B.WAV", 1)));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_STOP));
  EXPECT_TRUE(Shows(player, IdleTitle(1)));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_PLAY_PAUSE));
  EXPECT_TRUE(Shows(player, PlayingTitle("B.WAV", 1))) << "starts at the selected entry";
  ClosePlayer();
}

TEST_F(MediaKeys, TheFirstPlayerTakesTheKeysAndAKeyHeldElsewhereWorksOnlyInTheFocusedWindow) {
  ASSERT_TRUE(HoldKey(VK_MEDIA_NEXT_TRACK));
  StartPlaying();
  TestProcess* secondProcess = nullptr;
  HWND second = StartAnotherPlayer(secondProcess, IdleTitle(2));
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(StartUpEnded(second));
  // Nobody holds "next" now: it comes to the window in front as a key press.
  UnregisterHotKey(nullptr, VK_MEDIA_NEXT_TRACK);

  ASSERT_TRUE(BringToFront(second));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_PLAY_PAUSE));
  ASSERT_TRUE(Shows(player, PlayingTitle("A.WAV", 1))) << "the first player holds the key";
  EXPECT_EQ(Caption(second), IdleTitle(2));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_NEXT_TRACK));
  EXPECT_TRUE(Shows(second, PlayingTitle("A.WAV", 2))) << "skip with nothing playing starts";
  EXPECT_EQ(Caption(player), PlayingTitle("A.WAV", 1));

  ASSERT_TRUE(BringToFront(player));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_NEXT_TRACK));
  EXPECT_TRUE(Shows(player, PlayingTitle("B.WAV", 1)));
  ASSERT_TRUE(PressKeyboardKey(VK_MEDIA_STOP));
  EXPECT_TRUE(Shows(player, IdleTitle(1)));
  EXPECT_NE(Caption(second), IdleTitle(2));

  ClosePlayer();
  for (WORD key : kAllKeys) {
    EXPECT_TRUE(HoldKey(key)) << "the closed player gave its keys back; the second never took them";
  }
  ClosePlayer(*secondProcess, second);
}

}  // namespace
}  // namespace tavel::e2e
