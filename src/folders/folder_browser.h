// The folder browser's logic: the drive box, the folder list and the file list of the browser
// window, navigation between folders and drives, and the recovery from drives without a medium
// and folders that cannot be read.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/list_controls.h"

namespace tavel {

class Application;
class Drives;
class FileSystem;

// The controls of the browser window that the listing fills.
struct BrowserControls {
  ComboBox& driveBox;   // ComboBox2
  ListBox& folderList;  // ListBox1
  ListBox& fileList;    // ListBox4, kept sorted
  Label& folderCount;   // Label19
  Label& fileCount;     // Label1
};

// How the browser tells the user: the window's countdown message box, plain or counting down.
struct BrowserMessages {
  std::function<void(const std::string&)> showMsg;
  std::function<void(const std::string&)> showTimedMsg;
};

// The picture drawn in front of a drive-box or folder-list item.
enum class BrowserPicture { None, ClosedFolder, OpenFolder, Floppy, Fixed, Network, CdRom, Ram };

// The texts of the browser's reports.
extern const char* const kFolderErrorText;
extern const char* const kFileListErrorText;
extern const char* const kDriveErrorText;
extern const char* const kRecoveryFailedText;

class FolderBrowser {
 public:
  // `ownPath` is the running executable's path; its drive is selected first.
  FolderBrowser(Application& app, BrowserControls controls, BrowserMessages messages,
                Drives& drives, FileSystem& files, std::string ownPath);

  // The Windows folder with a trailing backslash; only its drive is used, as the last resort.
  std::string BrowserWindowsDir;
  // The last folder visited on each drive, at most one per drive letter, the newest last.
  std::vector<std::string> RecentFolders;
  // Masks of the file list, separated by ";".
  std::string FileMaskList = "*.*";
  // Normal, hidden, system and archive files; folders and volume labels are left out.
  std::uint32_t FileSearchAttributes;
  // The folder the folder list is built for: lower case, without trailing backslash (a drive root
  // keeps it).
  std::string CurrentFolder;
  // The folder whose files were listed last, in the same form; empty before the first listing.
  std::string ListedFolder;
  // Index of the current folder's own item in the folder list.
  std::int32_t CurrentFolderIndex = 0;
  // Indentation level of each folder-list item. It grows with the list, so a folder with more
  // than 512 sub-folders is listed whole and every item still has its level.
  std::vector<std::uint8_t> FolderLevels;
  // The picture of each drive-box item.
  std::vector<BrowserPicture> DrivePictures;

  // The picture of a folder-list item: open for the current folder and its ancestors, closed for
  // its sub-folders.
  BrowserPicture FolderPicture(int index) const;

  // Each of these returns false where the operation fails; its caller reports.
  void FillDriveList();
  bool LabelDrive(char letter);
  bool CheckDriveReady(char letter);
  void RememberFolder(const std::string& path);
  bool ListFolders(const std::string& path);
  bool ListFiles(const std::string& path);
  void FolderFromSelection();
  void ShowFolder(const std::string& path);
  void RecoverToRoot(const std::string& path);
  bool GoToFolder(const std::string& path);
  void EnterDrive(char letter);

 private:
  std::string WindowsRoot() const;
  bool TryRecoveryTarget(const std::string& target);
  void ShowCounting(Label& label, const std::string& mark);
  std::vector<std::string> SubFolders(const std::string& folder, std::vector<std::string>& onDisk,
                                      bool& ok);
  std::vector<std::string> FolderFiles(const std::string& folder, bool& ok);

  Application& app_;
  BrowserControls controls_;
  BrowserMessages messages_;
  Drives& drives_;
  FileSystem& files_;
  std::string ownPath_;
  // The folder of the last folder listing as it was given, and the folder list's items as the
  // disk spells them, in the list's order.
  std::string folderAsGiven_;
  std::vector<std::string> folderItemsOnDisk_;

  // The recovery that is running: how deep recoveries are nested and the folders it has tried.
  struct Recovery {
    int depth = 0;
    std::set<std::string> tried;
  } recovery_;
};

// The first character of a drive letter or path in upper case ('c' and 'C' give 'C').
char DriveKey(char c);

}  // namespace tavel
