// The install on a fresh machine: the dialogue, a new folder, the copied files, the registry, the
// group and item in the shell, the software list's entry, and the player at the next start; an
// item whose folder and group hold parentheses; a copy that fails on a full disk.
#include <string>

#include "harness/harness.h"
#include "harness/shell_link.h"
#include "harness/small_disk.h"
// The shell's folder lookup needs the definitions of windows.h first.
#include <shlobj.h>

namespace tavel::e2e {
namespace {

constexpr const char* kNoticeClass = "TKolapBox";
constexpr const char* kQuestionClass = "TYesNoBox";
const char* const kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaVEL32";

// The folder the built program lies in, with its help text beside it.
std::string BuiltFolder() {
  std::string exe = BuiltExePath();
  return exe.substr(0, exe.find_last_of('\\') + 1);
}

std::optional<FILETIME> LastWrite(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return data.ftLastWriteTime;
}

bool SameTime(const std::optional<FILETIME>& a, const std::optional<FILETIME>& b) {
  return a && b && CompareFileTime(&*a, &*b) == 0;
}

// The user's Start Menu\Programs folder, where the shell keeps the program groups.
std::string ProgramsFolder() {
  char path[MAX_PATH] = "";
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, path))) return {};
  return std::string(path) + "\\";
}

// What Wine's software list prints for "--list": one line per entry of the uninstall key.
std::string SoftwareList() {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return {};
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = write;
  PROCESS_INFORMATION pi{};
  char command[] = "uninstaller.exe --list";
  bool started = CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                nullptr, &si, &pi);
  CloseHandle(write);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got > 0)
      output.append(buffer, got);
    WaitForSingleObject(pi.hProcess, kExitTimeoutMs);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
  CloseHandle(read);
  return output;
}

// The shell opens a window on a group it has just made. Closes those windows (of any process but
// the program's) so that they cover nothing; true once none is left.
bool CloseGroupWindows(const std::string& group) {
  auto open = [&] {
    std::vector<HWND> found;
    for (HWND w : TopWindows(nullptr)) {
      if (IsShown(w) && Caption(w) == group && ClassOf(w) != kSetupClass) found.push_back(w);
    }
    return found;
  };
  for (HWND w : open()) PostMessageA(w, WM_CLOSE, 0, 0);
  return WaitUntil([&] { return open().empty(); }, kWindowTimeoutMs);
}

class Install : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    ASSERT_TRUE(CopyFileA((BuiltFolder() + "TaVEL32.TXT").c_str(),
                          box.PathOf("TaVEL32.TXT").c_str(), FALSE))
        << "TaVEL32.TXT is not beside " << BuiltExePath();
    ASSERT_TRUE(uninstallEntry.Clear());
  }
  void TearDown() override { uninstallEntry.Clear(); }

  // Reads a notice, presses "ＯＫ" and waits until it has gone; returns its text.
  std::string Acknowledge(TestProcess& p, const std::string& screenshot = "") {
    HWND notice = p.WaitForShownWindow(kNoticeClass);
    if (!notice) return "<no notice>";
    std::string text = ControlText(WaitForControl(notice, "Msg"));
    if (!screenshot.empty()) {
      EXPECT_TRUE(CloseGroupWindows("KOLAP SOFT32"));
      SaveScreenshot(notice, screenshot);
    }
    EXPECT_TRUE(Click(WaitForControl(notice, "Button1")));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(notice); }, kWindowTimeoutMs));
    return text;
  }

  // Opens the dialogue, types the folder (and the group, when given) and presses 設定.
  TestProcess& StartInstall(const std::string& folder, const std::string& group = "") {
    TestProcess& setup = box.Start();
    HWND window = setup.WaitForWindow(kSetupClass);
    EXPECT_TRUE(window && WaitUntil([&] { return IsShown(window); }, kWindowTimeoutMs));
    EXPECT_TRUE(TypeText(WaitForControl(window, "Edit1"), folder));
    if (!group.empty()) {
      EXPECT_TRUE(TypeText(WaitForControl(window, "ComboBox1"), group));
    }
    EXPECT_TRUE(Click(WaitForControl(window, "Button3")));
    return setup;
  }

  Sandbox box;
  RegistryKey uninstallEntry{HKEY_LOCAL_MACHINE, kUninstallKey};
};

TEST_F(Install, AFreshStartInstallsIntoANewFolderAndTheNextStartOpensThePlayer) {
  // Two levels to create, one of them with a blank: the software list must still find the program.
  const std::string folder = box.Folder() + "New Place\\TaVIN32";
  TestProcess& setup = box.Start();
  HWND window = setup.WaitForWindow(kSetupClass);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(window); }, kWindowTimeoutMs));
  EXPECT_EQ(Caption(window), "楽蔵32 V1．1 インスツール");
  HWND edit = WaitForControl(window, "Edit1");
  HWND group = WaitForControl(window, "ComboBox1");
  EXPECT_EQ(ControlText(edit), "C:\\KoLAPP32\\TaVIN32");
  EXPECT_EQ(ControlText(group), "KOLAP SOFT32");
  std::vector<std::string> groups = ComboItems(group);
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.back(), "KOLAP SOFT32");
  EXPECT_EQ(ComboIndex(group), static_cast<int>(groups.size()) - 1);
  EXPECT_TRUE(IsChecked(WaitForControl(window, "CheckBoxST")));
  SaveScreenshot(window, "install-dialogue");

  // 参照 opens the folder browser; cancelling it keeps the folder.
  ASSERT_TRUE(Click(WaitForControl(window, "Button1")));
  HWND browser = setup.WaitForShownWindow("TDIRVIEWForm");
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(Caption(browser), "登録先 フォルダーの参照");
  ASSERT_TRUE(Click(WaitForControl(browser, "Button1")));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(browser); }, kWindowTimeoutMs));
  EXPECT_EQ(ControlText(edit), "C:\\KoLAPP32\\TaVIN32");

  ASSERT_TRUE(TypeText(edit, folder));
  ASSERT_TRUE(Click(WaitForControl(window, "Button3")));
  HWND question = setup.WaitForShownWindow(kQuestionClass);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(ControlText(WaitForControl(question, "Msg")), folder + "\nフォルダーを作成します");
  ASSERT_TRUE(Click(WaitForControl(question, "Button1")));
  // Asked once: the next box is a notice. A fresh Wine prefix names no start-up group: said, and
  // the install goes on.
  EXPECT_EQ(Acknowledge(setup), "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
  EXPECT_EQ(Acknowledge(setup, "completion"),
            "登録完了です。\n\n[ KOLAP SOFT32 ]\nグループに登録しました☆☆\nお疲れ様☆☆");
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(setup.ExitCode(), std::optional<DWORD>(0));

  // Both files, with the dates of the delivered ones.
  const std::string installed = folder + "\\TaVEL32.EXE";
  EXPECT_TRUE(SameTime(LastWrite(installed), LastWrite(box.ExePath())));
  EXPECT_TRUE(SameTime(LastWrite(folder + "\\TaVEL32.TXT"), LastWrite(box.PathOf("TaVEL32.TXT"))));

  EXPECT_EQ(box.Settings().Read("Version"), "11");
  EXPECT_EQ(box.Settings().Read("BackColor"), "1");
  EXPECT_EQ(box.Settings().Read("EXEPATH"), folder);
  EXPECT_EQ(box.Settings().Read("Group"), "KOLAP SOFT32");
  EXPECT_EQ(uninstallEntry.Read("DisplayName"), "KOLAP 楽蔵32 T-VEL V1.1");
  EXPECT_EQ(uninstallEntry.Read("UninstallString"), "\"" + installed + "\" /uninstall");
  std::string list = SoftwareList();
  EXPECT_NE(list.find("TaVEL32"), std::string::npos) << list;
  EXPECT_NE(list.find("T-VEL V1.1"), std::string::npos) << list;

  // The shell makes the group and its item as it carries out the macros.
  const std::string link = ProgramsFolder() + "KOLAP SOFT32\\楽蔵32 T-VEL.lnk";
  EXPECT_TRUE(WaitUntil([&] { return FileExists(link); }, kWindowTimeoutMs)) << link;

  TestProcess player(installed, "", folder + "\\");
  ASSERT_TRUE(player.Started());
  HWND playerWindow = player.WaitForWindow(kPlayerClass);
  ASSERT_NE(playerWindow, nullptr);
  EXPECT_TRUE(player.Windows(kSetupClass).empty());
  // Closed only once its start-up has ended with the numbered title.
  EXPECT_TRUE(WaitUntil([&] { return Caption(playerWindow) == kIdleTitle; }, kWindowTimeoutMs));
  RequestClose(playerWindow);
  EXPECT_TRUE(player.WaitForExit());
}

// Program Manager ends an unquoted argument at its first parenthesis: an install into such a
// folder and into a group typed with one gives a link that starts the installed program.
TEST_F(Install, AFolderAndAGroupWithParenthesesGiveALinkToTheInstalledProgram) {
  const std::string folder = "C:\\Program Files (x86)\\KoLAPP32";
  const std::string group = "音楽 (BGM)";
  const std::string link = ProgramsFolder() + group + "\\楽蔵32 T-VEL.lnk";
  struct CleanUp {
    std::string folder, group;
    ~CleanUp() {
      RemoveFolder(folder);
      RemoveFolder(group);
    }
  } cleanUp{folder, ProgramsFolder() + group};
  TestProcess& setup = StartInstall(folder, group);
  ASSERT_TRUE(Answer(folder + "\nフォルダーを作成します", true));
  EXPECT_EQ(Acknowledge(setup), "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
  EXPECT_EQ(Acknowledge(setup),
            "登録完了です。\n\n[ 音楽 (BGM) ]\nグループに登録しました☆☆\nお疲れ様☆☆");
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(box.Settings().Read("Group"), group);
  ASSERT_TRUE(WaitUntil([&] { return FileExists(link); }, kWindowTimeoutMs)) << link;
  EXPECT_EQ(LinkTarget(link), std::optional<std::string>(folder + "\\TaVEL32.EXE"));
  EXPECT_TRUE(CloseGroupWindows(group));
}

// Installing over a working program on a nearly full disk: the new copy does not fit, and the
// program there stays whole and undated by the failed copy, with nothing left beside it.
TEST_F(Install, AFullDiskLeavesTheProgramAlreadyThereAsItWas) {
  SmallDisk disk('T', 1200);
  if (!disk.Ready()) GTEST_SKIP() << "no full disk for this test: " << disk.Why();
  const std::string folder = disk.Root() + "KoLAPP32";
  const std::string installed = folder + "\\TaVEL32.EXE";
  const std::string working(300 * 1024, 'o');
  ASSERT_TRUE(MakeFolders(folder));
  ASSERT_TRUE(WriteBytes(installed, working));
  const std::optional<FILETIME> date = LastWrite(installed);
  ASSERT_TRUE(disk.FillLeaving(64 * 1024));

  TestProcess& setup = StartInstall(folder);
  EXPECT_EQ(Acknowledge(setup), "TaVEL32.EXE\nファイルのコピーに失敗しました・・・");
  EXPECT_EQ(ReadBytes(installed), std::optional<std::string>(working));
  EXPECT_TRUE(SameTime(LastWrite(installed), date));
  EXPECT_FALSE(FileExists(installed + ".new"));
  EXPECT_EQ(box.Settings().Read("Version"), std::nullopt);
  // 中止 ends the dialogue, so that nothing holds the disk when it goes.
  ASSERT_TRUE(Click(WaitForControl(setup.WaitForWindow(kSetupClass), "Button2")));
  EXPECT_EQ(Acknowledge(setup), "インスツールを中止します。");
  EXPECT_TRUE(setup.WaitForExit());
}

}  // namespace
}  // namespace tavel::e2e
