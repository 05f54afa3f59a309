// The playback engine against the fake MCI device in virtual time: the command texts, the steps of
// one file, the play bar, failures, and what arrives while a step lets events run.
#include <gtest/gtest.h>

#include "lists/playable.h"
#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

using Playback = PlaybackFixture;
using Strings = std::vector<std::string>;

TEST_F(Playback, OneFileRunsThroughTheStepsWithTheExactCommands) {
  Strings list{Sound("C:\\Music\\Bell.wav", 1500)};
  TTAVEL32KOLAP& p = StartWith(list, 2, false);
  Select(0);
  p.Button2.Click();
  ui.Advance(200);  // pick, then open and play
  EXPECT_EQ(p.Caption(), "1楽蔵32 BELL.WAV (再生中)");
  EXPECT_EQ(app.Title(), p.Caption());
  EXPECT_EQ(p.State.CurrentFile, "C:\\Music\\Bell.wav");
  EXPECT_EQ(*p.State.HistoryList, list);
  EXPECT_TRUE(ui.TimerArmed(p.Timer3));
  Play(5000);
  EXPECT_EQ(mci.commands, (Strings{"Open \"C:\\Music\\Bell.wav\" alias Kolap wait",
                                   "Set Kolap time format ms wait", "status Kolap length wait",
                                   "play Kolap", "status Kolap position", "status Kolap position",
                                   "Close Kolap wait", "Close Kolap wait"}));
  EXPECT_EQ(ui.Now(), 500 + 200 + 2000 + 100);  // two ticks, then the single mode's advance
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(p.Caption(), "1楽蔵32 TAVEL");
  EXPECT_EQ(ArmedSteps(), 0);
}

TEST_F(Playback, AShortFileHasABarStepPerMillisecondAndEndsAtTheFirstTick) {
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\CLICK.WAV", 300)}, 2, false);
  p.Button2.Click();
  ui.Advance(200);
  EXPECT_EQ(p.ScrollBar1.Max(), 300);
  EXPECT_EQ(p.State.BarScale, 1);
  EXPECT_EQ(p.Label5.Caption(), "0");
  ui.Advance(1000);
  EXPECT_EQ(mci.Count("status Kolap position"), 1);
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_TRUE(ui.TimerArmed(p.Timer4));
}

TEST_F(Playback, TheBarAndTheElapsedTimeFollowThePosition) {
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\MID.WAV", 1500)}, 2, false);
  p.Button2.Click();
  ui.Advance(200);
  EXPECT_EQ(p.ScrollBar1.Max(), 512);
  EXPECT_EQ(p.State.BarScale, 2);
  EXPECT_EQ(p.Label5.Caption(), "1");
  ui.Advance(1000);
  EXPECT_EQ(p.State.TrackPosition, 1000);
  EXPECT_EQ(p.ScrollBar1.Position(), 500);
  EXPECT_EQ(p.Label6.Caption(), "1");
}

TEST_F(Playback, TheSeekBarScalesLongFilesAndPlayingResumesAtTheNextTick) {
  Store("SAISEIBAR", "1");
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\LONG.WAV", 100000)}, 2, false);
  p.Button2.Click();
  ui.Advance(200);
  EXPECT_TRUE(p.PanelBar.Visible());
  EXPECT_EQ(p.ScrollBar1.Max(), 512);
  EXPECT_EQ(p.State.BarScale, 195);
  EXPECT_EQ(p.Label5.Caption(), "100");
  // A drag: the handler sees where the thumb stood, so the closing event seeks to where it was
  // left.
  p.ScrollBar1.Scroll(ScrollCode::ThumbTrack, 256);
  EXPECT_EQ(mci.commands.back(), "seek Kolap to start wait");
  p.ScrollBar1.Scroll(ScrollCode::EndScroll, 256);
  EXPECT_EQ(mci.commands.back(), "seek Kolap to 49920 wait");
  EXPECT_EQ(mci.Count("pause KOLAP wait"), 2);
  EXPECT_EQ(p.Label6.Caption(), "49");
  EXPECT_FALSE(mci.Playing());
  ui.Advance(1000);
  EXPECT_EQ(mci.commands.back(), "play KOLAP");
  EXPECT_TRUE(mci.Playing());
  ui.Advance(1000);
  EXPECT_EQ(p.State.TrackPosition, 50920);
}

TEST_F(Playback, StopKeepsTheFileOpenAndASeekPlaysOnWithinASecond) {
  Store("SAISEIBAR", "1");
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\A.WAV", 10000)}, 2, false);
  p.Button2.Click();
  ui.Advance(1200);
  std::string title = p.Caption();
  p.ButtonStop2.Click();
  EXPECT_EQ(mci.commands.back(), "stop KOLAP wait");
  EXPECT_EQ(p.Timer3.Interval(), 500);
  ui.Advance(3000);
  EXPECT_TRUE(mci.IsOpen());
  EXPECT_EQ(p.State.TrackPosition, 1000);  // polled, but standing still
  EXPECT_EQ(p.Timer3.Interval(), 1000);
  EXPECT_EQ(p.Caption(), title);
  p.ScrollBar1.Scroll(ScrollCode::EndScroll, p.ScrollBar1.Position());
  ui.Advance(1000);
  EXPECT_TRUE(mci.Playing());
  EXPECT_TRUE(p.State.PlayActive);
}

TEST_F(Playback, AStopPressedDuringAMonitorTickWaitsForTheTickToEnd) {
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\A.WAV", 10000)}, 2, false);
  mci.OnCommand = [&](const std::string& c) {
    if (c == "status Kolap position" && mci.Count(c) == 1) ui.Post([&] { p.ButtonStop2.Click(); });
  };
  p.Button2.Click();
  ui.Advance(1200);
  EXPECT_EQ(mci.commands.back(), "stop KOLAP wait");
  EXPECT_EQ(mci.Count("stop KOLAP wait"), 1);
  EXPECT_EQ(mci.commands[mci.commands.size() - 2], "status Kolap position");
  EXPECT_TRUE(ui.TimerArmed(p.Timer3));
  EXPECT_EQ(p.Timer3.Interval(), 500);
  EXPECT_FALSE(mci.Playing());
}

TEST_F(Playback, SkipArrivingInsideAMonitorTickEndsTheFileInThatTick) {
  Strings list{Sound("C:\\M\\A.WAV", 10000), Sound("C:\\M\\B.WAV", 10000)};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  mci.OnCommand = [&](const std::string& c) {
    if (c == "status Kolap position" && mci.Count(c) == 2) ui.Post([&] { p.Button4.Click(); });
  };
  p.Button2.Click();
  Play(2200);
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_TRUE(ui.TimerArmed(p.Timer4));
  Play(300);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{0, 1}));
  EXPECT_EQ(p.State.SkipCommand, 1);
}

TEST_F(Playback, UnplayableEntriesAreSkippedSilently) {
  Strings list{"C:\\M\\GONE.WAV",           Sound("C:\\M\\SONG.wma"),   Sound("C:\\M\\NOEXT"),
               Sound("C:\\M\\BADOPEN.WAV"), Sound("C:\\M\\BADLEN.WAV"), Sound("C:\\M\\BADPLAY.WAV"),
               Sound("C:\\M\\TUNE.midi")};
  mci.failOpen = {list[3]};
  mci.failLength = {list[4]};
  mci.failPlay = {list[5]};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  p.Button2.Click();
  Play(20000);
  EXPECT_EQ(mci.started, (Strings{"C:\\M\\TUNE.midi"}));
  EXPECT_EQ(mci.Count("Open \"C:\\M\\GONE.WAV\" alias Kolap wait"), 0);
  EXPECT_EQ(mci.Count("Open \"C:\\M\\SONG.wma\" alias Kolap wait"), 0);
  EXPECT_EQ(mci.Count("Open \"C:\\M\\NOEXT\" alias Kolap wait"), 0);
  // Each failed step closes the device before moving on.
  EXPECT_EQ(mci.Count("Close Kolap wait"), 3 + 1 + 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(*p.State.HistoryList, (Strings{"C:\\M\\TUNE.midi"}));
}

TEST_F(Playback, AFailedPositionQueryEndsTheFileAsFinished) {
  Strings list{Sound("C:\\M\\A.WAV", 10000), Sound("C:\\M\\B.WAV", 10000)};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  p.Button2.Click();
  ui.Advance(200);
  mci.failPosition = true;
  ui.Advance(1000);
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_TRUE(ui.TimerArmed(p.Timer4));
  EXPECT_EQ(p.State.TrackPosition, 0);  // the position keeps its last value
}

TEST_F(Playback, PathsTooLongForTheCommandBufferAreSkippedUnsent) {
  std::string folder = "C:\\" + std::string(267, 'D') + "\\";
  std::string fits = Sound(folder + "ABCD.WAV");      // 279 characters
  std::string tooLong = Sound(folder + "ABCDE.WAV");  // 280 characters
  ASSERT_EQ(fits.size(), 279u);
  Strings list{tooLong, fits};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  p.Button2.Click();
  Play(5000);
  EXPECT_EQ(mci.started, (Strings{fits}));
  EXPECT_EQ(mci.commands.front(), "Close Kolap wait");  // the skip closes, nothing was opened
  EXPECT_EQ(mci.commands[1].size(), kMciCommandCapacity);
  for (const std::string& c : mci.commands) EXPECT_LE(c.size(), kMciCommandCapacity);
}

TEST_F(Playback, AFileWhosePositionStopsShortOfItsLengthEndsThere) {
  // The header promises five seconds, the data holds a quarter of one.
  mci.AddTruncatedFile("C:\\M\\CUT.WAV", 5000, 250);
  files.Put("C:\\M\\CUT.WAV", "RIFF");
  Strings list{"C:\\M\\CUT.WAV", Sound("C:\\M\\NEXT.WAV", 1500)};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  p.Button2.Click();
  ui.Advance(200 + 3000);
  EXPECT_TRUE(mci.IsOpen());  // three polls at 250: two of them unchanged
  EXPECT_EQ(p.State.CurrentFile, list[0]);
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{0, 1}));
  EXPECT_FALSE(p.State.PlayActive);
  // Four polls saw the cut file: the first at 250 ms and three more standing still.
  EXPECT_EQ(mci.Count("status Kolap position"), 4 + 2);
}

TEST_F(Playback, AStartArrivingInsideAPlayStepGivesUpAtOnce) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  // A double-click on another entry while the first file is being opened.
  mci.OnCommand = [&](const std::string& c) {
    if (c.rfind("Open ", 0) == 0 && mci.Count(c) == 1 && c.find("S0") != std::string::npos) {
      ui.Post([&] { p.ListBox2.UserDoubleClick(3); });
    }
  };
  p.Button2.Click();
  std::int64_t clicked = ui.Now();
  ui.Advance(200);
  EXPECT_LT(ui.Now(), clicked + 1000);  // not a minute of waiting
  EXPECT_EQ(messages, Strings{"中断ボタンを押して下さい。\n完全に停止してから再生してね☆"});
  EXPECT_EQ(ui.BeepCount(), 1);
  EXPECT_EQ(p.State.StartGuard, 0);
  Play(3000);  // the sequence stops at its next step
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_EQ(ArmedSteps(), 0);

  mci.OnCommand = nullptr;
  p.ListBox2.UserDoubleClick(3);
  Play(500);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{0, 3}));
  p.Close();
  EXPECT_TRUE(p.IsClosed());
}

TEST_F(Playback, ClosingWhilePlayingClosesTheDevicePastTheSender) {
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\A.WAV", 10000)}, 2, true);
  p.Button2.Click();
  ui.Advance(1500);
  ASSERT_TRUE(mci.IsOpen());
  p.Close();
  EXPECT_TRUE(p.IsClosed());
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_EQ(mci.commands.back(), "Close Kolap wait");
  EXPECT_EQ(p.State.LastMciResult, 0);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(p.SendMci("play Kolap"), -1);
  ui.Advance(5000);
  EXPECT_EQ(mci.commands.back(), "Close Kolap wait");
  EXPECT_FALSE(p.State.HistoryList);  // released by the close
}

TEST_F(Playback, ACloseArrivingBetweenTwoCommandsStopsTheOpenStep) {
  TTAVEL32KOLAP& p = StartWith({Sound("C:\\M\\A.WAV", 10000)}, 2, true);
  // The close arrives while the sender lets events run before its next command.
  bool busy = false;
  mci.OnCommand = [&](const std::string& c) {
    if (c != "Set Kolap time format ms wait") return;
    ui.Post([&] {
      ui.Post([&] {
        busy = p.State.MciBusy != 0;
        p.Close();
      });
    });
  };
  p.Button2.Click();
  ui.Advance(1500);
  EXPECT_TRUE(p.IsClosed());
  EXPECT_EQ(mci.Count("status Kolap length wait"), 0);
  EXPECT_FALSE(mci.IsOpen());
  // The command on its way is never sent; the device is closed past the sender, and once more
  // because a command was in flight when the close came.
  EXPECT_TRUE(busy);
  EXPECT_EQ(Strings(mci.commands.end() - 3, mci.commands.end()),
            (Strings{"Set Kolap time format ms wait", "Close Kolap wait", "Close Kolap wait"}));
}

}  // namespace
}  // namespace tavel::testing
