// The types of file played: MP3 and WMA only while the option menu's switch is on, which is kept
// in the settings like the other switches.
#include <gtest/gtest.h>

#include "player/playback_fixture.h"
#include "player/playback_rules.h"

namespace tavel::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(PlayableTypes, MP3AndWMAAreAddedToTheSixOnlyWhenAsked) {
  const Strings six = PlayableTypes();
  const Strings eight = PlayableTypes(true);
  for (const char* path : {"C:\\M\\a.wav", "C:\\M\\b.MIDI", "C:\\M\\c.au", "C:\\M\\d.snd"}) {
    EXPECT_TRUE(IsPlayableType(path, six)) << path;
    EXPECT_TRUE(IsPlayableType(path, eight)) << path;
  }
  for (const char* path : {"C:\\M\\Song.mp3", "C:\\M\\SONG.WMA", "C:\\ソ\\表.Mp3"}) {
    EXPECT_FALSE(IsPlayableType(path, six)) << path;
    EXPECT_TRUE(IsPlayableType(path, eight)) << path;
  }
  // Neighbours of the two that MCI would open as video or not at all.
  for (const char* path : {"C:\\M\\clip.mp4", "C:\\M\\clip.wmv", "C:\\M\\mp3", "C:\\MP3.X\\a"})
    EXPECT_FALSE(IsPlayableType(path, eight)) << path;
}

class FileTypes : public PlaybackFixture {
 protected:
  // An MP3, a WMA and a WAV, played in order without end.
  Strings Mixed() {
    return {Sound("C:\\M\\One.mp3", 3056), Sound("C:\\M\\TWO.WMA", 1500),
            Sound("C:\\M\\three.wav", 1500)};
  }
};

TEST_F(FileTypes, SwitchedOffAnMp3OrWmaEntryIsSkippedAndSwitchedOnItPlaysLikeAnyOther) {
  Strings list = Mixed();
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  ASSERT_FALSE(p.MP3WMA.Checked());
  Select(0);
  p.Button2.Click();
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{2}));
  EXPECT_EQ(mci.Count("Open \"C:\\M\\One.mp3\" alias Kolap wait"), 0);

  p.MP3WMA.Click();
  EXPECT_TRUE(p.MP3WMA.Checked());
  mci.started.clear();
  Select(0);
  p.Button2.Click();
  ui.Advance(200);
  EXPECT_EQ(p.Caption(), "1楽蔵32 ONE.MP3 (再生中)");
  EXPECT_EQ(p.Label5.Caption(), "3");
  EXPECT_EQ(p.State.BarScale, 3056 / 512);
  ui.Advance(2000);
  EXPECT_EQ(p.Label6.Caption(), "2");
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(*p.State.HistoryList, (Strings{list[2], list[0], list[1], list[2]}));
  p.Close();
  EXPECT_EQ(Setting("MP3WMA"), "1");

  Start();
  EXPECT_TRUE(player->MP3WMA.Checked());
  EXPECT_TRUE(IsPlayableType(list[1], *player->State.ExtensionList));
}

TEST_F(FileTypes, TheFilePlayingPlaysOnAndTheNextPickFollowsTheSwitch) {
  Store("MP3WMA", "1");
  Strings list = Mixed();
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  ASSERT_TRUE(p.MP3WMA.Checked());
  Select(0);
  p.Button2.Click();
  ui.Advance(1200);
  p.MP3WMA.Click();  // while ONE.MP3 plays
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{0, 2}));
  p.Close();
  EXPECT_EQ(Setting("MP3WMA"), "0");
}

TEST_F(FileTypes, TheEmergencyExitDoesNotSaveTheSwitch) {
  TTAVEL32KOLAP& p = Start();
  p.MP3WMA.Click();
  p.State.EmergencyExit = 1;
  p.Close();
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MP3WMA"));
}

}  // namespace
}  // namespace tavel::testing
