// The player window from creation to the end of its staged start-up, as the registry shapes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "player/window_number.h"
#include "support/player_fixture.h"

namespace tavel::testing {
namespace {

using PlayerStartup = PlayerFixture;

TEST_F(PlayerStartup, WithoutAnyKeyTheDefaultsApply) {
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(p.State.InitState, 0);
  Size screen = desktop.screen;
  EXPECT_EQ(p.Left(), (screen.width - p.Width()) / 2);
  EXPECT_EQ(p.Top(), (screen.height - p.Height()) / 2);
  EXPECT_EQ(p.ComboBox1.ItemIndex(), 0);
  EXPECT_TRUE(p.SSN.Checked());
  EXPECT_TRUE(p.ListBox8.Visible());
  EXPECT_FALSE(p.ListBox2.Visible());
  EXPECT_EQ(p.RadioGroup1.ItemIndex(), 3);
  EXPECT_TRUE(p.CheckBox1.Checked());
  EXPECT_FALSE(p.Start1.Checked());
  EXPECT_FALSE(p.START2.Checked());
  EXPECT_TRUE(p.ShowHint());
  EXPECT_TRUE(p.HELP3.Checked());
  EXPECT_TRUE(p.BackColor.Checked());
  EXPECT_FALSE(p.SAISEIBAR.Checked());
  EXPECT_EQ(p.FILEHIS.Caption(), "ファイルヒストリーの設定　ＯＦＦ");
  EXPECT_EQ(p.State.WindowNumber, 1);
  EXPECT_EQ(Setting("WN"), "1");
  EXPECT_EQ(p.Caption(), "1楽蔵32 TAVEL");
  EXPECT_EQ(app.Title(), "1楽蔵32 TAVEL");
  EXPECT_EQ(p.State.PlayTitlePrefix, "1楽蔵32 ");
  EXPECT_EQ(*p.State.ExtensionList,
            (std::vector<std::string>{"WAV", "MID", "RMI", "AIF", "AU ", "SND"}));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(PlayerStartup, TheWindowStaysCoveredAndItsMenusOffUntilStartupEnds) {
  TTAVEL32KOLAP& p = Create();
  p.Show();
  EXPECT_TRUE(p.PanelOPEN.Visible());
  EXPECT_EQ(p.PanelOPEN.Bounds(), (Rect{0, 0, 439, 205}));
  EXPECT_FALSE(p.MHELP0.Enabled());
  EXPECT_FALSE(p.MStart0.Enabled());
  ui.Advance(499);
  EXPECT_EQ(p.State.InitState, 1);
  EXPECT_EQ(p.State.WindowNumber, 0);
  ui.Advance(1);
  EXPECT_FALSE(p.PanelOPEN.Visible());
  EXPECT_TRUE(p.MHELP0.Enabled() && p.MOption0.Enabled() && p.MStart0.Enabled());
  EXPECT_FALSE(ui.TimerArmed(p.Timer6));  // the start-up runs once
}

TEST_F(PlayerStartup, StoredSettingsReachTheMenusListsAndPlayControls) {
  Store("MEMORY", "1,1,1,1,4,1,0");
  Store("SAISEIM", "0,0,0,0,-1,-1,-1,-1");
  Store("FILEHIS", "50");
  Store("SAISEIBAR", "1");
  Store("BackColor", "0");
  Store("minihelp", "0");
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(p.State.CurrentMemory, 4);
  EXPECT_EQ(p.ComboBox1.ItemIndex(), 4);
  EXPECT_FALSE(p.SSN.Checked());
  EXPECT_TRUE(p.ListBox2.Visible());
  EXPECT_FALSE(p.ListBox8.Visible());
  EXPECT_EQ(p.RadioGroup1.ItemIndex(), 0);
  EXPECT_FALSE(p.CheckBox1.Checked());
  EXPECT_EQ(p.State.HistoryLimit, 50);
  EXPECT_EQ(p.FILEHIS.Caption(), "ファイルヒストリーの設定　50個");
  EXPECT_TRUE(p.SAISEIBAR.Checked());
  EXPECT_FALSE(p.BackColor.Checked());
  EXPECT_FALSE(p.ShowHint());
  EXPECT_FALSE(p.HELP3.Checked());
  EXPECT_EQ(p.State.MenuSync, 0);
}

TEST_F(PlayerStartup, SavedPositionIsKeptInsideThePlayersWorkArea) {
  struct Case {
    const char* fp;
    int left;  // -1: centred
    int top;
  };
  const int workBottom = desktop.screen.height - 30 + 2;  // the taskbar's top edge
  for (Case c : {Case{"5000,5000", 1 << 20, 1 << 20}, Case{"abc", -1, -1}, Case{"100,abc", 100, -1},
                 Case{"-50,10", 0, 10}, Case{"20,30", 20, 30}}) {
    Store("FP", c.fp);
    TTAVEL32KOLAP& p = Create();
    int centredLeft = (desktop.screen.width - p.Width()) / 2;
    int centredTop = (desktop.screen.height - p.Height()) / 2;
    int left = c.left == -1        ? centredLeft
               : c.left == 1 << 20 ? desktop.screen.width - p.Width()
                                   : c.left;
    int top = c.top == -1 ? centredTop : c.top == 1 << 20 ? workBottom - p.Height() : c.top;
    EXPECT_EQ(p.Left(), left) << c.fp;
    EXPECT_EQ(p.Top(), top) << c.fp;
  }
}

TEST_F(PlayerStartup, WindowNumbersFollowThePlayersThatRun) {
  Store("WN", "1,2");
  Start(/*otherPlayer=*/false);  // stale numbers from players that ended without cleaning up
  EXPECT_EQ(player->State.WindowNumber, 1);
  EXPECT_EQ(Setting("WN"), "1");

  Start(/*otherPlayer=*/true);
  EXPECT_EQ(player->State.WindowNumber, 2);
  EXPECT_EQ(Setting("WN"), "1,2");
  EXPECT_EQ(player->Caption(), "2楽蔵32 TAVEL");
  player->Close();
  EXPECT_EQ(Setting("WN"), "1");
}

// Two players started at the same moment: neither window existed when the other process started,
// but the first has taken number 1 by the time the second numbers itself, which must not reset WN.
TEST_F(PlayerStartup, APlayerStartedAtTheSameMomentCountsAsRunning) {
  Create(/*otherPlayer=*/false);
  Store("WN", "1");
  auto first = mutexes.Keep(kNumberedPlayerMark);
  player->Show();
  ui.Advance(500);
  EXPECT_EQ(player->State.WindowNumber, 2);
  EXPECT_EQ(Setting("WN"), "1,2");
  EXPECT_EQ(mutexes.held[kWindowNumberMutex], 0);
  player->Close();
  EXPECT_EQ(Setting("WN"), "1");
  // The number's lock is taken and given back at start and at close.
  auto numberLock = [](const std::string& e) { return e.find(kWindowNumberMutex) != e.npos; };
  EXPECT_EQ(std::count_if(mutexes.log.begin(), mutexes.log.end(), numberLock), 4);
}

TEST_F(PlayerStartup, AFailedStageEndsTheProgramWithItsLabel) {
  struct Case {
    int stage;
    const char* label;
    bool listsMade;
  };
  for (Case c :
       {Case{1, "初期化１：", false}, Case{2, "初期化３h：", false}, Case{5, "初期化４：", true},
        Case{6, "初期化５：", true}, Case{7, "初期化６：", true}, Case{8, "初期化７：", true}}) {
    messages.clear();
    registry = FakeRegistry();
    Create();
    player->BeforeAllocation = [&](int stage) {
      if (stage == c.stage) throw std::bad_alloc();
    };
    player->Show();
    ui.Advance(500);
    EXPECT_EQ(player->State.InitState, c.listsMade ? 2 : 1) << c.label;
    EXPECT_TRUE(ui.TimerArmed(player->TimerEROUT));
    ui.Advance(100);
    ASSERT_EQ(messages.size(), 1u) << c.label;
    EXPECT_EQ(messages[0],
              std::string(c.label) + "メモリーが確保できませんでした。\n強制終了します。");
    EXPECT_TRUE(player->IsClosed());
    EXPECT_FALSE(player->State.ExtensionList);
    EXPECT_FALSE(player->State.HistoryList);
    EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MEMORY"));  // nothing is saved
  }
}

TEST_F(PlayerStartup, ClosingBeforeStartupEndsShowsTheFirstLabel) {
  Create();
  player->Show();
  player->Close();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "エラー：１メモリーが確保できませんでした。\n強制終了します。");
  EXPECT_TRUE(player->IsClosed());
}

TEST_F(PlayerStartup, NothingOfTheStartupRunsOnceTheForcedExitHasBegun) {
  Store("SAISEIM", "0,0,1,1,-1,-1,-1,-1");  // auto-play, start in the tray
  auto script = ui.OnModal;
  ui.OnModal = [&](Form& form) {
    ui.Advance(2000);  // the user reads the forced exit's message
    script(form);
  };
  Create();
  player->Show();
  player->Close();
  EXPECT_TRUE(player->IsClosed());
  ui.Advance(2000);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(player->State.InitState, 1);
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "WN"));
  EXPECT_TRUE(tray.calls.empty());
  EXPECT_TRUE(mci.commands.empty());
}

TEST_F(PlayerStartup, ACloseDuringTheLoadFailureMessageEndsTheStartupThere) {
  Store("MEMORY", "1,1,1,1,11,1,1");
  Store("SAISEIM", "0,0,1,1,-1,-1,-1,-1");
  auto script = ui.OnModal;
  ui.OnModal = [&](Form& form) {
    if (messages.empty()) player->Close();  // asked to close while the first message shows
    script(form);
  };
  Start();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "エラー：２メモリーが確保できませんでした。\n強制終了します。");
  EXPECT_EQ(messages[1], "メモリーデータのロード処理に失敗しました・・・");
  EXPECT_TRUE(player->IsClosed());
  ui.Advance(2000);
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_NE(player->State.InitState, 0);
  EXPECT_TRUE(tray.calls.empty());
  EXPECT_TRUE(mci.commands.empty());
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "FP"));  // nothing is saved
}

TEST_F(PlayerStartup, StartingInTheTrayNeverShowsTheWindow) {
  Store("SAISEIM", "3,1,0,1,-1,-1,-1,-1");
  TTAVEL32KOLAP& p = Start();
  EXPECT_TRUE(p.START2.Checked());
  EXPECT_TRUE(p.TrayActive);
  EXPECT_FALSE(p.Visible());
  EXPECT_TRUE(ui.TaskbarButtonHidden());
  EXPECT_FALSE(p.PanelOPEN.Visible());
}

TEST_F(PlayerStartup, AutoPlayPressesStartAtTheEnd) {
  Store("SAISEIM", "0,0,1,0,-1,-1,-1,-1");
  Start();
  EXPECT_TRUE(player->Start1.Checked());
  EXPECT_TRUE(player->State.PlayActive);
  ui.Advance(100);               // the pick step
  EXPECT_EQ(ui.BeepCount(), 1);  // nothing to play in an empty memory
  EXPECT_FALSE(player->State.PlayActive);
}

TEST_F(PlayerStartup, ListsGrowWithTheWindowButNeverShrinkBelowTheirDesign) {
  TTAVEL32KOLAP& p = Start();
  Rect design = p.ListBox2.Bounds();
  p.SetBounds({p.Left(), p.Top(), p.Width() + 100, p.Height() + 40});
  EXPECT_EQ(p.ListBox2.Width(), design.width + 100);
  EXPECT_EQ(p.ListBox8.Height(), design.height + 40);
  p.SetBounds({p.Left(), p.Top(), 200, 120});
  EXPECT_EQ(p.ListBox2.Bounds(), design);
  EXPECT_EQ(p.ListBox8.Bounds(), design);
}

TEST_F(PlayerStartup, WindowColourFollowsTheSystemTextColour) {
  TTAVEL32KOLAP& p = Start();
  p.Paint();
  EXPECT_EQ(p.GetColor(), desktop.colors[SysColor::BtnFace]);
  desktop.colors[SysColor::WindowText] = Rgb(255, 255, 255);
  p.Paint();
  EXPECT_EQ(p.GetColor(), desktop.colors[SysColor::Window]);
}

}  // namespace
}  // namespace tavel::testing
