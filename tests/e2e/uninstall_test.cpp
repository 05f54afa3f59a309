// The uninstall as a user meets it: the software list's remove command runs the installed program
// with /uninstall, which asks, removes, and hands over to its copy in the Windows folder; the copy
// deletes the program and its folders and says so.
#include <optional>

#include "harness/harness.h"
#include "harness/progman.h"

namespace tavel::e2e {
namespace {

constexpr const char* kProductKey = ".Default\\Software\\KOLAP SOFT32\\TaVEL32";
constexpr const char* kMakerKey = ".Default\\Software\\KOLAP SOFT32";
constexpr const char* kEntryKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaVEL32";
constexpr const char* kHandoffKey = ".Default\\Software\\Unin_KOLAP SOFT32";
constexpr const char* kGroup = "KOLAP SOFT32";
constexpr const char* kItemLink = "楽蔵32 T-VEL.lnk";

constexpr const char* kAskUninstall =
    "KOLAP 楽蔵32 T-VEL V1.1\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？";
constexpr const char* kAskHistory =
    "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n楽蔵32専用ﾋｽﾄﾘｰﾌｧｲﾙも削除して、よろしいですか？？？";
constexpr const char* kCompleted = "アンインスツールが完了しました☆☆☆\nお疲れ様☆☆☆";

std::string SystemFolder() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return folder;
}

// The program as an install into `folder` leaves it: both files and a history in the folder, the
// product's key, the software-list entry and the item in Program Manager's group.
class InstalledProgram : public ::testing::Test {
 protected:
  void Install(const std::string& root, const std::string& folder) {
    root_ = root;
    folder_ = folder;
    ClearAll();
    exe_ = folder_ + "TaVEL32.EXE";
    ASSERT_TRUE(MakeFolders(folder_));
    ASSERT_TRUE(CopyFileA(BuiltExePath().c_str(), exe_.c_str(), FALSE));
    ASSERT_TRUE(WriteBytes(folder_ + "TaVEL32.TXT", "help\r\n"));
    ASSERT_TRUE(WriteBytes(folder_ + "TaVO32MH.LIS", "C:\\MUSIC\\A.WAV\r\n"));
    std::string installed = folder_.substr(0, folder_.size() - 1);
    ASSERT_TRUE(product_.Write("EXEPATH", installed));
    ASSERT_TRUE(product_.Write("Group", kGroup));
    ASSERT_TRUE(product_.Write("Version", "11"));
    ASSERT_TRUE(entry_.Write("DisplayName", "KOLAP 楽蔵32 T-VEL V1.1"));
    ASSERT_TRUE(entry_.Write("UninstallString", "\"" + exe_ + "\" /uninstall"));
    ASSERT_TRUE(SendProgmanCommand(std::string("[CreateGroup(") + kGroup + ")]"));
    ASSERT_TRUE(SendProgmanCommand("[AddItem(" + exe_ + ",\"楽蔵32 T-VEL\")]"));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(Link()); }, kWindowTimeoutMs)) << Link();
  }
  ~InstalledProgram() override {
    if (remover_) remover_->Kill();
    sandbox_.EndAll();
    ClearAll();
  }
  void ClearAll() {
    if (!root_.empty()) RemoveFolder(root_);
    product_.Clear();
    entry_.Clear();
    handoff_.Clear();
    DeleteFileA(Link().c_str());
  }

  // The software list's remove command for the product's entry.
  void RemoveThroughSoftwareList() {
    remover_ = std::make_unique<TestProcess>(SystemFolder() + "\\uninstaller.exe",
                                             "--remove TaVEL32", SystemFolder());
    ASSERT_TRUE(remover_->Started());
  }

  // The whole uninstall as the user goes through it: started from the software list, both
  // questions answered (the history one with `removeHistory`), the completion acknowledged.
  bool UninstallThroughSoftwareList(bool removeHistory) {
    RemoveThroughSoftwareList();
    return remover_->Started() && Answer(kAskUninstall, true) &&
           Answer(kAskHistory, removeHistory) && Acknowledge(kCompleted) && remover_->WaitForExit();
  }

  std::string Link() const { return ProgramGroupFolder(kGroup) + kItemLink; }

  Sandbox sandbox_;  // ends every program window the test leaves behind
  std::string root_, folder_, exe_;
  RegistryKey product_{HKEY_USERS, kProductKey};
  RegistryKey maker_{HKEY_USERS, kMakerKey};
  RegistryKey entry_{HKEY_LOCAL_MACHINE, kEntryKey};
  RegistryKey handoff_{HKEY_USERS, kHandoffKey};
  std::unique_ptr<TestProcess> remover_;
};

// A folder with a blank: the quoted uninstall command starts the program itself, not the decoy
// C:\Kolap.exe that an unquoted one would start first.
TEST_F(InstalledProgram, TheSoftwareListRemovesEverythingThroughTheCopy) {
  Install("C:\\Kolap E2E", "C:\\Kolap E2E\\TaVIN32\\");
  const std::string decoy = "C:\\Kolap.exe";
  ASSERT_TRUE(CopyFileA(BuiltExePath().c_str(), decoy.c_str(), FALSE));
  RemoveThroughSoftwareList();
  ASSERT_TRUE(Answer(kAskUninstall, true));
  ASSERT_TRUE(Answer(kAskHistory, true));
  ASSERT_TRUE(Acknowledge(kCompleted, "uninstall-completed"));
  EXPECT_TRUE(remover_->WaitForExit());
  EXPECT_TRUE(WaitForNoWindow(kSetupClass));

  EXPECT_FALSE(FileExists(exe_));
  EXPECT_EQ(GetFileAttributesA("C:\\Kolap E2E"), INVALID_FILE_ATTRIBUTES);  // both folders
  EXPECT_FALSE(FileExists(Link()));
  EXPECT_FALSE(product_.Exists());
  EXPECT_FALSE(maker_.Exists());
  EXPECT_FALSE(entry_.Exists());
  EXPECT_FALSE(handoff_.Exists());
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_TRUE(FileExists(std::string(windows) + "\\unin_kolap000.exe"));
  EXPECT_TRUE(TopWindows(kPlayerClass).empty()) << "the decoy was started";
  DeleteFileA(decoy.c_str());
}

TEST_F(InstalledProgram, DecliningTheHistoryKeepsItAndItsFolder) {
  Install("C:\\KolapE2E", "C:\\KolapE2E\\TaVIN32\\");
  ASSERT_TRUE(UninstallThroughSoftwareList(false));
  EXPECT_FALSE(FileExists(exe_));
  EXPECT_FALSE(FileExists(folder_ + "TaVEL32.TXT"));
  EXPECT_EQ(ReadBytes(folder_ + "TaVO32MH.LIS"),
            std::optional<std::string>("C:\\MUSIC\\A.WAV\r\n"));
  EXPECT_FALSE(FileExists(Link()));
  EXPECT_FALSE(product_.Exists());
  EXPECT_FALSE(entry_.Exists());
}

// A read-only program would refuse every deletion: the copy clears the attribute and goes on.
TEST_F(InstalledProgram, AReadOnlyProgramIsRemovedToo) {
  Install("C:\\KolapRO", "C:\\KolapRO\\TaVIN32\\");
  ASSERT_TRUE(SetFileAttributesA(exe_.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(UninstallThroughSoftwareList(true));
  EXPECT_FALSE(FileExists(exe_));
  EXPECT_EQ(GetFileAttributesA("C:\\KolapRO"), INVALID_FILE_ATTRIBUTES);
}

// The whole round: what the install dialogue put in place, in a folder with a blank, the software
// list's remove command takes away again.
TEST_F(InstalledProgram, WhatTheInstallDialogueInstalledIsRemovedAgain) {
  ASSERT_TRUE(sandbox_.Ready());
  std::string built = BuiltExePath();
  std::string text = built.substr(0, built.find_last_of('\\') + 1) + "TaVEL32.TXT";
  ASSERT_TRUE(CopyFileA(text.c_str(), sandbox_.PathOf("TaVEL32.TXT").c_str(), FALSE));
  root_ = sandbox_.Folder() + "Round Trip";
  folder_ = root_ + "\\TaVIN32\\";
  exe_ = folder_ + "TaVEL32.EXE";
  TestProcess& setup = sandbox_.Start();
  HWND window = setup.WaitForWindow(kSetupClass);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(window); }, kWindowTimeoutMs));
  ASSERT_TRUE(TypeText(WaitForControl(window, "Edit1"), root_ + "\\TaVIN32"));
  ASSERT_TRUE(Click(WaitForControl(window, "Button3")));
  ASSERT_TRUE(Answer(root_ + "\\TaVIN32\nフォルダーを作成します", true));
  ASSERT_TRUE(Acknowledge("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません"));
  ASSERT_TRUE(
      Acknowledge("登録完了です。\n\n[ KOLAP SOFT32 ]\nグループに登録しました☆☆\nお疲れ様☆☆"));
  ASSERT_TRUE(setup.WaitForExit());
  ASSERT_TRUE(FileExists(exe_));
  ASSERT_TRUE(WaitUntil([&] { return FileExists(Link()); }, kWindowTimeoutMs)) << Link();

  ASSERT_TRUE(UninstallThroughSoftwareList(true));
  EXPECT_FALSE(FileExists(exe_));
  EXPECT_FALSE(FileExists(folder_ + "TaVEL32.TXT"));
  EXPECT_EQ(GetFileAttributesA(root_.c_str()), INVALID_FILE_ATTRIBUTES);  // both folders
  EXPECT_TRUE(sandbox_.HasFile("TaVEL32.EXE"));  // the sandbox folder holds more: it stays
  EXPECT_FALSE(FileExists(Link()));
  EXPECT_FALSE(product_.Exists());
  EXPECT_FALSE(entry_.Exists());
}

}  // namespace
}  // namespace tavel::e2e
