// The folder browser component and its window: the start folder, the caption, the result, cancel,
// the drive box and folder list as the user works them, and the items' drawing.
#include "folders/folder_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "dialogs/dialog_painting.h"
#include "dialogs/message_box_form.h"
#include "folders/browser_pictures.h"
#include "folders/browser_window.h"
#include "support/browser_machine.h"
#include "support/fake_world.h"
#include "ui/application.h"
#include "ui/bitmap_canvas.h"

namespace tavel::testing {
namespace {

class FolderDialogTest : public FakeWorld {
 protected:
  FolderDialogTest() {
    app.SetTitle("楽蔵32");
    SetUpBrowserMachine(files, drives);
  }

  // What the user does in the browser before 設定 is pressed.
  void Browse(std::function<void(TDIRVIEWForm&)> action) {
    user.Act<TDIRVIEWForm>(DialogKind::FolderBrowser, action);
  }
  static void PickDrive(TDIRVIEWForm& b, char letter) {
    for (int i = 0; i < b.ComboBox2.Count(); ++i) {
      if (DriveKey(b.ComboBox2.Item(i)[0]) == letter) b.ComboBox2.UserSelect(i);
    }
  }

  TDIROPENDLG dialog{app, services};
  std::vector<std::string>& messages = user.texts[DialogKind::KolapBox];
};

TEST_F(FolderDialogTest, OpensInTheProgramsFolderAndReturnsWhatItListsInLowerCase) {
  EXPECT_EQ(dialog.Execute(), "c:\\kolapp32\\tavin32");
  EXPECT_EQ(user.shown.back().caption, "楽蔵32 フォルダーの参照");
  dialog.Title = "登録先";
  dialog.Directory = "C:\\NoSuchFolder";  // replaced by the program's folder without a word
  EXPECT_EQ(dialog.Execute(), "c:\\kolapp32\\tavin32");
  EXPECT_EQ(user.shown.back().caption, "登録先 フォルダーの参照");
  dialog.Directory = "C:\\";
  EXPECT_EQ(dialog.Execute(), "c:\\");  // a drive root keeps its backslash
  dialog.Directory = "C:\\WINDOWS\\SYSTEM\\";
  EXPECT_EQ(dialog.Execute(), "c:\\windows\\system");
  EXPECT_TRUE(messages.empty());
}

TEST_F(FolderDialogTest, CancelEscapeAndTheCloseBoxReturnNothing) {
  const std::function<void(TDIRVIEWForm&)> ways[] = {
      [](TDIRVIEWForm& b) { b.Button1.Click(); },
      [](TDIRVIEWForm& b) {
        b.ListBox1.UserClick(0);
        if (b.Button1.Cancel()) b.Button1.Click();  // Escape presses the cancel button
      },
      [](TDIRVIEWForm& b) { b.Close(); },
  };
  for (const auto& way : ways) {
    Browse(way);
    EXPECT_EQ(dialog.Execute(), "");
  }
}

TEST_F(FolderDialogTest, TheUserPicksADriveAndAFolderAndAnEmptyFloppyReturnsToTheLastFolder) {
  Browse([this](TDIRVIEWForm& b) {
    PickDrive(b, 'D');
    EXPECT_EQ(b.Label2.Caption(), "d:\\");
    b.ListBox1.UserClick(1);
    EXPECT_EQ(b.Label2.Caption(), "d:\\tracks");
    PickDrive(b, 'A');
    EXPECT_EQ(messages, std::vector<std::string>{kDriveErrorText});
    EXPECT_EQ(b.ComboBox2.Item(b.ComboBox2.ItemIndex()), "d:[music_cd]");
  });
  EXPECT_EQ(dialog.Execute(), "d:\\tracks");
  // Every call starts without remembered folders.
  Browse([](TDIRVIEWForm& b) { EXPECT_TRUE(b.Browser->RecentFolders.size() == 1); });
  EXPECT_EQ(dialog.Execute(), "c:\\kolapp32\\tavin32");
}

TEST_F(FolderDialogTest, WithoutAnyFolderToShowItSaysSoAndReturnsNothing) {
  drives.unenterable.insert("c:\\kolapp32\\tavin32");
  dialog.Directory = "Q:\\";
  bool shown = false;
  Browse([&](TDIRVIEWForm&) { shown = true; });
  EXPECT_EQ(dialog.Execute(), "");
  EXPECT_FALSE(shown);
  EXPECT_EQ(messages, std::vector<std::string>{kNoFolderToShowText});
}

TEST_F(FolderDialogTest, ItemsAreDrawnIndentedWithTheirPicturesCutOutOfTheirRed) {
  Browse([](TDIRVIEWForm& b) {
    Bitmap screen(145, 20, Rgb(1, 2, 3));
    BitmapCanvas canvas(screen);
    b.ListBox1.DrawItem(canvas, 2, {0, 0, 145, 20}, {});  // tavin32, two levels down
    // The open folder's tab starts 2 pixels into the picture: 2 + 2 x 4 + 2.
    EXPECT_EQ(screen.At(12, 3), Rgb(0, 0, 0));
    EXPECT_EQ(screen.At(11, 3), BitmapCanvas::kWindow);  // its red shows the brush
    EXPECT_EQ(canvas.Texts().back().text, "tavin32");
    EXPECT_EQ(canvas.Texts().back().rect.left, 10 + 19);
    b.ListBox1.DrawItem(canvas, 0, {0, 0, 145, 20}, {true, false, false, false});
    EXPECT_EQ(screen.At(4, 3), Rgb(0, 0, 0));
    EXPECT_EQ(screen.At(3, 3), BitmapCanvas::kHighlight);
    EXPECT_EQ(canvas.Texts().back().rect.left, 2 + 19);

    b.ComboBox2.DrawItem(canvas, 1, {0, 0, 145, 20}, {});  // the fixed disk, 5 pixels down
    EXPECT_EQ(screen.At(1, 5), Rgb(0, 0, 0));
    EXPECT_EQ(screen.At(1, 4), BitmapCanvas::kWindow);
    EXPECT_EQ(canvas.Texts().back().text, "c:[disk1]");
    EXPECT_EQ(canvas.Texts().back().rect.left, 1 + 16 + 4);
  });
  dialog.Execute();
}

TEST_F(FolderDialogTest, TheListsTakeTheWindowsColourUnlessStandardColour) {
  dialog.StandardColor = false;
  Browse([this](TDIRVIEWForm& b) {
    EXPECT_EQ(b.ListBox1.GetColor(), DialogFormColor(desktop));
    EXPECT_EQ(b.ComboBox2.GetColor(), b.ListBox4.GetColor());
  });
  dialog.Execute();
  dialog.StandardColor = true;
  Browse([](TDIRVIEWForm& b) { EXPECT_EQ(b.ListBox1.GetColor(), kDefaultColor); });
  dialog.Execute();
}

TEST(BrowserPictures, FoldersAre19SquareDrivesAre16By9OnPureRed) {
  for (BrowserPicture p : {BrowserPicture::ClosedFolder, BrowserPicture::OpenFolder}) {
    Bitmap b = BrowserPictureBitmap(p);
    EXPECT_EQ(b.width, 19);
    EXPECT_EQ(b.height, 19);
    EXPECT_EQ(b.At(0, 0), kPictureBackground);
  }
  for (BrowserPicture p : {BrowserPicture::Floppy, BrowserPicture::Fixed, BrowserPicture::Network,
                           BrowserPicture::CdRom, BrowserPicture::Ram}) {
    Bitmap b = BrowserPictureBitmap(p);
    EXPECT_EQ(b.width, 16);
    EXPECT_EQ(b.height, 9);
  }
}

}  // namespace
}  // namespace tavel::testing
