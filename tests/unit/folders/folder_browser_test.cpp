// The folder browser's drive box, folder and file lists, navigation and recovery against fake
// drives.
#include "folders/folder_browser.h"

#include <gtest/gtest.h>

#include "support/browser_machine.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless_ui.h"

namespace tavel::testing {
namespace {

using Names = std::vector<std::string>;

class FolderBrowserTest : public ::testing::Test, public BrowserMachine {
 protected:
  FolderBrowserTest()
      : browser(app, {ComboBox2, ListBox1, ListBox4, Label19, Label1},
                {[this](const std::string& t) { messages.push_back(t); },
                 [this](const std::string& t) { messages.push_back("timed:" + t); }},
                drives, files, ownPath) {}

  // The browser as the window starts it: the drives, then the program's folder.
  void Open(const std::string& start = "C:\\KoLAPP32\\TaVIN32") {
    browser.FillDriveList();
    ASSERT_TRUE(browser.GoToFolder(start));
  }
  std::vector<int> Levels() const {
    return {browser.FolderLevels.begin(), browser.FolderLevels.end()};
  }
  void Click(int index) {
    ListBox1.UserClick(index);
    browser.FolderFromSelection();
  }
  void PickDrive(char letter) {
    for (int i = 0; i < ComboBox2.Count(); ++i) {
      if (DriveKey(ComboBox2.Item(i)[0]) == letter) ComboBox2.UserSelect(i);
    }
    browser.EnterDrive(letter);
  }

  HeadlessUi ui;
  Application app{ui};
  Form form{app, "TDIRVIEWForm", "DIRVIEWForm"};
  ComboBox ComboBox2{&form, "ComboBox2"};
  ListBox ListBox1{&form, "ListBox1"};
  ListBox ListBox4{&form, "ListBox4"};
  Label Label19{&form, "Label19"};
  Label Label1{&form, "Label1"};
  Names messages;
  FolderBrowser browser;
};

TEST_F(FolderBrowserTest, ListsExactlyTheDrivesWithTheirPicturesAndLabelsTheProgramsDrive) {
  browser.FillDriveList();
  EXPECT_EQ(ComboBox2.Items(), (Names{"a:", "c:[disk1]", "d:", "n:", "r:"}));
  EXPECT_EQ(ComboBox2.ItemIndex(), 1);
  EXPECT_EQ(browser.DrivePictures,
            (std::vector<BrowserPicture>{BrowserPicture::Floppy, BrowserPicture::Fixed,
                                         BrowserPicture::CdRom, BrowserPicture::Network,
                                         BrowserPicture::Ram}));
  ownPath = "\\\\SERVER\\Music\\TaVEL32.EXE";  // started from a network path: nothing selected
  FolderBrowser fromNetwork(app, {ComboBox2, ListBox1, ListBox4, Label19, Label1}, {}, drives,
                            files, ownPath);
  fromNetwork.FillDriveList();
  EXPECT_EQ(ComboBox2.ItemIndex(), -1);
}

TEST_F(FolderBrowserTest, LabelsNetworkDrivesByTheirRemoteNameOrElseTheirVolumeLabel) {
  browser.FillDriveList();
  ComboBox2.SetItemIndex(3);
  EXPECT_TRUE(browser.LabelDrive('n'));
  EXPECT_EQ(ComboBox2.Item(3), "n:\\\\server\\music");
  drives.Add('N', DriveKind::Remote, "SHARE");  // not connected
  ComboBox2.SetItem(3, "n:");
  EXPECT_TRUE(browser.LabelDrive('N'));
  EXPECT_EQ(ComboBox2.Item(3), "n:[share]");
  ComboBox2.SetItemIndex(4);
  EXPECT_TRUE(browser.LabelDrive('r'));
  EXPECT_EQ(ComboBox2.Item(4), "r:[]");  // an unlabelled volume
  drives.Add('R', DriveKind::RamDisk).label.reset();
  EXPECT_FALSE(browser.LabelDrive('r'));
  EXPECT_FALSE(browser.CheckDriveReady('a'));
  EXPECT_TRUE(browser.CheckDriveReady('c'));
}

TEST_F(FolderBrowserTest, ListsAncestorsOpenAndSubFoldersOneLevelDeeperWithTheCounts) {
  Open();
  EXPECT_EQ(browser.CurrentFolder, "c:\\kolapp32\\tavin32");
  EXPECT_EQ(ListBox1.Items(), (Names{"c:\\", "kolapp32", "tavin32"}));
  EXPECT_EQ(Levels(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(ListBox1.ItemIndex(), 2);
  EXPECT_EQ(Label19.Caption(), "3ｺ");
  // Hidden files are listed; every name in lower case.
  EXPECT_EQ(ListBox4.Items(), (Names{"tavel32.exe", "tavel32.txt"}));
  EXPECT_EQ(Label1.Caption(), " 2ｺ");
  EXPECT_EQ(browser.ListedFolder, "c:\\kolapp32\\tavin32");

  Click(0);  // up to the root: its sub-folders at level 1, no "." or ".."
  EXPECT_EQ(browser.CurrentFolder, "c:\\");
  EXPECT_EQ(ListBox1.Items(), (Names{"c:\\", "kolapp32", "windows", "表"}));
  EXPECT_EQ(Levels(), (std::vector<int>{0, 1, 1, 1}));
  EXPECT_EQ(browser.FolderPicture(0), BrowserPicture::OpenFolder);
  EXPECT_EQ(browser.FolderPicture(1), BrowserPicture::ClosedFolder);
  EXPECT_EQ(ListBox4.Items(), (Names{"autoexec.bat"}));

  Click(1);  // down into kolapp32, then into its empty folder
  Click(2);
  EXPECT_EQ(browser.CurrentFolder, "c:\\kolapp32\\empty");
  // Shown in lower case, entered as the disk spells the names.
  EXPECT_EQ(drives.current, "C:\\KoLAPP32\\Empty");
  EXPECT_EQ(ListBox4.Count(), 0);
  EXPECT_EQ(Label1.Caption(), " 0ｺ");
  Click(1);
  EXPECT_EQ(drives.current, "C:\\KoLAPP32");
  EXPECT_TRUE(messages.empty());
}

TEST_F(FolderBrowserTest, AFolderEndingInATrailByteOf5CIsOnePieceAndIsEnteredAgain) {
  Open(kTableFolder);
  EXPECT_EQ(browser.CurrentFolder, "c:\\表");
  EXPECT_EQ(ListBox1.Items(), (Names{"c:\\", "表"}));
  EXPECT_EQ(ListBox4.Items(), (Names{"ソナタ.wav"}));
  Click(0);
  Click(3);  // 表 among the root's sub-folders
  EXPECT_EQ(browser.CurrentFolder, "c:\\表");
  EXPECT_EQ(drives.current, kTableFolder);
  Click(1);  // the current folder itself: listed again
  EXPECT_EQ(ListBox1.Items(), (Names{"c:\\", "表"}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(FolderBrowserTest, MoreThan512ItemsAreAllListedWithTheirLevels) {
  for (int i = 0; i < 600; ++i) files.PutFolder("C:\\BIG\\F" + std::to_string(1000 + i));
  Open("C:\\BIG");
  ASSERT_EQ(ListBox1.Count(), 602);
  EXPECT_EQ(browser.FolderLevels.size(), 602u);
  EXPECT_EQ(browser.FolderLevels[601], 2);
  EXPECT_EQ(ListBox1.Item(601), "f1599");
  EXPECT_EQ(Label19.Caption(), "602ｺ");
}

TEST_F(FolderBrowserTest, ADriveReturnsToTheFolderLastVisitedOnIt) {
  Open();
  PickDrive('D');
  EXPECT_EQ(browser.CurrentFolder, "d:\\");
  EXPECT_EQ(ComboBox2.Item(2), "d:[music_cd]");
  Click(1);
  EXPECT_EQ(browser.CurrentFolder, "d:\\tracks");
  PickDrive('C');
  EXPECT_EQ(browser.CurrentFolder, "c:\\kolapp32\\tavin32");
  PickDrive('D');
  EXPECT_EQ(browser.CurrentFolder, "d:\\tracks");
  EXPECT_EQ(browser.RecentFolders, (Names{"c:\\kolapp32\\tavin32", "d:\\tracks"}));
}

TEST_F(FolderBrowserTest, AnEmptyFloppyReportsAndReturnsToTheLastListedFolder) {
  Open();
  PickDrive('A');
  EXPECT_EQ(messages, (Names{std::string("timed:") + kDriveErrorText}));
  EXPECT_EQ(browser.CurrentFolder, "c:\\kolapp32\\tavin32");
  EXPECT_EQ(ComboBox2.ItemIndex(), 1);
  // Before anything was listed the drive error goes to the Windows drive.
  FolderBrowser fresh(app, {ComboBox2, ListBox1, ListBox4, Label19, Label1},
                      {[this](const std::string& t) { messages.push_back(t); },
                       [this](const std::string& t) { messages.push_back(t); }},
                      drives, files, ownPath);
  fresh.EnterDrive('A');
  EXPECT_EQ(fresh.CurrentFolder, "c:\\");
}

TEST_F(FolderBrowserTest, AFolderThatCannotBeEnteredRecoversToItsDrivesRoot) {
  Open();
  files.PutFolder("C:\\LOCKED");
  drives.unenterable.insert("c:\\locked");
  browser.ShowFolder("c:\\locked\\");
  EXPECT_EQ(messages, (Names{std::string("timed:") + kFolderErrorText}));
  EXPECT_EQ(browser.CurrentFolder, "c:\\");
  EXPECT_EQ(Label19.Caption(), "5ｺ");
}

TEST_F(FolderBrowserTest, AFileListThatFailsKeepsTheFolderListAndReports) {
  Open();
  // The disc goes while the folders are listed, before the files are.
  drives.onEnter = [this](const std::string& folder) {
    if (folder == "d:\\tracks") drives.Add('D', DriveKind::CdRom).hasMedium = false;
  };
  browser.ShowFolder("d:\\tracks");
  EXPECT_EQ(messages, (Names{kFileListErrorText}));
  EXPECT_EQ(ListBox1.Items(), (Names{"d:\\", "tracks"}));
  EXPECT_EQ(Label1.Caption(), " ---ｺ");
  EXPECT_EQ(browser.ListedFolder, "c:\\kolapp32\\tavin32");
}

TEST_F(FolderBrowserTest, ARootThatCanBeEnteredButNotListedEndsTheRecoveryChain) {
  Open();
  files.unlistable.insert("c:\\");
  browser.ShowFolder("c:\\");
  // The root is tried once, the Windows drive is the same root: the chain gives up.
  EXPECT_EQ(messages, (Names{std::string("timed:") + kFolderErrorText,
                             std::string("timed:") + kFolderErrorText, kRecoveryFailedText}));
  EXPECT_EQ(browser.CurrentFolder, "c:\\kolapp32\\tavin32");  // nothing else changed
  EXPECT_EQ(ListBox1.Count(), 3);

  // On another drive the chain moves on to the Windows drive.
  messages.clear();
  files.unlistable = {"d:\\", "d:\\tracks"};
  browser.ShowFolder("d:\\tracks\\");
  EXPECT_EQ(browser.CurrentFolder, "c:\\");
  EXPECT_EQ(messages, (Names{std::string("timed:") + kFolderErrorText,
                             std::string("timed:") + kFolderErrorText}));
}

TEST_F(FolderBrowserTest, UnreadyWindowsDriveAndFailingTargetsStillEnd) {
  Open();
  drives.Add('C', DriveKind::Fixed).hasMedium = false;  // every target lies on drive C
  PickDrive('C');
  EXPECT_EQ(messages.back(), kRecoveryFailedText);
  EXPECT_LE(messages.size(), 4u);
  EXPECT_LE(drives.entered.size(), 6u);
}

}  // namespace
}  // namespace tavel::testing
