// The browser's navigation: showing a folder, going to a folder or a drive, remembering the last
// folder of each drive, and recovering when a drive or a folder fails.
#include <algorithm>

#include "folders/folder_browser.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "text/name_case.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

const char* const kFolderErrorText = "フォルダー・エラー発生\nエラーを回避してみます。";
const char* const kFileListErrorText =
    "ファイルリスト・エラー発生\n別のドライブか、フォルダーを選択してみて下さい";
const char* const kDriveErrorText = "ドライブ・エラー発生\n元のドライブに戻します";
const char* const kRecoveryFailedText =
    "エラー回避に失敗しました\n別のドライブか、フォルダーを選択してみて下さい";

namespace {

// A backstop for the depth of nested recoveries; the folders already tried end a chain first.
constexpr int kDeepestRecovery = 8;

bool SameDrive(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() && DriveKey(a[0]) == DriveKey(b[0]);
}

// Counts one recovery in the running chain and forgets the chain's tried folders when the
// outermost recovery ends.
class RecoveryLevel {
 public:
  RecoveryLevel(int& depth, std::set<std::string>& tried) : depth_(depth), tried_(tried) {
    ++depth_;
  }
  ~RecoveryLevel() {
    if (--depth_ == 0) tried_.clear();
  }
  RecoveryLevel(const RecoveryLevel&) = delete;
  RecoveryLevel& operator=(const RecoveryLevel&) = delete;

 private:
  int& depth_;
  std::set<std::string>& tried_;
};

}  // namespace

FolderBrowser::FolderBrowser(Application& app, BrowserControls controls, BrowserMessages messages,
                             Drives& drives, FileSystem& files, std::string ownPath)
    : FileSearchAttributes(kAttrHidden | kAttrSystem | kAttrArchive),
      app_(app),
      controls_(controls),
      messages_(std::move(messages)),
      drives_(drives),
      files_(files),
      ownPath_(std::move(ownPath)) {
  // The buffer the browser has always read it into; without a readable Windows folder the last
  // resort is drive C.
  const std::string windows = files_.WindowsFolder(200);
  BrowserWindowsDir = WithBackslash(windows.empty() ? "C:\\" : windows);
}

std::string FolderBrowser::WindowsRoot() const {
  return BrowserWindowsDir.substr(0, 1) + ":\\";
}

void FolderBrowser::RememberFolder(const std::string& path) {
  if (path.empty()) return;
  RecentFolders.erase(std::remove_if(RecentFolders.begin(), RecentFolders.end(),
                                     [&](const std::string& f) { return SameDrive(f, path); }),
                      RecentFolders.end());
  RecentFolders.push_back(path);
}

void FolderBrowser::ShowFolder(const std::string& path) {
  if (!ListFolders(path)) {
    messages_.showTimedMsg(kFolderErrorText);
    RecoverToRoot(path.empty() ? WindowsRoot() : path.substr(0, 1) + ":\\");
    return;
  }
  app_.Backend().Repaint(controls_.folderList);
  if (!ListFiles(folderAsGiven_)) messages_.showMsg(kFileListErrorText);
}

// Recovery goes ShowFolder -> RecoverToRoot -> GoToFolder -> EnterDrive -> ShowFolder, so a
// drive root that can be entered but not listed would start it again and again. Each chain of
// nested recoveries therefore tries every target folder once only: a target already tried in
// the chain counts as failed, so the chain moves on to the Windows drive and then gives up with
// its message. As only failures nest, and the targets are drive roots and the last listed folder,
// a chain is a few levels deep; kDeepestRecovery stops it in any case.
void FolderBrowser::RecoverToRoot(const std::string& path) {
  RecoveryLevel level(recovery_.depth, recovery_.tried);
  if (TryRecoveryTarget(path) || TryRecoveryTarget(WindowsRoot())) return;
  messages_.showMsg(kRecoveryFailedText);
}

bool FolderBrowser::TryRecoveryTarget(const std::string& target) {
  if (target.empty() || recovery_.depth > kDeepestRecovery) return false;
  if (!recovery_.tried.insert(LowerAscii(WithoutBackslash(target))).second) return false;
  return GoToFolder(target);
}

bool FolderBrowser::GoToFolder(const std::string& path) {
  if (path.empty() || !drives_.EnterFolder(WithoutBackslash(path))) return false;
  RememberFolder(path);
  ComboBox& box = controls_.driveBox;
  for (int i = 0; i < box.Count(); ++i) {
    if (!SameDrive(box.Item(i), path)) continue;
    box.SetItemIndex(i);
    EnterDrive(path[0]);
    return true;
  }
  return false;  // a path on no drive of the list
}

void FolderBrowser::EnterDrive(char letter) {
  if (!CheckDriveReady(letter) || !LabelDrive(letter)) {
    messages_.showTimedMsg(kDriveErrorText);
    const std::string failing(1, letter);
    const bool stay = !ListedFolder.empty() && !SameDrive(ListedFolder, failing);
    RecoverToRoot(stay ? ListedFolder : WindowsRoot());
    return;
  }
  const std::string drive(1, letter);
  auto recent = std::find_if(RecentFolders.begin(), RecentFolders.end(),
                             [&](const std::string& f) { return SameDrive(f, drive); });
  ShowFolder(recent != RecentFolders.end() ? *recent : drives_.CurrentFolderOf(letter));
}

}  // namespace tavel
