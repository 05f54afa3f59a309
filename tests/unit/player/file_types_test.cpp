// The types of file played: MP3 and WMA only while the option menu's switch is on, which is kept
// in the settings like the other switches.
#include <gtest/gtest.h>

#include "lists/playable.h"
#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

using Strings = std::vector<std::string>;

using FileTypes = PlaybackFixture;

TEST_F(FileTypes, AnMp3OrWmaEntryIsSkippedUntilTheSwitchIsOnWhichIsSavedAtClose) {
  Strings list{Sound("C:\\M\\One.mp3"), Sound("C:\\M\\TWO.WMA"), Sound("C:\\M\\three.wav")};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  ASSERT_FALSE(p.MP3WMA.Checked());
  Select(0);
  p.Button2.Click();
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{2}));
  EXPECT_EQ(mci.Count("Open \"C:\\M\\One.mp3\" alias Kolap wait"), 0);  // skipped unopened

  p.MP3WMA.Click();
  mci.started.clear();
  Select(0);
  p.Button2.Click();
  ui.Advance(1200);
  p.MP3WMA.Click();  // while ONE.MP3 plays: it plays on, and the next pick follows the switch
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{0, 2}));
  p.MP3WMA.Click();
  p.Close();
  EXPECT_EQ(Setting("MP3WMA"), "1");
  EXPECT_TRUE(Start().MP3WMA.Checked());
  EXPECT_TRUE(IsPlayableType(list[1], *player->State.ExtensionList));

  // The emergency exit saves nothing, this switch included.
  player->MP3WMA.Click();
  player->State.EmergencyExit = 1;
  player->Close();
  EXPECT_EQ(Setting("MP3WMA"), "1");
}

}  // namespace
}  // namespace tavel::testing
