// The help menu's version information: what the about box shows from the stored version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/player_fixture.h"

namespace tavel::testing {
namespace {

struct AboutMenu : PlayerFixture {
  // The user reads the about box and presses "Ｏ Ｋ"; its caption and lines are kept.
  std::vector<std::string> ShowAbout(TTAVEL32KOLAP& p) {
    std::vector<std::string> shown;
    auto others = ui.OnModal;
    ui.OnModal = [&](Form& form) {
      if (auto* box = dynamic_cast<TAboutBox*>(&form)) {
        shown = {form.Caption(), box->ProductName.Caption(), box->Version.Caption(),
                 box->Comment0.Caption(), box->Comment1.Caption()};
        box->Button1.Click();
      } else {
        others(form);
      }
    };
    p.HELP2.Click();
    ui.OnModal = others;
    return shown;
  }
};

TEST_F(AboutMenu, ShowsTheProductAndTheStoredVersion) {
  Store("Version", "11");
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(ShowAbout(p), (std::vector<std::string>{
                              "楽蔵32 バージョン情報",
                              "ProductName TAVEL32.EXE 楽蔵32",
                              "Version 1.1",
                              "歌蔵32ﾒﾓﾘｰﾃﾞｰﾀ専用音楽ﾌｧｲﾙ連続再生",
                              "*.WAV;*.MID;*.RMI;*.AIFﾌｧｲﾙ等対応。",
                          }));
  EXPECT_TRUE(messages.empty());
}

TEST_F(AboutMenu, AnUnknownVersionShowsQuestionMarks) {
  TTAVEL32KOLAP& p = Start();
  for (const char* stored : {"", "abc", "255"}) {
    Store("Version", stored);
    EXPECT_EQ(ShowAbout(p).at(2), "Version ?.?") << stored;
  }
  Store("Version", "20");
  EXPECT_EQ(ShowAbout(p).at(2), "Version 2.0");
}

TEST_F(AboutMenu, DoesNotCreateTheSettingsKey) {
  TTAVEL32KOLAP& p = Start();
  // The user (or the uninstaller) removed the settings while the player ran.
  registry.DeleteKey(RegistryRoot::Users, kSettingsKeyPath);
  ASSERT_FALSE(registry.HasKey(kSettingsKeyPath));
  EXPECT_EQ(ShowAbout(p).at(2), "Version ?.?");
  EXPECT_FALSE(registry.HasKey(kSettingsKeyPath));
}

}  // namespace
}  // namespace tavel::testing
