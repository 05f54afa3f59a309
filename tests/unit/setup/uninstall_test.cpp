// Tests of the uninstall: the two questions of step 1 and what it removes, hands over and starts;
// the copy's step 2 with its retry and its folder removal; the refusal and the copy started by
// hand.
#include <gtest/gtest.h>

#include "support/uninstall_fixture.h"

namespace tavel::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr const char* kAskUninstall =
    "KOLAP 楽蔵32 T-VEL V1.1\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？";
constexpr const char* kAskHistory =
    "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n楽蔵32専用ﾋｽﾄﾘｰﾌｧｲﾙも削除して、よろしいですか？？？";
constexpr const char* kCompleted = "アンインスツールが完了しました☆☆☆\nお疲れ様☆☆☆";
constexpr const char* kBadParameter =
    "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[KOLAP SOFT32]専用のｱﾝｲﾝｽﾂｰﾙｿﾌﾄです。";

class UninstallStep1Test : public UninstallFixture {};

TEST_F(UninstallStep1Test, DecliningChangesNothing) {
  auto paths = files.Paths();
  Run(kModeUninstall);
  EXPECT_EQ(Questions(), Texts{kAskUninstall});
  EXPECT_EQ(Messages(), Texts{"ｱﾝｲﾝｽﾂｰﾙを中止しました。"});
  EXPECT_TRUE(Closed());
  EXPECT_EQ(files.Paths(), paths);
  EXPECT_EQ(registry.Get(kSettingsKeyPath, "Version"), "11");
  EXPECT_TRUE(registry.HasKey(kEntryKey, RegistryRoot::LocalMachine));
  EXPECT_TRUE(progman.log.empty());
  EXPECT_TRUE(process.started.empty());
}

TEST_F(UninstallStep1Test, RemovesEverythingAndHandsOverToTheCopy) {
  Answers({true, true});
  Run(kModeUninstall);
  EXPECT_EQ(Questions(), (Texts{kAskUninstall, kAskHistory}));
  EXPECT_TRUE(Messages().empty());
  // The item goes from its group and from the start-up group; the groups stay.
  EXPECT_EQ(progman.commands,
            (Texts{"[ShowGroup(\"KOLAP SOFT32\",1)]\r\n", "[DeleteItem(\"楽蔵32 T-VEL\")]\r\n",
                   "[ShowGroup(StartUp,1)]\r\n", "[DeleteItem(\"楽蔵32 T-VEL\")]\r\n"}));
  EXPECT_FALSE(progman.HasItem("KOLAP SOFT32", "楽蔵32 T-VEL"));
  EXPECT_FALSE(progman.HasItem("StartUp", "楽蔵32 T-VEL"));
  EXPECT_EQ(progman.openConversations, 0);
  // The text files go; the program itself is still running.
  EXPECT_FALSE(files.Has("C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT"));
  EXPECT_FALSE(files.Has("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS"));
  EXPECT_TRUE(files.Has(kExe));
  // The registry: the entry, the settings with the install values, and the emptied maker key.
  EXPECT_FALSE(registry.HasKey(kEntryKey, RegistryRoot::LocalMachine));
  EXPECT_FALSE(registry.HasKey(kSettingsKeyPath));
  EXPECT_FALSE(registry.HasKey(kMakerKey));
  EXPECT_EQ(registry.openKeys, 0);
  // The copy, the hand-off and the start from the Windows folder.
  EXPECT_EQ(files.Content(kCopy), files.Content(kExe));
  EXPECT_EQ(registry.Get(kHandoffKey, "File"), kExe);
  EXPECT_EQ(registry.Get(kHandoffKey, "Title"), "楽蔵32 V1．1 アンインスツール");
  EXPECT_EQ(registry.Get(kHandoffKey, "RmDir"), "");
  EXPECT_EQ(process.currentFolder, "C:\\WINDOWS");
  EXPECT_EQ(process.started, Texts{"\"C:\\WINDOWS\\unin_kolap000.exe\" \"/DeleteFile\""});
  EXPECT_TRUE(Closed());
}

TEST_F(UninstallStep1Test, DecliningTheHistoryKeepsItAndWithoutGroupsNoMacroIsSent) {
  registry.Set(kProductKey, "Group", "");
  registry.Set(kMapGroupsKey, "StartUp", "");
  Answers({true, false});
  Run(kModeUninstall);
  EXPECT_TRUE(files.Has("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS"));
  EXPECT_FALSE(files.Has("C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT"));
  EXPECT_TRUE(progman.log.empty());
  EXPECT_EQ(process.started.size(), 1u);
}

TEST_F(UninstallStep1Test, KeepsAMakerKeyThatHoldsAnotherProductOrAValue) {
  Answers({true, true});
  registry.Set(std::string(kMakerKey) + "\\TAVLIST", "X", "1");
  Run(kModeUninstall);
  EXPECT_FALSE(registry.HasKey(kProductKey));
  EXPECT_EQ(registry.Get(std::string(kMakerKey) + "\\TAVLIST", "X"), "1");
  EXPECT_TRUE(registry.HasKey(kMakerKey));

  registry.DeleteKey(RegistryRoot::Users, std::string(kMakerKey) + "\\TAVLIST");
  registry.Set(kMakerKey, "Owner", "someone");
  Answers({true, true});
  Run(kModeUninstall);
  EXPECT_EQ(registry.Get(kMakerKey, "Owner"), "someone");
}

TEST_F(UninstallStep1Test, ReplacesOnlyAnEmptyOrLargerUninstallerCopy) {
  struct Case {
    std::size_t existing;
    bool replaced;
  };
  for (Case c : {Case{0, true}, Case{70001, true}, Case{70000, false}, Case{100, false}}) {
    files.Put(kCopy, std::string(c.existing, 'o'));
    Answers({true, true});
    Run(kModeUninstall);
    EXPECT_EQ(files.Content(kCopy) == files.Content(kExe), c.replaced) << c.existing;
    EXPECT_EQ(process.started.size(), 1u);
    process.started.clear();
  }
}

TEST_F(UninstallStep1Test, AFailedStartIsReportedAndTakesTheHandOffBack) {
  Answers({true, true});
  process.startSucceeds = false;
  Run(kModeUninstall);
  EXPECT_EQ(Messages(), Texts{"1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました"});
  EXPECT_FALSE(registry.HasKey(kHandoffKey));
  EXPECT_TRUE(files.Has(kExe));
  EXPECT_TRUE(Closed());

  // The Windows folder cannot be made current: the copy is not started.
  ForgetBoxes();
  process.started.clear();
  process.folderError = 3;
  Answers({true, true});
  Run(kModeUninstall);
  EXPECT_EQ(Messages(), Texts{"2ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました"});
  EXPECT_TRUE(process.started.empty());
  EXPECT_FALSE(registry.HasKey(kHandoffKey));
}

// A copy kept from an earlier uninstall (no larger than the program) that does not start is
// replaced once and started again; only when the fresh copy does not start either is it reported.
TEST_F(UninstallStep1Test, AKeptCopyThatDoesNotStartIsReplacedOnce) {
  files.Put(kCopy, std::string(100, 'o'));  // left truncated by an earlier failed copy
  process.failingStarts = 1;
  Answers({true, true});
  Run(kModeUninstall);
  EXPECT_EQ(process.started.size(), 2u);
  EXPECT_EQ(files.Content(kCopy), files.Content(kExe));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(registry.Get(kHandoffKey, "File"), kExe);

  files.Put(kCopy, std::string(100, 'o'));
  process.started.clear();
  process.startSucceeds = false;
  Answers({true, true});
  Run(kModeUninstall);
  EXPECT_EQ(process.started.size(), 2u);
  EXPECT_EQ(Messages(), Texts{"1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました"});
}

// Started with /uninstall from a copy outside the recorded install folder (a download): nothing is
// asked or removed, and the message names the installed program. The recorded folder spelled
// another way (short name, other case) is the program's own.
TEST_F(UninstallStep1Test, ACopyOutsideTheInstallFolderRefusesAndNamesTheInstalledOne) {
  files.PutFolder("D:\\");
  files.PutFolder("D:\\Download");
  files.Put("D:\\Download\\TaVEL32.EXE", std::string(70000, 'x'));
  files.Put("D:\\Download\\TaVEL32.TXT", "help");
  process.path = "D:\\Download\\TaVEL32.EXE";
  Run(kModeUninstall);
  EXPECT_EQ(Messages(), Texts{"ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｲﾝｽﾂｰﾙされたソフトではありません。\n"
                              "[ C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE ]\nからｱﾝｲﾝｽﾂｰﾙして下さい。"});
  EXPECT_TRUE(Questions().empty());
  EXPECT_TRUE(files.Has("D:\\Download\\TaVEL32.TXT"));
  EXPECT_TRUE(registry.HasKey(kEntryKey, RegistryRoot::LocalMachine));
  EXPECT_EQ(registry.Get(kProductKey, "EXEPATH"), kFolder);
  EXPECT_TRUE(process.started.empty());
  EXPECT_TRUE(Closed());

  ForgetBoxes();
  files.longNames["C:\\KOLAPP~1"] = "C:\\KoLAPP32";
  registry.Set(kProductKey, "EXEPATH", "c:\\kolapp~1\\tavin32\\");
  process.path = kExe;
  Answers({true, true});
  Run(kModeUninstall);
  EXPECT_EQ(Questions(), (Texts{kAskUninstall, kAskHistory}));
  EXPECT_EQ(process.started.size(), 1u);
}

TEST_F(UninstallStep1Test, AHandOffThatCannotBeWrittenIsReportedAndStartsNoCopy) {
  Answers({true, true});
  registry.failWrites = {"Title"};
  Run(kModeUninstall);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].substr(0, 1), "3");
  EXPECT_FALSE(registry.HasKey(kHandoffKey));  // no half-written data is left for a copy
  EXPECT_TRUE(process.started.empty());
  EXPECT_TRUE(Closed());
}

// Step 1 has removed the text files; the program is left for the copy.
class UninstallStep2Test : public UninstallFixture {
 protected:
  UninstallStep2Test() {
    files.Remove("C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT");
    files.Remove("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS");
  }
};

TEST_F(UninstallStep2Test, DeletesTheProgramAndItsEmptiedFoldersUpToTheRoot) {
  HandOff();
  RunCopy();
  // The key is read once and goes at once; the caption comes from it.
  EXPECT_FALSE(registry.HasKey(kHandoffKey));
  EXPECT_EQ(window->Caption(), "楽蔵32 V1．1 アンインスツール");
  EXPECT_EQ(ui.AppTitle(), "楽蔵32 V1．1 アンインスツール");
  EXPECT_FALSE(files.Has(kExe));
  EXPECT_TRUE(files.Has(kFolder));  // the folders go a second later
  ui.Advance(1000);
  EXPECT_FALSE(files.Has(kFolder));
  EXPECT_FALSE(files.Has("C:\\KoLAPP32"));
  EXPECT_TRUE(files.Has("C:\\"));
  EXPECT_EQ(Messages(), Texts{kCompleted});
  EXPECT_TRUE(Closed());
}

TEST_F(UninstallStep2Test, StopsAtTheFirstFolderThatStillHoldsFiles) {
  files.Put("C:\\KoLAPP32\\OTHER.EXE", "other");
  HandOff();
  RunCopy();
  ui.Advance(1000);
  EXPECT_FALSE(files.Has(kFolder));
  EXPECT_TRUE(files.Has("C:\\KoLAPP32\\OTHER.EXE"));
  EXPECT_EQ(Messages(), Texts{kCompleted});
}

TEST_F(UninstallStep2Test, RmDirNDeletesTheProgramButNoFolder) {
  HandOff("T", "n");
  RunCopy();
  ui.Advance(1000);
  EXPECT_FALSE(files.Has(kExe));
  EXPECT_TRUE(files.Has(kFolder));
  EXPECT_EQ(Messages(), Texts{kCompleted});
}

TEST_F(UninstallStep2Test, RetriesEverySecondWhileStep1StillHoldsTheProgram) {
  files.inUse.insert(kExe);
  HandOff("");
  RunCopy();
  EXPECT_EQ(window->Caption(), "UNINSTALL_KOLAP000");  // no title handed over
  ui.Advance(5000);
  EXPECT_TRUE(files.Has(kExe));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Closed());
  files.inUse.clear();  // step 1 has ended
  ui.Advance(1000);
  EXPECT_FALSE(files.Has(kExe));
  EXPECT_EQ(Messages(), Texts{kCompleted});
  EXPECT_TRUE(Closed());
}

// A program that can never be deleted (held by another program, on a share without the right to
// delete) is reported after about a minute and the copy ends, instead of living on unseen; a
// read-only one loses its attribute and goes.
TEST_F(UninstallStep2Test, GivesUpOnAProgramThatStaysAndClearsTheReadOnlyAttribute) {
  const std::string gaveUp = "4ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：[ " + std::string(kExe) +
                             " ]\nを削除できません・・・\nﾌﾟﾛｸﾞﾗﾑとﾌｫﾙﾀﾞｰは削除されずに残ります。";
  files.inUse.insert(kExe);
  HandOff();
  RunCopy();
  ui.Advance(58000);
  EXPECT_FALSE(Closed());
  EXPECT_TRUE(Messages().empty());
  ui.Advance(3000);
  EXPECT_EQ(Messages(), Texts{gaveUp});
  EXPECT_TRUE(Closed());
  EXPECT_TRUE(files.Has(kExe));
  EXPECT_TRUE(files.Has(kFolder));

  ForgetBoxes();
  files.inUse.clear();
  files.At(kExe).attributes |= kAttrReadOnly;
  HandOff();
  RunCopy();
  ui.Advance(1000);
  EXPECT_FALSE(files.Has(kExe));
  EXPECT_EQ(Messages(), Texts{kCompleted});

  // A program that is out of sight because its drive cannot be reached is not deleted.
  ForgetBoxes();
  files.PutFolder("C:\\KoLAPP32");
  files.PutFolder(kFolder);
  drives.Add('C', DriveKind::Remote).hasMedium = false;
  HandOff();
  RunCopy();
  ui.Advance(61000);
  EXPECT_EQ(Messages(), Texts{gaveUp});
  EXPECT_TRUE(files.Has(kFolder));
}

TEST_F(UninstallStep2Test, ACopyStartedByHandRefusesAndDeletesNothing) {
  RunCopy();  // no hand-off key
  EXPECT_EQ(Messages(), Texts{kBadParameter});
  EXPECT_EQ(window->Caption(), "UNINSTALL_KOLAP000");
  EXPECT_EQ(ui.AppTitle(), "UNINSTALL_KOLAP000");
  EXPECT_TRUE(files.Has(kExe));
  EXPECT_TRUE(Closed());

  // With the data but without "/DeleteFile" (compared exactly): refused too, and the data is gone.
  ForgetBoxes();
  HandOff();
  process.argument = "/deletefile";
  Run(kModeUninstallerCopy);
  EXPECT_EQ(Messages(), Texts{kBadParameter});
  EXPECT_EQ(window->Caption(), "UNINSTALL_KOLAP000");
  EXPECT_TRUE(files.Has(kExe));
  EXPECT_FALSE(registry.HasKey(kHandoffKey));
}

TEST_F(UninstallFixture, BothStepsTogetherLeaveOnlyTheCopyAndTheUsersHistory) {
  Answers({true, false});
  files.inUse.insert(kExe);  // the running step 1
  Run(kModeUninstall);
  auto step1 = std::move(window);
  RunCopy();
  ui.Advance(3000);
  EXPECT_TRUE(files.Has(kExe));
  files.inUse.clear();
  ui.Advance(1000);
  EXPECT_FALSE(files.Has(kExe));
  EXPECT_TRUE(files.Has("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS"));
  EXPECT_TRUE(files.Has(kFolder));  // it still holds the history
  EXPECT_TRUE(files.Has(kCopy));
  EXPECT_FALSE(registry.HasKey(kHandoffKey));
  EXPECT_EQ(Messages(), Texts{kCompleted});
}

TEST_F(UninstallFixture, AnUninstallWhileTheProgramRunsIsRefused) {
  Run(kModeUninstallRefused);
  EXPECT_EQ(Messages(),
            Texts{"ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。"});
  EXPECT_TRUE(Questions().empty());
  EXPECT_TRUE(files.Has(kExe));
  EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace tavel::testing
