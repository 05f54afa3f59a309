// The task tray: the icon record and its tip, the icon's two menus and their guards, entering and
// leaving the tray, and the tray at closing.
#include <gtest/gtest.h>

#include "player/tray_icon.h"
#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

constexpr std::intptr_t kLeftDown = 513, kRightDown = 516, kLeftUp = 514, kLeftDouble = 515;

class TrayTest : public PlaybackFixture {
 protected:
  TrayTest() {
    ui.OnPopup = [this](MenuItem& menu) {
      opened.push_back(&menu);
      if (choose) choose(menu);
    };
  }
  // The icon's callback as the window receives it.
  bool IconMessage(std::intptr_t mouse) {
    return player->OnMessage(kTrayCallbackMessage, 0, mouse);
  }
  std::vector<MenuItem*> opened;
  std::function<void(MenuItem&)> choose;
};

TEST(TrayTip, CutToSixtyThreeBytesWithoutSplittingACharacter) {
  EXPECT_EQ(CutTrayTip(std::string(70, 'a')), std::string(63, 'a'));
  EXPECT_EQ(CutTrayTip(std::string(63, 'a')), std::string(63, 'a'));
  // The 63rd byte is the first half of "楽" (0x8A 0x79).
  EXPECT_EQ(CutTrayTip(std::string(62, 'a') + "楽曲"), std::string(62, 'a'));
  // "ぁ" (0x82 0x9F) has a second byte in the lead range: the run is even up to the cut.
  std::string kana = std::string(59, 'a') + "ぁぁ";  // 63 bytes
  EXPECT_EQ(CutTrayTip(kana + "ぁ"), kana);
  EXPECT_EQ(CutTrayTip(std::string(60, 'a') + "ぁぁ"), std::string(60, 'a') + "ぁ");
  EXPECT_EQ(CutTrayTip("楽蔵32 TAVEL"), "楽蔵32 TAVEL");
}

TEST_F(TrayTest, StartingInTheTrayAddsTheIconWithTheIdleTitle) {
  Store("SAISEIM", "3,1,0,1,-1,-1,-1,-1");
  TTAVEL32KOLAP& p = Start();
  ASSERT_EQ(tray.calls.size(), 1u);
  const TrayIconData& d = tray.calls[0].data;
  EXPECT_EQ(tray.calls[0].request, "add");
  EXPECT_EQ(d.id, 0u);
  EXPECT_EQ(d.flags, 7u);
  EXPECT_EQ(d.callbackMessage, 0x466u);
  EXPECT_EQ(d.tip, "1楽蔵32 TAVEL");
  EXPECT_TRUE(p.TrayActive);
  EXPECT_FALSE(p.Visible());
  EXPECT_TRUE(p.ButtonTRAY.Visible());
}

TEST_F(TrayTest, TitlesWhilePlayingUpdateTheTipAndLongOnesAreCut) {
  std::string longName = "C:\\M\\" + std::string(60, 'A') + ".WAV";
  std::vector<std::string> list{Sound("C:\\M\\S0.WAV"), Sound(longName)};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  p.ButtonTRAY.Click();
  Select(0);
  p.Button2.Click();
  Play(1000);
  EXPECT_EQ(tray.calls.back().request, "modify");
  EXPECT_EQ(tray.calls.back().data.tip, "1楽蔵32 S0.WAV (再生中)");
  Play(2000);
  EXPECT_EQ(tray.calls.back().data.tip.size(), 63u);
  EXPECT_EQ(p.TrayTip, tray.calls.back().data.tip);
  EXPECT_EQ(p.Caption().substr(0, 63), p.TrayTip);  // the caption keeps the whole title
  EXPECT_GT(p.Caption().size(), 63u);
  Play(5000);
  EXPECT_EQ(tray.calls.back().data.tip, "1楽蔵32 TAVEL");

  p.SetPlayTitle("1楽蔵32 " + std::string(54, 'B') + "楽曲");  // "楽" at bytes 63 and 64
  EXPECT_EQ(tray.calls.back().data.tip, "1楽蔵32 " + std::string(54, 'B'));
  EXPECT_EQ(tray.calls.back().data.flags, 7u);
}

TEST_F(TrayTest, AnEmptyTitleGivesTheIconWithoutATip) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  p.ButtonTRAY.Click();
  p.SetPlayTitle("");
  EXPECT_EQ(tray.calls.back().request, "modify");
  EXPECT_EQ(tray.calls.back().data.flags, 3u);
  EXPECT_EQ(tray.calls.back().data.tip, "");
}

TEST_F(TrayTest, TheShellStartingAgainBringsTheIconBack) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  EXPECT_TRUE(p.OnMessage(FakeTray::kShellStarted, 0, 0));
  EXPECT_TRUE(tray.calls.empty());  // not in the tray: nothing to bring back

  p.ButtonTRAY.Click();
  tray.shown = false;  // the old shell took the icon with it
  tray.calls.clear();
  p.OnMessage(FakeTray::kShellStarted, 0, 0);
  ASSERT_EQ(tray.calls.size(), 1u);
  EXPECT_EQ(tray.calls[0].request, "add");
  EXPECT_EQ(tray.calls[0].data.callbackMessage, 0x466u);
  EXPECT_EQ(tray.calls[0].data.tip, "1楽蔵32 TAVEL");
  EXPECT_TRUE(tray.shown);
  EXPECT_TRUE(p.TrayActive);
  EXPECT_FALSE(p.Visible());

  // A shell that will not have the icon: the player comes back to the screen, reachable.
  tray.shown = false;
  tray.accepts = false;
  p.OnMessage(FakeTray::kShellStarted, 0, 0);
  EXPECT_EQ(ui.Errors(), std::vector<std::string>{"タスクトレイに登録できません"});
  EXPECT_FALSE(p.TrayActive);
  EXPECT_TRUE(p.Visible());
  EXPECT_TRUE(p.ButtonTRAY.Visible());
  EXPECT_FALSE(ui.TaskbarButtonHidden());
}

TEST_F(TrayTest, AnIconTheShellLostIsAddedAgainAtTheNextTitle) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  p.ButtonTRAY.Click();
  tray.shown = false;
  tray.calls.clear();
  Select(0);
  p.Button2.Click();
  ui.Advance(100);
  ASSERT_EQ(tray.calls.size(), 2u);
  EXPECT_EQ(tray.calls[0].request, "modify");
  EXPECT_EQ(tray.calls[1].request, "add");
  EXPECT_EQ(tray.calls[1].data.tip, "1楽蔵32 S0.WAV (再生中)");
  EXPECT_TRUE(ui.Errors().empty());
}

TEST_F(TrayTest, ARefusedTipNeverBreaksThePlayChainAndIsReportedOnce) {
  std::vector<std::string> list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  p.ButtonTRAY.Click();
  tray.accepts = false;
  Select(3);
  p.Button2.Click();
  EXPECT_NO_THROW(Play(10000));
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{3, 4}));
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(mci.commands.back(), "Close Kolap wait");  // the sequence's end closed the device
  EXPECT_EQ(p.Caption(), "1楽蔵32 TAVEL");
  EXPECT_EQ(ui.Errors(), std::vector<std::string>{"タスクトレイに登録できません"});

  // The next start is not held up by a sequence that never ended.
  p.Button2.Click();
  EXPECT_TRUE(ui.TimerArmed(p.Timer2));
  EXPECT_TRUE(messages.empty());
}

TEST_F(TrayTest, AStartInTheTrayThatTheShellRefusesStillPlays) {
  Sound("C:\\KoLAPP32\\A.WAV");
  files.Put("C:\\KoLAPP32\\TaVIN32\\TaVM32M0.LIS", "C:\\KoLAPP32\\A.WAV\r\n");
  Store("SAISEIM", "2,0,1,1,-1,-1,-1,-1");  // single, auto-play, start in the tray
  tray.accepts = false;
  TTAVEL32KOLAP& p = Start();
  EXPECT_TRUE(p.Visible());
  EXPECT_FALSE(p.PanelOPEN.Visible());
  EXPECT_TRUE(p.State.PlayActive);
  EXPECT_EQ(ArmedSteps(), 1);
  Play(5000);
  EXPECT_EQ(mci.started, std::vector<std::string>{"C:\\KoLAPP32\\A.WAV"});
  // Once at the start-up, once when playing started.
  EXPECT_EQ(ui.Errors().size(), 2u);
}

TEST_F(TrayTest, EnteringTheTrayHidesTheWindowAndTheButtonAndLeavingRestoresThem) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  p.ButtonTRAY.Click();
  EXPECT_TRUE(p.TrayActive);
  EXPECT_FALSE(p.Visible());
  EXPECT_FALSE(p.ButtonTRAY.Visible());
  EXPECT_TRUE(ui.TaskbarButtonHidden());
  EXPECT_FALSE(ui.BusyCursor());

  p.TRIconOff.Click();
  EXPECT_EQ(tray.calls.back().request, "delete");
  EXPECT_FALSE(p.TrayActive);
  EXPECT_TRUE(p.Visible());
  EXPECT_TRUE(p.ButtonTRAY.Visible());
  EXPECT_FALSE(ui.TaskbarButtonHidden());
  EXPECT_FALSE(ui.BusyCursor());
}

TEST_F(TrayTest, ARefusedIconLeavesTheWindowAsItWas) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  tray.accepts = false;
  try {
    p.ButtonTRAY.Click();
    ADD_FAILURE() << "no error";
  } catch (const TrayError& e) {
    EXPECT_STREQ(e.what(), "タスクトレイに登録できません");
  }
  EXPECT_FALSE(p.TrayActive);
  EXPECT_TRUE(p.Visible());
  EXPECT_TRUE(p.ButtonTRAY.Visible());
  EXPECT_FALSE(ui.BusyCursor());
}

TEST_F(TrayTest, LeftAndRightButtonsOpenTheirMenus) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  p.ButtonTRAY.Click();
  for (std::intptr_t other : {kLeftUp, kLeftDouble, std::intptr_t{512}}) IconMessage(other);
  EXPECT_TRUE(opened.empty());
  EXPECT_FALSE(p.OnMessage(0x465, 0, kLeftDown));

  registry.Set(kSettingsKeyPath, "Version", "11");
  EXPECT_TRUE(IconMessage(kLeftDown));
  ASSERT_EQ(opened, (std::vector<MenuItem*>{&p.PopupMenuTL}));
  EXPECT_EQ(p.TL1.Caption(), "再生開始　－　（楽蔵 V1.1）");
  EXPECT_EQ(p.TL2.Caption(), "中断　－　(停止中)");
  EXPECT_TRUE(p.TL2.Checked());
  EXPECT_FALSE(p.State.TrayMenuPending);
  EXPECT_FALSE(p.TrayMessageBusy);

  IconMessage(kRightDown);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1], &p.PopupMenuTR);
  EXPECT_EQ(p.TR1.Caption(), "再生　－　（楽蔵 V1.1）");
  EXPECT_TRUE(p.TRM0.Checked());
  EXPECT_FALSE(p.TRM2.Checked());
}

TEST_F(TrayTest, ClicksOnTheIconWhileAMenuOpensOrIsOpenAreIgnored) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  p.ButtonTRAY.Click();
  ui.Post([this] { IconMessage(kRightDown); });  // arrives while pending messages run
  choose = [this](MenuItem&) { IconMessage(kLeftDown); };
  IconMessage(kLeftDown);
  EXPECT_EQ(opened, (std::vector<MenuItem*>{&p.PopupMenuTL}));
  choose = nullptr;
  IconMessage(kRightDown);
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(TrayTest, RightMenuItemsPlayChooseTheModeAndLeaveTheTray) {
  std::vector<std::string> list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  p.ButtonTRAY.Click();
  choose = [&p](MenuItem&) { p.TRM2.Click(); };  // 単独
  IconMessage(kRightDown);
  EXPECT_EQ(p.RadioGroup1.ItemIndex(), 2);

  Select(1);
  choose = [&p](MenuItem&) { p.TR1.Click(); };
  IconMessage(kRightDown);
  Play(500);
  EXPECT_TRUE(p.State.PlayActive);
  choose = nullptr;
  IconMessage(kRightDown);
  EXPECT_TRUE(p.TRM2.Checked());
  EXPECT_EQ(p.TR2.Caption(), "中断　－　(再生中)");
  EXPECT_TRUE(p.TR1.Checked());
  EXPECT_FALSE(p.TR2.Checked());
  EXPECT_EQ(p.TR1.Caption(), "再生　－　（楽蔵 V?.?）");  // rebuilt, not appended

  choose = [&p](MenuItem&) { p.TR2.Click(); };
  IconMessage(kRightDown);
  Play(3000);
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_EQ(PlayedIndexes(list), (std::vector<int>{1}));

  choose = [&p](MenuItem&) { p.TRIconOff.Click(); };
  IconMessage(kRightDown);
  EXPECT_FALSE(p.TrayActive);
  EXPECT_TRUE(p.Visible());
}

TEST_F(TrayTest, ClosingRemovesTheIconAndTheTrayCommandsThenDoNothing) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  p.ButtonTRAY.Click();
  p.State.Closing = 1;
  std::size_t calls = tray.calls.size();
  p.TRIconOff.Click();
  EXPECT_TRUE(p.TrayActive);
  EXPECT_FALSE(p.Visible());
  p.State.Closing = 0;

  choose = [&p](MenuItem&) { p.TROFF.Click(); };
  IconMessage(kRightDown);
  EXPECT_TRUE(p.IsClosed());
  ASSERT_EQ(tray.calls.size(), calls + 1);
  EXPECT_EQ(tray.calls.back().request, "delete");
  EXPECT_FALSE(p.TrayActive);
  p.ButtonTRAY.Click();
  EXPECT_EQ(tray.calls.size(), calls + 1);
}

}  // namespace
}  // namespace tavel::testing
