// The option and help menus' switches: the play bar, the list colours, the hints, and the help
// menu's opening, which shows the case of the names.
#include <gtest/gtest.h>

#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

using OptionMenu = PlaybackFixture;

TEST_F(OptionMenu, ThePlayBarSwitchActsAtOnceWhilePlayingAndOnTheNextFileOtherwise) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  ASSERT_FALSE(p.SAISEIBAR.Checked());
  p.SAISEIBAR.Click();
  EXPECT_TRUE(p.SAISEIBAR.Checked());
  EXPECT_FALSE(p.PanelBar.Visible());  // nothing plays
  Select(0);
  p.Button2.Click();
  ui.Advance(200);
  EXPECT_TRUE(p.PanelBar.Visible());
  p.SAISEIBAR.Click();
  EXPECT_FALSE(p.SAISEIBAR.Checked());
  EXPECT_FALSE(p.PanelBar.Visible());
  p.SAISEIBAR.Click();
  EXPECT_TRUE(p.PanelBar.Visible());
  EXPECT_EQ(p.State.MenuSync, 0);

  // While the program sets a check itself, the click does nothing.
  p.State.MenuSync = 1;
  p.SAISEIBAR.Click();
  EXPECT_TRUE(p.SAISEIBAR.Checked());
  p.State.MenuSync = 0;
  p.Close();
  EXPECT_EQ(Setting("SAISEIBAR"), "1");
}

TEST_F(OptionMenu, StandardColoursSwitchBetweenTheSystemColourAndTheWindows) {
  desktop.colors[SysColor::Window] = Rgb(250, 240, 230);
  TTAVEL32KOLAP& p = Start();
  ASSERT_TRUE(p.BackColor.Checked());
  EXPECT_EQ(p.ListBox2.GetColor(), Rgb(250, 240, 230));
  p.BackColor.Click();
  EXPECT_FALSE(p.BackColor.Checked());
  for (Control* c : std::initializer_list<Control*>{&p.ListBox2, &p.ListBox8, &p.ComboBox1}) {
    EXPECT_EQ(c->GetColor(), p.GetColor()) << c->Name();
  }
  p.BackColor.Click();
  EXPECT_EQ(p.ComboBox1.GetColor(), Rgb(250, 240, 230));
  EXPECT_FALSE(ui.BusyCursor());
}

TEST_F(OptionMenu, TheHintSwitchTurnsTheWindowsHintsAndItsCheckTogether) {
  TTAVEL32KOLAP& p = Start();
  p.HELP3.Click();
  EXPECT_FALSE(p.ShowHint());
  EXPECT_FALSE(p.HELP3.Checked());
  EXPECT_FALSE(ui.BusyCursor());
  p.Close();
  EXPECT_EQ(Setting("minihelp"), "0");
  Start().HELP3.Click();
  EXPECT_TRUE(player->ShowHint());
  EXPECT_TRUE(player->HELP3.Checked());
}

TEST_F(OptionMenu, OpeningTheHelpMenuChecksUpperCaseExactlyWhenNamesAreInCapitals) {
  TTAVEL32KOLAP& p = Start();
  p.OOMOJI.SetChecked(true);
  p.MHELP0.Click();
  EXPECT_FALSE(p.OOMOJI.Checked());
  p.State.LowerCaseNames = 0;
  p.MHELP0.Click();
  EXPECT_TRUE(p.OOMOJI.Checked());
  EXPECT_FALSE(ui.BusyCursor());
}

}  // namespace
}  // namespace tavel::testing
