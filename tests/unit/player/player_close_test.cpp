// Closing the player window: what it refuses, what it saves and what it leaves alone.
#include <gtest/gtest.h>

#include <new>

#include "support/player_fixture.h"

namespace tavel::testing {
namespace {

using PlayerClose = PlayerFixture;

TEST_F(PlayerClose, ANormalCloseSavesEverySettingAndReleasesTheNumber) {
  Store("FP", "20,30");
  TTAVEL32KOLAP& p = Start();
  p.RadioGroup1.SetItemIndex(1);
  p.CheckBox1.SetChecked(false);
  p.Start1.Click();
  p.SSN.SetChecked(false);
  p.Close();
  EXPECT_TRUE(p.IsClosed());
  EXPECT_EQ(Setting("FP"), "20,30");
  EXPECT_EQ(Setting("MEMORY"), "-1,-1,-1,-1,0,-1,0");
  EXPECT_EQ(Setting("SAISEIM"), "1,0,1,0,-1,-1,-1,-1");
  EXPECT_EQ(Setting("FILEHIS"), "0");
  EXPECT_EQ(Setting("SAISEIBAR"), "0");
  EXPECT_EQ(Setting("INDEX"), "-1,-1");
  EXPECT_EQ(Setting("minihelp"), "1");
  EXPECT_EQ(Setting("BackColor"), "1");
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "WN"));  // the last player leaves no number
  EXPECT_EQ(p.State.Closing, 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(PlayerClose, AWaitingStartRefusesTheCloseWithABeep) {
  TTAVEL32KOLAP& p = Start();
  p.State.StartGuard = 3;
  p.Close();
  EXPECT_FALSE(p.IsClosed());
  EXPECT_EQ(ui.BeepCount(), 1);
  EXPECT_EQ(Setting("WN"), "1");
}

TEST_F(PlayerClose, TheQuitButtonAbortsPlayingAndCloses) {
  TTAVEL32KOLAP& p = Start();
  p.Button6.Click();
  EXPECT_EQ(p.State.AbortRequest, 1);
  EXPECT_TRUE(p.IsClosed());
}

TEST_F(PlayerClose, FailedSavesAreReportedByLabelAndTheRestIsStillWritten) {
  TTAVEL32KOLAP& p = Start();
  registry.failWrites = {"FP", "INDEX", "BackColor"};
  p.Close();
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "[tavel.ini]ファイルのフォームポジションセーブ処理に失敗しました・・・",
                          "[tavel.ini]ファイルのインデックスセーブ処理に失敗しました・・・"}));
  EXPECT_TRUE(registry.Has(kSettingsKeyPath, "MEMORY"));
  EXPECT_TRUE(registry.Has(kSettingsKeyPath, "minihelp"));
}

TEST_F(PlayerClose, WithoutWorkBuffersNothingIsWritten) {
  for (int stage : {11, 12, 13}) {
    messages.clear();
    registry = FakeRegistry();
    TTAVEL32KOLAP& p = Start();
    p.BeforeAllocation = [stage](int s) {
      if (s == stage) throw std::bad_alloc();
    };
    p.Close();
    EXPECT_TRUE(p.IsClosed());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "E" + std::to_string(stage - 10) + ":メモリー確保に失敗しました・・・");
    EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MEMORY"));
    EXPECT_EQ(Setting("WN"), "1");
  }
}

TEST_F(PlayerClose, TheEndOfTheSessionSavesLikeANormalCloseWhateverWaits) {
  Store("FILEHIS", "5");
  Store("SAISEIM", "1,0,0,1,-1,-1,-1,-1");  // in the tray from the start
  Store("WN", "1");                         // another player runs
  files.Put("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS", "C:\\MIDI\\1.MID\r\n");
  TTAVEL32KOLAP& p = Start(true);
  ASSERT_TRUE(p.TrayActive);
  EXPECT_EQ(Setting("WN"), "1,2");
  p.AppendHistory("C:\\MIDI\\2.MID");
  p.State.StartGuard = 3;  // a start waits: an ordinary close would be refused
  p.OnEndSession();
  EXPECT_TRUE(p.IsClosed());
  EXPECT_EQ(ui.BeepCount(), 0);
  EXPECT_EQ(Setting("SAISEIM"), "1,0,0,1,-1,-1,-1,-1");
  EXPECT_EQ(Setting("FILEHIS"), "5");
  EXPECT_EQ(Setting("WN"), "1");  // this player's number is given back
  EXPECT_EQ(files.Content("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS"),
            "C:\\MIDI\\1.MID\r\nC:\\MIDI\\2.MID\r\n");
  EXPECT_EQ(tray.calls.back().request, "delete");
}

TEST_F(PlayerClose, TheEndOfTheSessionLeavesAStartupOrACloseUnderWayAlone) {
  Create();
  player->Show();
  player->OnEndSession();  // the start-up has not run: nothing to save, no box to show
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MEMORY"));

  TTAVEL32KOLAP& p = Start();
  p.State.Closing = 1;  // the emergency exit's close, for one
  p.State.EmergencyExit = 1;
  p.OnEndSession();
  EXPECT_FALSE(p.IsClosed());
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MEMORY"));
}

TEST_F(PlayerClose, TheEmergencyExitSavesNothing) {
  TTAVEL32KOLAP& p = Start();
  p.State.EmergencyExit = 1;
  p.Close();
  EXPECT_TRUE(p.IsClosed());
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MEMORY"));
  EXPECT_EQ(Setting("WN"), "1");
}

}  // namespace
}  // namespace tavel::testing
