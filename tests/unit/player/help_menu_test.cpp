// The help menu's own commands: the help text, deleting the version number, the emergency exit.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

using HelpMenu = PlaybackFixture;

bool AnyWrite(const std::vector<std::string>& log, std::size_t from) {
  return std::any_of(log.begin() + static_cast<std::ptrdiff_t>(from), log.end(),
                     [](const std::string& entry) { return entry.rfind("read ", 0) != 0; });
}

TEST_F(HelpMenu, TheHelpTextOpensFromTheExecutablesFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE", "notepad.exe C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT"},
      {"C:\\TaVEL32.EXE", "notepad.exe C:\\TaVEL32.TXT"},
      // ソ is 83 5C: its second byte is no separator, and the folder still gets its own.
      {"C:\\ソ\\TaVEL32.EXE", "notepad.exe C:\\ソ\\TaVEL32.TXT"},
      {"D:\\音楽ソ\\TaVEL32.EXE", "notepad.exe D:\\音楽ソ\\TaVEL32.TXT"},
  };
  TTAVEL32KOLAP& p = Start();
  for (const auto& [path, command] : cases) {
    process.path = path;
    process.started.clear();
    p.HELP1.Click();
    EXPECT_EQ(process.started, std::vector<std::string>{command}) << path;
  }
  // The folder is current while the editor starts, without its backslash unless it is a root.
  EXPECT_EQ(process.currentFolder, "D:\\音楽ソ");
  process.path = "C:\\TaVEL32.EXE";
  p.HELP1.Click();
  EXPECT_EQ(process.currentFolder, "C:\\");
  // A start that fails is not reported.
  process.startSucceeds = false;
  p.HELP1.Click();
  EXPECT_TRUE(messages.empty());
}

TEST_F(HelpMenu, AFolderThatCannotBeMadeCurrentStartsNothing) {
  TTAVEL32KOLAP& p = Start();
  process.folderError = 3;
  EXPECT_THROW(p.HELP1.Click(), std::runtime_error);  // for the standard error display
  EXPECT_TRUE(process.started.empty());
}

TEST_F(HelpMenu, DeletingTheVersionNumberAsksFirst) {
  Store("Version", "11");
  TTAVEL32KOLAP& p = Start();
  p.help4.Click();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].rfind("ﾊﾞｰｼﾞｮﾝ番号削除：\nｲﾝｽﾂｰﾙｿﾌﾄを再起動させたい時に使います。\n", 0),
            0u);
  EXPECT_EQ(Setting("Version"), "11");
  EXPECT_EQ(messages, std::vector<std::string>{"ﾊﾞｰｼﾞｮﾝ番号削除を中止しました・・・"});

  yesNoAnswer = 2;  // closed from the title bar: no as well
  p.help4.Click();
  EXPECT_EQ(Setting("Version"), "11");
  EXPECT_EQ(messages.size(), 2u);

  yesNoAnswer = kResultYes;
  p.help4.Click();
  EXPECT_EQ(Setting("Version"), "");
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_FALSE(p.IsClosed());
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(HelpMenu, VersionDeletionCreatesAMissingKey) {
  TTAVEL32KOLAP& p = Start();
  registry = FakeRegistry();
  yesNoAnswer = kResultYes;
  p.help4.Click();
  EXPECT_EQ(Setting("Version"), "");
}

TEST_F(HelpMenu, TheEmergencyExitClosesWithoutSavingAnything) {
  Store("FILEHIS", "5");
  files.Put("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS", "C:\\MIDI\\1.MID\r\n");
  TTAVEL32KOLAP& p = Start();
  p.State.StartGuard = 2;  // a close refused before, for example while a start waits
  p.Close();
  ASSERT_FALSE(p.IsClosed());
  std::size_t registryUses = registry.accessLog.size();
  std::size_t fileUses = files.log.size();

  yesNoAnswer = kResultYes;
  p.MHELP3.Click();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].rfind("緊急脱出装置：\n", 0), 0u);
  EXPECT_TRUE(p.IsClosed());
  EXPECT_EQ(p.State.EmergencyExit, 1);
  EXPECT_FALSE(AnyWrite(registry.accessLog, registryUses));
  EXPECT_EQ(files.log.size(), fileUses);
  EXPECT_EQ(files.Content("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS"), "C:\\MIDI\\1.MID\r\n");
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "MEMORY"));
  EXPECT_EQ(Setting("WN"), "1");
}

TEST_F(HelpMenu, AnEmergencyExitAnsweredNoStillStopsPlaying) {
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, true);
  Select(0);
  p.Button2.Click();
  Play(1200);
  ASSERT_TRUE(mci.Playing());
  p.MHELP3.Click();
  EXPECT_EQ(p.State.EmergencyExit, 0);
  EXPECT_FALSE(p.IsClosed());
  EXPECT_EQ(messages, std::vector<std::string>{"緊急脱出を中止しました・・・"});
  Play(2000);  // the monitor's next tick ends the sequence
  EXPECT_FALSE(p.State.PlayActive);
  EXPECT_FALSE(mci.IsOpen());
  EXPECT_EQ(ArmedSteps(), 0);
  EXPECT_EQ(mci.started.size(), 1u);
  EXPECT_EQ(p.Caption(), "1楽蔵32 TAVEL");
}

TEST_F(HelpMenu, TheQuestionsAreAskedInFull) {
  TTAVEL32KOLAP& p = Start();
  p.help4.Click();
  p.MHELP3.Click();
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[0],
            "ﾊﾞｰｼﾞｮﾝ番号削除：\nｲﾝｽﾂｰﾙｿﾌﾄを再起動させたい時に使います。\nなお、ﾊﾞｰｼﾞｮﾝが違う時は、"
            "ｲﾝｽﾂｰﾙｿﾌﾄが自動起動するので、\nﾊﾞｰｼﾞｮﾝ番号を削除する必要無しです。\n"
            "ﾊﾞｰｼﾞｮﾝ番号を削除してもよろしいですか？？？");
  EXPECT_EQ(questions[1],
            "緊急脱出装置：\n何等かの理由により、当ソフトが終了出来なくなった場合に使います。\n"
            "なお、緊急脱出すると、すべてのデータが保存されません。\n"
            "また、当ソフトが一般保護ｴﾗｰを起こす事もあり得ます。\n"
            "一部のメモリーを解放出来ない事もあり得ます。\n緊急終了してもよろしいですか？？？");
}

}  // namespace
}  // namespace tavel::testing
