// The folder browser on real windows, on a machine with a floppy drive without a disc, a labelled
// CD-ROM, a network drive and a RAM disk: its drives, going into and out of folders, the chosen
// folder, cancelling, and the recovery from the empty floppy drive.
#include <cstdlib>
#include <string>
#include <vector>

#include "harness/harness.h"

namespace tavel::e2e {
namespace {

std::string Lower(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      ++i;  // the second byte of a double-byte character stays as it is
    } else if (c >= 'A' && c <= 'Z') {
      text[i] = static_cast<char>(c + 32);
    }
  }
  return text;
}

std::string WithoutLastBackslash(const std::string& folder) {
  return folder.size() > 3 && folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder;
}

// The drive box as the browser should fill it: every drive of a listed kind, in letter order.
std::vector<std::string> MachineDrives() {
  std::vector<std::string> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    UINT kind = GetDriveTypeA(root);
    if (kind >= DRIVE_REMOVABLE && kind <= DRIVE_RAMDISK)
      drives.push_back(std::string(1, static_cast<char>(letter + 32)) + ":");
  }
  return drives;
}

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  return -1;
}

// The browser opened by the probe program from a copy of it in the sandbox, so that the
// program's own folder is the sandbox folder on drive C.
class FolderBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* probe = std::getenv("TAVEL_BROWSER_PROBE");
    ASSERT_NE(probe, nullptr) << "TAVEL_BROWSER_PROBE is not set";
    ASSERT_TRUE(box.Ready());
    ASSERT_TRUE(MakeFolders(box.PathOf("Music\\Classic")));
    ASSERT_TRUE(WriteBytes(box.PathOf("Music\\Song.WAV"), "RIFF"));
    ASSERT_TRUE(
        CopyFileA(WindowsPathOf(probe).c_str(), box.PathOf("BrowserProbe.exe").c_str(), FALSE));
    folder = Lower(WithoutLastBackslash(box.Folder()));
    process = std::make_unique<TestProcess>(box.PathOf("BrowserProbe.exe"), "", box.Folder());
    ASSERT_TRUE(process->Started());
    window = process->WaitForWindow("TDIRVIEWForm");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(window); }, kWindowTimeoutMs));
    drives = WaitForControl(window, "ComboBox2");
    folders = WaitForControl(window, "ListBox1");
    current = WaitForControl(window, "Label2");
    ASSERT_TRUE(drives && folders && current);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(current) == folder; }, kWindowTimeoutMs));
  }

  // Clicks the folder-list item of that text and waits until the browser shows `expected`.
  void ClickFolder(const std::string& item, const std::string& expected) {
    int index = IndexOf(ListItems(folders), item);
    ASSERT_GE(index, 0) << item;
    PickListItem(folders, index);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(current) == expected; }, kWindowTimeoutMs))
        << ControlText(current);
  }

  // Ends the browser and returns what it chose (the probe exits with 1 for nothing).
  std::string Result(HWND button) {
    EXPECT_TRUE(Click(button));
    EXPECT_TRUE(process->WaitForExit());
    return box.ReadFile("browser_result.txt").value_or("<none>");
  }

  Sandbox box;
  std::unique_ptr<TestProcess> process;
  std::string folder;  // the sandbox folder as the browser shows it
  HWND window = nullptr;
  HWND drives = nullptr;
  HWND folders = nullptr;
  HWND current = nullptr;
};

TEST_F(FolderBrowser, ListsTheDrivesGoesIntoAndOutOfFoldersAndReturnsTheChoiceInLowerCase) {
  EXPECT_EQ(Caption(window), "登録先 フォルダーの参照");
  // Exactly the machine's drives, the program's own drive with its label.
  std::vector<std::string> items = ComboItems(drives);
  ASSERT_EQ(items.size(), MachineDrives().size());
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].substr(0, 2), MachineDrives()[i]) << items[i];
  for (const char* test : {"a:", "d:", "n:", "r:"})
    EXPECT_GE(IndexOf(MachineDrives(), test), 0) << test << " is missing from the machine";
  char label[261] = {};
  GetVolumeInformationA("C:\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
  ASSERT_GE(ComboIndex(drives), 0);
  EXPECT_EQ(items[static_cast<std::size_t>(ComboIndex(drives))], "c:[" + Lower(label) + "]");
  // Both lists are drawn by the program and keep their texts for other programs.
  EXPECT_TRUE(GetWindowLongA(drives, GWL_STYLE) & CBS_OWNERDRAWFIXED);
  EXPECT_TRUE(GetWindowLongA(drives, GWL_STYLE) & CBS_HASSTRINGS);
  EXPECT_TRUE(GetWindowLongA(folders, GWL_STYLE) & LBS_OWNERDRAWFIXED);
  EXPECT_TRUE(GetWindowLongA(folders, GWL_STYLE) & LBS_HASSTRINGS);
  // Their items are as high as the program said when the lists asked, while being made.
  EXPECT_EQ(SendMessageA(folders, LB_GETITEMHEIGHT, 0, 0), 20);
  EXPECT_EQ(SendMessageA(drives, CB_GETITEMHEIGHT, 0, 0), 20);
  EXPECT_EQ(ListItems(folders).front(), "c:\\");

  ClickFolder("music", folder + "\\music");
  EXPECT_EQ(ListItems(folders).back(), "classic");
  EXPECT_EQ(ListItems(WaitForControl(window, "ListBox4")), std::vector<std::string>{"song.wav"});
  EXPECT_EQ(ControlText(WaitForControl(window, "Label1")), " 1ｺ");
  SaveScreenshot(window, "browser");
  ClickFolder("classic", folder + "\\music\\classic");
  ClickFolder("music", folder + "\\music");  // up again
  EXPECT_EQ(Result(WaitForControl(window, "Button2")), folder + "\\music");
  EXPECT_EQ(process->ExitCode(), std::optional<DWORD>(0));
}

TEST_F(FolderBrowser, TheLabelledCdRomAndTheRamDiskAreEnteredAndCancelGivesNothing) {
  PickComboItem(drives, IndexOf(MachineDrives(), "d:"));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(current) == "d:\\"; }, kWindowTimeoutMs));
  EXPECT_EQ(ComboItems(drives)[static_cast<std::size_t>(ComboIndex(drives))], "d:[music_cd]");
  EXPECT_EQ(ListItems(folders), (std::vector<std::string>{"d:\\", "tracks"}));
  PickComboItem(drives, IndexOf(MachineDrives(), "r:"));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(current) == "r:\\"; }, kWindowTimeoutMs));
  EXPECT_EQ(Result(WaitForControl(window, "Button1")), "");
  EXPECT_EQ(process->ExitCode(), std::optional<DWORD>(1));
}

TEST_F(FolderBrowser, TheEmptyFloppyShowsTheDriveErrorAndReturnsToTheLastFolder) {
  ClickFolder("music", folder + "\\music");
  PickComboItem(drives, IndexOf(MachineDrives(), "a:"));
  // The browser's countdown message box.
  HWND message = process->WaitForWindow("TKolapBox");
  ASSERT_NE(message, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(message); }, kWindowTimeoutMs));
  EXPECT_EQ(ControlText(WaitForControl(message, "Msg")),
            "ドライブ・エラー発生\n元のドライブに戻します");
  EXPECT_EQ(Caption(message), "登録先");
  HWND countdown = WaitForControl(message, "Label1");
  EXPECT_TRUE(WaitUntil([&] { return ControlText(countdown) == "9秒"; }, kWindowTimeoutMs));
  SaveScreenshot(message, "floppy");
  ASSERT_TRUE(Click(WaitForControl(message, "Button1")));
  EXPECT_TRUE(
      WaitUntil([&] { return ControlText(current) == folder + "\\music"; }, kWindowTimeoutMs));
  EXPECT_EQ(ComboItems(drives)[static_cast<std::size_t>(ComboIndex(drives))].substr(0, 2), "c:");
  // The close box gives nothing as well.
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(process->WaitForExit());
  EXPECT_EQ(box.ReadFile("browser_result.txt").value_or("<none>"), "");
}

}  // namespace
}  // namespace tavel::e2e
