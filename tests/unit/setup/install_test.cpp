// The install dialogue: what it offers, and each way the install behind 設定 ends.
#include <gtest/gtest.h>

#include "folders/browser_window.h"
#include "support/install_fixture.h"

namespace tavel::testing {
namespace {

using Install = InstallFixture;

const std::string kDone =
    "登録完了です。\n\n[ KOLAP SOFT32 ]\nグループに登録しました☆☆\nお疲れ様☆☆";

TEST_F(Install, OffersTheDefaultFolderOnTheWindowsDrive) {
  files.windowsFolder = "E:\\WIN95";
  TTVLSETUPForm& w = Open();
  EXPECT_EQ(w.Edit1.Caption(), "E:\\KoLAPP32\\TaVIN32");
  EXPECT_EQ(w.SetupWindowsDir, "E:\\WIN95\\");
  EXPECT_EQ(w.Caption(), "楽蔵32 V1．1 インスツール");
  EXPECT_EQ(ui.AppTitle(), "楽蔵32 V1．1 インスツール");
  EXPECT_EQ(w.UninstallDisplayName, "KOLAP 楽蔵32 T-VEL V1.1");
  EXPECT_TRUE(w.CheckBoxBkColor.Checked());
  EXPECT_TRUE(w.CheckBoxST.Checked());
  EXPECT_EQ(w.Left(), (1024 - w.Width()) / 2);
  // A stored folder of an earlier install is offered instead, and 初期値 brings it back.
  registry.Set(kProductKey, "EXEPATH", "D:\\音楽ソ");
  registry.Set(kProductKey, "Group", "Main");
  TTVLSETUPForm& again = Open();
  EXPECT_EQ(again.Edit1.Caption(), "D:\\音楽ソ");
  EXPECT_EQ(again.SavedGroup, "Main");
  again.Edit1.TextFromWindow("C:\\OTHER");
  again.Button4.Click();
  EXPECT_EQ(again.Edit1.Caption(), "D:\\音楽ソ");
  EXPECT_FALSE(WroteAnyValue());
  // A Windows folder that cannot be read leaves drive C.
  registry = FakeRegistry();
  files.windowsFolder = "";
  EXPECT_EQ(Open().Edit1.Caption(), "C:\\KoLAPP32\\TaVIN32");
}

TEST_F(Install, IntoANewFolderAsksOnceCreatesItAndRecordsEverything) {
  files.PutFolder("C:\\KoLAPP32");
  files.Remove("C:\\KoLAPP32");  // three levels, of which two are missing
  TTVLSETUPForm& w = InstallInto("C:\\KoLAPP32\\TaVIN32");
  EXPECT_EQ(questions, std::vector<std::string>{"C:\\KoLAPP32\\TaVIN32\nフォルダーを作成します"});
  EXPECT_TRUE(files.FolderExists("C:\\KoLAPP32\\TaVIN32"));
  EXPECT_EQ(files.Content("C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE"), std::string(70000, 'x'));
  EXPECT_EQ(files.At("C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE").stamp, kExeStamp);
  EXPECT_EQ(files.At("C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT").stamp, kTextStamp);
  EXPECT_EQ(Product("EXEPATH"), "C:\\KoLAPP32\\TaVIN32");
  EXPECT_EQ(Product("Group"), "KOLAP SOFT32");
  EXPECT_EQ(Uninstall("DisplayName"), "KOLAP 楽蔵32 T-VEL V1.1");
  EXPECT_EQ(Uninstall("UninstallString"), "\"C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE\" /uninstall");
  EXPECT_EQ(progman.commands,
            (std::vector<std::string>{
                "[CreateGroup(\"KOLAP SOFT32\")]\r\n",
                "[AddItem(C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE,\"楽蔵32 T-VEL\")]\r\n"}));
  EXPECT_EQ(Settings("Version"), "11");
  EXPECT_EQ(Settings("BackColor"), "1");
  // No start-up group is known on this machine: said once, and the install goes on.
  EXPECT_EQ(messages,
            (std::vector<std::string>{
                "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません", kDone}));
  EXPECT_TRUE(w.IsClosed());
  EXPECT_FALSE(ui.BusyCursor());
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(Install, DecliningTheNewFolderCreatesAndWritesNothing) {
  answer = kResultNo;
  TTVLSETUPForm& w = InstallInto("C:\\KoLAPP32\\TaVIN32");
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_FALSE(files.FolderExists("C:\\KoLAPP32"));
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(WroteAnyValue());
  EXPECT_FALSE(w.IsClosed());
  EXPECT_TRUE(w.Button3.Visible());
  EXPECT_FALSE(ui.BusyCursor());
}

TEST_F(Install, StopsWithAMessageWhenTheEntriesAreMissingOrUnusable) {
  TTVLSETUPForm& w = Open();
  messages.clear();
  w.ComboBox1.TextFromWindow("");
  w.Button3.Click();
  w.ComboBox1.TextFromWindow("Main");
  w.Edit1.TextFromWindow("");
  w.Button3.Click();
  EXPECT_EQ(messages, (std::vector<std::string>{"グループ名を設定して下さい。",
                                                "フォルダーを設定して下さい。"}));
  EXPECT_EQ(ui.BeepCount(), 2);

  // A folder that cannot be created is named; the folder made before it stays. 設定 is back
  // while the message is read.
  messages.clear();
  user.Act(DialogKind::KolapBox, [&](DialogForm&) { EXPECT_TRUE(w.Button3.Visible()); });
  files.failFolders.insert("C:\\A\\B");
  w.Edit1.TextFromWindow("C:\\A\\B\\C");
  w.Button3.Click();
  EXPECT_EQ(messages,
            std::vector<std::string>{"[ C:\\A\\B ]\nフォルダーの作成に失敗しました・・・"});
  EXPECT_TRUE(files.FolderExists("C:\\A"));
  EXPECT_FALSE(WroteAnyValue());
  EXPECT_TRUE(w.Button3.Visible());
  EXPECT_FALSE(w.IsClosed());
  EXPECT_FALSE(ui.BusyCursor());
}

TEST_F(Install, ANameEndingInAFiveCSecondByteIsAFolderOfItsOwn) {
  // ソ is 83 5C: neither the folder list nor the backslash rules take its second byte for a
  // separator.
  InstallInto("C:\\音楽ソ");
  EXPECT_EQ(questions, std::vector<std::string>{"C:\\音楽ソ\nフォルダーを作成します"});
  EXPECT_TRUE(files.FolderExists("C:\\音楽ソ"));
  EXPECT_TRUE(files.Has("C:\\音楽ソ\\TaVEL32.EXE"));
  EXPECT_EQ(Product("EXEPATH"), "C:\\音楽ソ");
  EXPECT_EQ(Uninstall("UninstallString"), "\"C:\\音楽ソ\\TaVEL32.EXE\" /uninstall");
}

TEST_F(Install, AMissingTextFileStopsAfterTheProgramWasCopied) {
  files.Remove("D:\\DELIVERY\\TaVEL32.TXT");
  files.PutFolder("C:\\TAVEL");
  TTVLSETUPForm& w = InstallInto("C:\\TAVEL");
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(messages,
            std::vector<std::string>{"TaVEL32.TXT\nファイルのコピーに失敗しました・・・"});
  EXPECT_TRUE(files.Has("C:\\TAVEL\\TaVEL32.EXE"));
  EXPECT_FALSE(WroteAnyValue());
  EXPECT_TRUE(w.Button3.Visible());
}

TEST_F(Install, IntoTheProgramsOwnFolderCopiesNothingButRecordsTheInstall) {
  auto copies = [this] {
    int n = 0;
    for (const std::string& call : files.log) n += call.rfind("truncate ", 0) == 0;
    return n;
  };
  process.path = "d:\\delivery\\tavel32.exe";  // the folders differ only in letter case
  TTVLSETUPForm& w = InstallInto("D:\\DELIVERY\\");
  EXPECT_EQ(copies(), 0);
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(Product("EXEPATH"), "D:\\DELIVERY");
  EXPECT_EQ(Settings("Version"), "11");
  EXPECT_TRUE(w.IsClosed());
}

// The folder it runs from, typed by its short name: recognised, so nothing is copied onto the
// running program, and the install records the folder by its long name.
TEST_F(Install, TheProgramsOwnFolderByItsShortNameIsRecognised) {
  files.PutFolder("D:\\DELIVE~1");
  files.longNames["D:\\DELIVE~1"] = "D:\\DELIVERY";
  TTVLSETUPForm& w = InstallInto("D:\\DELIVE~1\\");
  for (const std::string& call : files.log) EXPECT_NE(call.rfind("truncate ", 0), 0u) << call;
  EXPECT_EQ(Product("EXEPATH"), "D:\\DELIVERY");
  EXPECT_EQ(Uninstall("UninstallString"), "\"D:\\DELIVERY\\TaVEL32.EXE\" /uninstall");
  EXPECT_TRUE(w.IsClosed());
}

// A download saved as TaVEL32(1).EXE: the running program itself goes in as TaVEL32.EXE, into its
// own folder (where nothing else would put it) or over an older TaVEL32.EXE, so that what the
// registry and the item name is there and is this version.
TEST_F(Install, TheRunningProgramGoesInAsTaVEL32WhateverItIsCalled) {
  files.Remove("D:\\DELIVERY\\TaVEL32.EXE");
  files.Put("D:\\DELIVERY\\TaVEL32(1).EXE", std::string(80000, 'n')).stamp = kExeStamp;
  process.path = "D:\\DELIVERY\\TaVEL32(1).EXE";
  InstallInto("D:\\DELIVERY");
  EXPECT_EQ(files.Content("D:\\DELIVERY\\TaVEL32.EXE"), std::string(80000, 'n'));
  EXPECT_EQ(files.At("D:\\DELIVERY\\TaVEL32.EXE").stamp, kExeStamp);
  EXPECT_EQ(Product("EXEPATH"), "D:\\DELIVERY");
  EXPECT_EQ(messages.back(), kDone);

  files.PutFolder("C:\\TAVEL");
  files.Put("C:\\TAVEL\\TaVEL32.EXE", "older version");
  files.Put("D:\\DELIVERY\\TaVEL32.EXE", "another older version");
  InstallInto("C:\\TAVEL");
  EXPECT_EQ(files.Content("C:\\TAVEL\\TaVEL32.EXE"), std::string(80000, 'n'));
  EXPECT_EQ(files.Content("C:\\TAVEL\\TaVEL32.TXT"), "help");
}

// Program Manager ends an unquoted argument at its first parenthesis or comma: the folder and a
// group typed with parentheses go in quoted, and the item it makes starts the installed program.
TEST_F(Install, AFolderAndAGroupWithParenthesesMakeAWorkingItem) {
  TTVLSETUPForm& w = Open();
  w.CheckBoxST.SetChecked(false);
  w.ComboBox1.TextFromWindow("音楽 (BGM)");
  w.Edit1.TextFromWindow("C:\\Program Files (x86)\\KoLAPP32");
  w.Button3.Click();
  EXPECT_EQ(
      progman.commands,
      (std::vector<std::string>{
          "[CreateGroup(\"音楽 (BGM)\")]\r\n",
          "[AddItem(\"C:\\Program Files (x86)\\KoLAPP32\\TaVEL32.EXE\",\"楽蔵32 T-VEL\")]\r\n"}));
  EXPECT_TRUE(progman.HasItem("音楽 (BGM)", "楽蔵32 T-VEL"));
  EXPECT_EQ(progman.itemPrograms["楽蔵32 T-VEL"], "C:\\Program Files (x86)\\KoLAPP32\\TaVEL32.EXE");
}

TEST_F(Install, AFolderSharedWithOtherFilesKeepsThemAndGetsTheNewVersion) {
  files.PutFolder("C:\\TOOLS");
  files.Put("C:\\TOOLS\\OTHER.EXE", "other");
  files.Put("C:\\TOOLS\\TaVEL32.EXE", "old version");
  // A relative folder is taken from the current folder.
  files.currentFolder = "C:\\";
  InstallInto("TOOLS");
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(files.Content("C:\\TOOLS\\OTHER.EXE"), "other");
  EXPECT_EQ(files.Content("C:\\TOOLS\\TaVEL32.EXE"), std::string(70000, 'x'));
  EXPECT_EQ(Product("EXEPATH"), "C:\\TOOLS");
}

TEST_F(Install, WritesTheColourOptionAndSkipsTheStartUpGroupWhenNotAsked) {
  TTVLSETUPForm& w = Open();
  messages.clear();
  w.CheckBoxBkColor.UserToggle();
  w.CheckBoxST.UserToggle();
  w.Edit1.TextFromWindow("D:\\DELIVERY");
  w.Button3.Click();
  EXPECT_EQ(Settings("BackColor"), "0");
  EXPECT_EQ(messages, std::vector<std::string>{kDone});
}

TEST_F(Install, AKnownStartUpGroupGetsTheItemToo) {
  registry.Set(kMapGroupsKey, "StartUp", "スタートアップ");
  InstallInto("D:\\DELIVERY");
  EXPECT_EQ(messages, std::vector<std::string>{kDone});
  EXPECT_EQ(progman.groups, (std::vector<std::string>{"KOLAP SOFT32", "スタートアップ"}));
  EXPECT_TRUE(progman.HasItem("スタートアップ", "楽蔵32 T-VEL"));
  EXPECT_EQ(progman.commands.size(), 4u);
}

// The group box: Program Manager's groups with the maker's group chosen; without Program Manager
// the maker's group is still there to install into, and a failing macro does not stop the install.
TEST_F(Install, TheGroupBoxWithAndWithoutProgramManager) {
  progman.groups = {"Main", "Accessories"};
  TTVLSETUPForm& w = Open();
  EXPECT_EQ(w.ComboBox1.Items(), (std::vector<std::string>{"Accessories", "Main", "KOLAP SOFT32"}));
  EXPECT_EQ(w.ComboBox1.Caption(), "KOLAP SOFT32");
  w.ComboBox1.UserSelect(1);
  EXPECT_EQ(w.ComboBox1.Caption(), "Main");

  progman.answers = false;
  messages.clear();
  TTVLSETUPForm& alone = Open();
  EXPECT_EQ(messages, std::vector<std::string>{"グループ名の取得に失敗しました・・・"});
  EXPECT_TRUE(alone.ComboBox1.Items().empty());
  alone.CheckBoxST.SetChecked(false);
  messages.clear();
  alone.ComboBox1.TextFromWindow("私のグループ");
  alone.Edit1.TextFromWindow("D:\\DELIVERY");
  alone.Button3.Click();
  EXPECT_EQ(Product("Group"), "私のグループ");
  EXPECT_EQ(messages,
            std::vector<std::string>{
                "登録完了です。\n\n[ 私のグループ ]\nグループに登録しました☆☆\nお疲れ様☆☆"});
}

// Without the right to write a key, the install says which value failed, gives the dialogue back
// and writes nothing after it: the program is not marked installed.
TEST_F(Install, AValueThatCannotBeWrittenStopsTheInstall) {
  registry.failWrites.insert("UninstallString");
  registry.Set(kMapGroupsKey, "StartUp", "StartUp");
  TTVLSETUPForm& w = InstallInto("D:\\DELIVERY");
  EXPECT_EQ(messages, std::vector<std::string>{
                          "[ HKEY_LOCAL_MACHINE\\" + std::string(kEntryKey) +
                          " ]\nUninstallString\nレジストリーへの書き込みに失敗しました・・・"});
  EXPECT_EQ(Settings("Version"), "<missing>");
  EXPECT_TRUE(w.Button3.Visible());
  EXPECT_FALSE(ui.BusyCursor());
  EXPECT_FALSE(w.IsClosed());
  EXPECT_EQ(registry.openKeys, 0);

  // A key that cannot be opened at all is reported the same way, before anything is written. The
  // message names the product's key in the one spelling the program has for it.
  registry = FakeRegistry();
  registry.failOpen = true;
  messages.clear();
  w.Button3.Click();
  EXPECT_EQ(messages, std::vector<std::string>{
                          "[ HKEY_USERS\\.Default\\Software\\KOLAP SOFT32\\TAVEL32 ]\nEXEPATH\n"
                          "レジストリーへの書き込みに失敗しました・・・"});
}

// 参照 opens the folder browser on the folder typed; a folder chosen there replaces it, a cancel
// keeps it. 中止 ends the install before anything is written.
TEST_F(Install, TheFolderBrowserAndCancel) {
  drives.Add('C', DriveKind::Fixed, "DISK1");
  drives.Add('D', DriveKind::Fixed, "DISK2");
  TTVLSETUPForm& w = Open();
  std::vector<std::string> shown;
  bool choose = true;
  auto boxes = ui.OnModal;  // the scripted user answers the other boxes
  ui.OnModal = [&](Form& form) {
    auto* browser = dynamic_cast<TDIRVIEWForm*>(&form);
    if (!browser) return boxes(form);
    shown.push_back(browser->Caption() + "|" + browser->Label2.Caption());
    (choose ? browser->Button2 : browser->Button1).Click();
  };
  w.Edit1.TextFromWindow("D:\\DELIVERY");
  w.Button1.Click();
  EXPECT_EQ(w.Edit1.Caption(), "d:\\delivery");
  choose = false;
  w.Edit1.TextFromWindow("D:\\");
  w.Button1.Click();
  EXPECT_EQ(w.Edit1.Caption(), "D:\\");
  EXPECT_EQ(shown, (std::vector<std::string>{"登録先 フォルダーの参照|d:\\delivery",
                                             "登録先 フォルダーの参照|d:\\"}));

  messages.clear();
  w.Button2.Click();
  EXPECT_EQ(messages, std::vector<std::string>{"インスツールを中止します。"});
  EXPECT_TRUE(w.IsClosed());
  EXPECT_FALSE(WroteAnyValue());
}

}  // namespace
}  // namespace tavel::testing
