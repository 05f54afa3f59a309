// The history menu command: the user sets how many files the history keeps, or cancels.
#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace tavel::testing {
namespace {

using HistoryMenu = PlayerFixture;

TEST_F(HistoryMenu, SettingTheLimitChangesTheCaption) {
  Store("FILEHIS", "20");
  TTAVEL32KOLAP& p = Start();
  yesNoAnswer = kResultYes;
  countToSet = 50;
  p.FILEHIS.Click();
  // The dialog starts from the current limit and counts items.
  EXPECT_EQ(countSettings, std::vector<std::string>{"ﾌｧｲﾙﾋｽﾄﾘｰ登録個数：|20個"});
  EXPECT_EQ(questions, std::vector<std::string>{"ﾌｧｲﾙﾋｽﾄﾘｰを、\n50個に、設定します"});
  EXPECT_EQ(p.State.HistoryLimit, 50);
  EXPECT_EQ(p.FILEHIS.Caption(), "ファイルヒストリーの設定　50個");
  EXPECT_EQ(p.State.MenuSync, 0);
  EXPECT_TRUE(messages.empty());

  countToSet = 0;
  p.FILEHIS.Click();
  EXPECT_EQ(p.State.HistoryLimit, 0);
  EXPECT_EQ(p.FILEHIS.Caption(), "ファイルヒストリーの設定　ＯＦＦ");
}

TEST_F(HistoryMenu, CancellingOrAnsweringNoChangesNothing) {
  Store("FILEHIS", "20");
  TTAVEL32KOLAP& p = Start();
  std::string caption = p.FILEHIS.Caption();
  p.FILEHIS.Click();  // cancelled
  countToSet = 70;    // set, but no to the question, then closed
  p.FILEHIS.Click();
  EXPECT_EQ(messages, (std::vector<std::string>{"中止しました。", "中止しました。"}));
  EXPECT_EQ(p.State.HistoryLimit, 20);
  EXPECT_EQ(p.FILEHIS.Caption(), caption);
  EXPECT_EQ(p.State.MenuSync, 0);

  // While the program sets a menu itself the command does nothing.
  p.State.MenuSync = 1;
  p.FILEHIS.Click();
  EXPECT_EQ(countSettings.size(), 2u);
}

}  // namespace
}  // namespace tavel::testing
