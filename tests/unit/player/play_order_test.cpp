// The play order against the fake MCI device: which entries play in each mode, the endless switch
// and its wrap guard, and the start, skip, back-skip and abort commands wherever they arrive.
#include <gtest/gtest.h>

#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

using PlayOrder = PlaybackFixture;
using Strings = std::vector<std::string>;
using Indexes = std::vector<int>;

constexpr int kContinuous = 0, kReverse = 1, kSingle = 2, kRandom = 3;

TEST_F(PlayOrder, ContinuousWithoutEndlessPlaysToTheEndOfTheList) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, false);
  EXPECT_EQ(p.State.PlayStep, 1);
  Select(3);
  p.Button2.Click();
  Play(20000);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{3, 4}));
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(p.Caption(), "1楽蔵32 TAVEL");
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlayOrder, EndlessContinuousAndReverseWrapAround) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, true);
  Select(3);
  p.Button2.Click();
  Play(4 * 2300);  // a file of 1.5 s starts every 2.3 s
  EXPECT_EQ(PlayedIndexes(list), (Indexes{3, 4, 0, 1}));
  p.Button5.Click();
  Play(2000);

  p.RadioGroup1.SetItemIndex(kReverse);
  EXPECT_EQ(p.State.PlayStep, -1);
  Select(0);
  mci.started.clear();
  p.Button2.Click();
  Play(5000);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{0, 4, 3}));
}

TEST_F(PlayOrder, BackSkipMovesAgainstTheModeAndEndsAtTheListEndWithoutEndless) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, false);
  Select(0);
  p.Button2.Click();
  Play(1000);
  p.Button3.Click();  // back-skip from entry 0
  Play(2000);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{0}));

  p.RadioGroup1.SetItemIndex(kReverse);
  Select(2);
  mci.started.clear();
  p.Button2.Click();
  Play(1000);
  p.TRBS.Click();  // the tray's back-skip: in reverse mode the next entry of the list
  Play(1500);
  p.Button4.Click();  // skip: on in the mode's direction
  Play(1500);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{2, 3, 2}));
}

TEST_F(PlayOrder, ASkipTakesEffectAtTheNextMonitorTick) {
  Strings list = FiveSounds();
  for (int i = 0; i < 2; ++i) list[i] = Sound(list[i], 30000);
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, false);
  Select(0);
  p.Button2.Click();
  Play(1500);  // the monitor ticks 1.2 s, 2.2 s ... after the start
  p.TRSKIP.Click();
  ui.Advance(690);
  EXPECT_TRUE(mci.IsOpen());  // not at once
  ui.Advance(10);
  EXPECT_FALSE(mci.IsOpen());
  Play(300);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{0, 1}));
}

TEST_F(PlayOrder, SkipOrBackSkipWithNothingPlayingStartsAtTheSelectedEntry) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, false);
  Select(2);
  p.Button4.Click();
  Play(300);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{2}));
  p.Button5.Click();
  Play(2000);
  EXPECT_FALSE(p.State.PlayActive);
  p.Button3.Click();
  Play(300);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{2, 2}));
}

TEST_F(PlayOrder, SingleModePlaysOnceOrRepeatsWhenEndless) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kSingle, false);
  EXPECT_EQ(p.State.PlayStep, 0);
  Select(1);
  p.Button2.Click();
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{1}));
  EXPECT_FALSE(p.State.PlayActive);

  p.CheckBox1.UserToggle();
  mci.started.clear();
  p.Button2.Click();
  Play(5000);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{1, 1, 1}));
  p.TR2.Click();  // 中断 from the tray
  Play(2000);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_EQ(p.Caption(), "1楽蔵32 TAVEL");
}

TEST_F(PlayOrder, RandomModeDrawsEveryEntryAndNeverEndsByItself) {
  Strings list = FiveSounds();
  list.push_back(Sound("C:\\M\\GONE.WAV"));
  files.Remove(list.back());
  TTAVEL32KOLAP& p = StartWith(list, kRandom, false);
  Indexes draws{4, 5, 4, 0, 2, 5, 5, 1};
  std::size_t next = 0;
  Indexes counts;
  p.RandomIndex = [&](int count) {
    counts.push_back(count);
    return draws[next++ % draws.size()];
  };
  p.Button2.Click();
  Play(10100);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{4, 4, 0, 2, 1}));
  EXPECT_EQ(counts, Indexes(8, 6));  // every draw over the whole list
  EXPECT_TRUE(p.State.PlayActive);
  p.Button4.Click();  // a skip just draws again, at the next tick
  Play(1400);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{4, 4, 0, 2, 1, 4}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlayOrder, ANothingPlayableListStopsAtTheSecondWrapWithAMessage) {
  Strings list{"C:\\M\\GONE1.WAV", "C:\\M\\GONE2.WAV", Sound("C:\\M\\SONG.wma")};
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, true);
  Select(0);
  p.Button2.Click();
  Play(10000);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(messages, (Strings{"再生対象データがありません・・・"}));
  EXPECT_EQ(ui.BeepCount(), 1);
  EXPECT_FALSE(OpenSent());
  // Two passes of three entries, each a pick and an advance of 100 ms.
  EXPECT_EQ(ui.Now(), 500 + 6 * 200);

  // Single mode gives up at its second attempt.
  messages.clear();
  p.RadioGroup1.SetItemIndex(kSingle);
  p.Button2.Click();
  Play(10000);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(messages, (Strings{"再生対象データがありません・・・"}));
}

TEST_F(PlayOrder, AModeChangeWhilePlayingTakesEffectAtTheNextAdvance) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, false);
  Select(2);
  p.Button2.Click();
  Play(700);
  p.TRM1.Click();
  EXPECT_EQ(p.RadioGroup1.ItemIndex(), kReverse);
  EXPECT_EQ(p.State.PlayStep, -1);
  Play(1000);
  EXPECT_TRUE(mci.IsOpen());
  Play(3000);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{2, 1}));
  EXPECT_EQ(p.State.TrackPosition, 1500);  // each file ran to its end
}

TEST_F(PlayOrder, ADoubleClickPlaysThatEntryAloneInSingleMode) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kRandom, false);
  p.ListBox2.UserDoubleClick(3);
  EXPECT_EQ(p.RadioGroup1.ItemIndex(), kSingle);
  EXPECT_EQ(p.State.PlayStep, 0);
  Play(10000);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{3}));
  EXPECT_FALSE(p.State.PlayActive);
}

TEST_F(PlayOrder, TheNameListSelectsWhatPlaysAndFollowsTheAdvance) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, false, true);
  ASSERT_TRUE(p.ListBox8.Visible());
  EXPECT_EQ(p.ListBox2.ItemIndex(), -1);
  p.ListBox8.UserDoubleClick(1);  // the pick takes the name list's selection
  p.TRM0.Click();
  Play(2250);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{1}));
  Play(500);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{1, 2}));
  EXPECT_EQ(p.ListBox8.ItemIndex(), 2);
  EXPECT_EQ(p.State.ListSync, 0);
}

TEST_F(PlayOrder, AnEmptyListBeepsAndPlaysNothing) {
  TTAVEL32KOLAP& p = StartWith({}, kContinuous, true);
  p.TL1.Click();
  Play(1000);
  EXPECT_EQ(ui.BeepCount(), 1);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_FALSE(OpenSent());
}

TEST_F(PlayOrder, AStartWaitsForTheRunningSequenceToStop) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, true);
  Select(0);
  p.Button2.Click();
  Play(1500);
  // While the start spins, time passes and the monitor (now due sooner) sees the abort.
  std::function<void()> waiting = [&] {
    if (p.State.AbortRequest == 1) {
      EXPECT_EQ(p.Timer3.Interval(), 500);
      ui.Advance(600);
    } else {
      ui.Post(waiting);
    }
  };
  ui.Post(waiting);
  Select(3);
  p.Button2.Click();
  EXPECT_EQ(p.State.StartGuard, 0);
  EXPECT_EQ(p.State.AbortRequest, 0);
  EXPECT_EQ(p.Timer3.Interval(), 1000);
  EXPECT_FALSE(mci.IsOpen());
  Play(300);
  EXPECT_EQ(PlayedIndexes(list), (Indexes{0, 3}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlayOrder, AStartThatCannotStopTheSequenceGivesUpAfter60000Passes) {
  Strings list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, kContinuous, true);
  p.Button2.Click();
  // Pressed inside a monitor tick, the start cannot see the tick end while it waits.
  mci.OnCommand = [&](const std::string& c) {
    if (c == "status Kolap position") ui.Post([&] { p.Button2.Click(); });
  };
  ui.Advance(1200);
  EXPECT_EQ(messages, (Strings{"中断ボタンを押して下さい。\n完全に停止してから再生してね☆"}));
  EXPECT_EQ(ui.BeepCount(), 1);
  EXPECT_EQ(p.State.StartGuard, 0);
  EXPECT_FALSE(p.State.PlayActive);  // the old sequence still stopped
  EXPECT_FALSE(mci.IsOpen());
}

TEST_F(PlayOrder, ASecondStartWhileOneWaitsIsRefused) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), kContinuous, true);
  p.State.StartGuard = 5;
  p.Button2.Click();
  EXPECT_EQ(ui.BeepCount(), 1);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_FALSE(ui.TimerArmed(p.Timer2));
}

TEST_F(PlayOrder, WithTrayStartPlayingGoesToTheTrayUnlessClosing) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), kContinuous, true);
  p.START2.Click();
  p.Button2.Click();
  EXPECT_TRUE(p.TrayActive);
  EXPECT_FALSE(p.Visible());
  EXPECT_TRUE(ui.TaskbarButtonHidden());
  EXPECT_TRUE(ui.TimerArmed(p.Timer2));

  p.Button5.Click();
  Play(3000);
  p.State.Closing = 1;
  p.Button2.Click();
  EXPECT_FALSE(ui.TimerArmed(p.Timer2));
}

}  // namespace
}  // namespace tavel::testing
