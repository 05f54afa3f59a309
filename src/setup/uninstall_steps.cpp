// The uninstall, run by the hidden setup window from its timers: step 1 in the installed program
// removes the items, the registry entries and the text files and hands over to a copy of itself in
// the Windows folder; step 2 in that copy deletes the installed program and its emptied folders.
#include <cstdint>
#include <string>

#include "platform/dde.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "setup/copy_file_keep_date.h"
#include "setup/emptied_folders.h"
#include "setup/progman.h"
#include "setup/same_path.h"
#include "setup/setup_registry.h"
#include "setup/setup_window.h"
#include "setup/uninstall_command.h"
#include "text/path.h"
#include "text/sjis.h"
#include "ui/application.h"

namespace tavel {

namespace {

constexpr const char* kHistoryFileName = "TaVO32MH.LIS";
constexpr const char* kFallbackCaption = "UNINSTALL_KOLAP000";

constexpr const char* kAskUninstall = "を、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？";
constexpr const char* kCancelled = "ｱﾝｲﾝｽﾂｰﾙを中止しました。";
constexpr const char* kAskHistory =
    "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n楽蔵32専用ﾋｽﾄﾘｰﾌｧｲﾙも削除して、よろしいですか？？？";
constexpr const char* kStartFailed = "1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました";
constexpr const char* kHandOverFailed = "2ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました";
// Without the hand-off data the copy could not finish, so it is not started at all.
constexpr const char* kHandoffNotWritten =
    "3ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙ情報を書き込めません。\n"
    "ﾌﾟﾛｸﾞﾗﾑとﾌｫﾙﾀﾞｰは削除されずに残ります。";
constexpr const char* kBadParameter =
    "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[KOLAP SOFT32]専用のｱﾝｲﾝｽﾂｰﾙｿﾌﾄです。";
constexpr const char* kCompleted = "アンインスツールが完了しました☆☆☆\nお疲れ様☆☆☆";
constexpr const char* kRefused =
    "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。";

// Started from a copy of the program outside the install folder (a download, say).
std::string NotTheInstalledCopy(const std::string& installed) {
  return "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｲﾝｽﾂｰﾙされたソフトではありません。\n[ " + installed +
         " ]\nからｱﾝｲﾝｽﾂｰﾙして下さい。";
}
// The uninstaller copy gave up on a program it could not delete.
std::string ProgramNotRemoved(const std::string& program) {
  return "4ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：[ " + program +
         " ]\nを削除できません・・・\nﾌﾟﾛｸﾞﾗﾑとﾌｫﾙﾀﾞｰは削除されずに残ります。";
}

// The copy's attempts, once a second, to delete a program that is still held: about a minute is
// far more than the first step needs to end; then something else holds the file (or forbids its
// deletion), and the copy says so rather than live on unseen.
constexpr int kDeleteAttempts = 60;

// A string value of a key opened without creating it; "" when the key or the value is missing.
std::string ReadValue(Registry& registry, const std::string& path, const std::string& name) {
  auto key = registry.Open(RegistryRoot::Users, path, false);
  if (!key) return {};
  return key->ReadString(name).value_or("");
}

std::uint64_t FileSize(FileSystem& files, const std::string& path) {
  auto found = files.FindFile(path, kAttrAnyFile);
  return found ? found->size : 0;
}

// Deletes the maker's key when the product's key was all it held.
void RemoveEmptyMakerKey(Registry& registry, const std::string& makerKey) {
  {
    auto key = registry.Open(RegistryRoot::Users, makerKey, false);
    if (!key || !key->SubKeyNames().empty() || !key->ValueNames().empty()) return;
  }
  registry.DeleteKey(RegistryRoot::Users, makerKey);
}

// Puts the running program in the Windows folder as the uninstaller copy. An existing copy is
// kept when it is no larger than the running program (and not empty); failures are ignored. True
// when an existing copy was kept.
bool PlaceUninstallerCopy(FileSystem& files, const std::string& own, const std::string& copy) {
  if (files.FileExists(copy)) {
    std::uint64_t copySize = FileSize(files, copy);
    if (copySize != 0 && copySize <= FileSize(files, own)) return true;
  }
  CopyFileKeepDate(files, own, copy);
  return false;
}

// Removes the program's folder and the folders above it, deepest first, up to the first that
// cannot go because it still holds something.
void RemoveEmptiedFolders(FileSystem& files, const std::string& program) {
  for (const std::string& folder : EmptiedFolderChain(program)) {
    if (!files.RemoveFolder(folder)) return;
  }
}

}  // namespace

// Step 1, in the installed program started with /uninstall.
void TTVLSETUPForm::Timer1Timer() {
  Timer1.SetEnabled(false);
  if (!IsInstalledCopy(services_.process.OwnPath())) {
    Close();
    return;
  }
  if (YesNoBoxDlg1.Execute(UninstallDisplayName + "\n" + kAskUninstall) != kResultYes) {
    KolapBoxDlg1.ShowMsg(kCancelled);
    Close();
    return;
  }
  const std::string own = services_.process.OwnPath();
  RemoveInstallation(FolderOf(own));
  const std::string copy = SetupWindowsDir + entry_.UninstallerName;
  const bool kept = PlaceUninstallerCopy(services_.files, own, copy);
  App().ProcessMessages();
  if (WriteHandoff(own)) StartUninstallerCopy(own, copy, kept);
  Close();
}

// A program started with /uninstall from another folder than the one the install recorded (a
// download of it, say) would remove the install's registry entries and then delete its own
// files, leaving the installed program behind with nothing to remove it. It refuses instead,
// before anything is changed, and names the installed program, whose own uninstall (the one the
// software list starts) removes it completely. Deleting the recorded folder's files from here is
// not attempted: this copy cannot tell what that folder holds now, and a refusal loses nothing.
// Without a recorded folder there is nothing to compare with, and the uninstall goes on.
bool TTVLSETUPForm::IsInstalledCopy(const std::string& own) {
  const std::string installed = ReadValue(services_.registry, ProductKeyPath(), "EXEPATH");
  if (installed.empty() || SamePath(services_.files, installed, FolderOf(own))) return true;
  KolapBoxDlg1.ShowMsg(NotTheInstalledCopy(WithBackslash(installed) + ExeFileName));
  return false;
}

// Everything of the install but the running program: the software-list entry, the items, the
// text file, the history when the user agrees, and the registry keys. Failures are ignored.
void TTVLSETUPForm::RemoveInstallation(const std::string& folder) {
  services_.registry.DeleteKey(RegistryRoot::LocalMachine, kUninstallKeyBase + ProductBase);
  RemoveProgmanItem(ReadValue(services_.registry, ProductKeyPath(), "Group"));
  std::string startUp = ReadValue(services_.registry, kMapGroupsKeyPath, "StartUp");
  App().ProcessMessages();
  RemoveProgmanItem(startUp);
  services_.files.RemoveFile(folder + TextFileName);
  if (YesNoBoxDlg1.Execute(kAskHistory) == kResultYes)
    services_.files.RemoveFile(folder + kHistoryFileName);
  DeleteKeyTree(services_.registry, RegistryRoot::Users, ProductKeyPath());
  RemoveEmptyMakerKey(services_.registry, MakerKeyPath);
}

// The show-group and delete-item macros for the product's item in `group`; errors are ignored.
void TTVLSETUPForm::RemoveProgmanItem(const std::string& group) {
  if (group.empty()) return;
  SendProgmanMacro(services_.dde, ShowGroupMacro(group));
  App().ProcessMessages();
  SendProgmanMacro(services_.dde, DeleteItemMacro(ItemTitle));
  App().ProcessMessages();
}

// The file to delete, the caption and the folder choice for the copy. A key that cannot be
// written in full is taken away again and reported: the copy is then not started.
bool TTVLSETUPForm::WriteHandoff(const std::string& own) {
  bool written = false;
  if (auto key = services_.registry.Open(RegistryRoot::Users, kHandoffKeyPath, true)) {
    written = key->WriteString("File", own) && key->WriteString("Title", Caption()) &&
              key->WriteString("RmDir", "");
  }
  if (written) return true;
  services_.registry.DeleteKey(RegistryRoot::Users, kHandoffKeyPath);
  KolapBoxDlg1.ShowMsg(kHandoffNotWritten);
  return false;
}

// Starts the copy from the Windows folder, so that no process keeps the install folder current.
// A copy kept from an earlier uninstall that does not start is stale (damaged, or a program of
// another kind under that name): it is replaced by the running program once and started again.
void TTVLSETUPForm::StartUninstallerCopy(const std::string& own, const std::string& copy,
                                         bool kept) {
  const char* failure = nullptr;
  if (services_.process.SetCurrentFolder(WithoutBackslash(FolderOf(copy))) != 0) {
    failure = kHandOverFailed;
  } else {
    App().ProcessMessages();
    const std::string command = UninstallerCopyCommandLine(copy);
    bool started = services_.process.Execute(command);
    if (!started && kept && CopyFileKeepDate(services_.files, own, copy))
      started = services_.process.Execute(command);
    if (!started) failure = kStartFailed;
  }
  if (!failure) return;
  KolapBoxDlg1.ShowMsg(failure);
  services_.registry.DeleteKey(RegistryRoot::Users, kHandoffKeyPath);
}

// Step 2 begins in the copy: it takes the hand-off data (once: the key goes at once) and tries
// the first deletion.
void TTVLSETUPForm::Timer2Timer() {
  Timer2.SetEnabled(false);
  std::string title;
  if (auto key = services_.registry.Open(RegistryRoot::Users, kHandoffKeyPath, false)) {
    HandoffFile = key->ReadString("File").value_or("");
    title = key->ReadString("Title").value_or("");
    HandoffRmDir = key->ReadString("RmDir").value_or("");
  }
  services_.registry.DeleteKey(RegistryRoot::Users, kHandoffKeyPath);
  SetCaption(title.empty() ? kFallbackCaption : title);
  App().SetTitle(Caption());
  if (!HandoffFile.empty() && services_.process.FirstArgument() == kDeleteFileArgument) {
    // A read-only program could never be deleted; its attribute goes before the retries.
    if (services_.files.FileExists(HandoffFile) && !services_.files.RemoveFile(HandoffFile))
      services_.files.ClearReadOnly(HandoffFile);
    DeleteAttempts = 0;
    Timer3.SetEnabled(true);
    return;
  }
  SetCaption(kFallbackCaption);
  App().SetTitle(Caption());
  KolapBoxDlg1.ShowMsg(kBadParameter);
  Close();
}

// Step 2, once a second until the installed program is gone: step 1 holds it until it has ended.
// A program that stays for about a minute is reported, and the copy ends.
void TTVLSETUPForm::Timer3Timer() {
  Timer3.SetEnabled(false);
  if (!ProgramRemoved()) {
    if (++DeleteAttempts < kDeleteAttempts) {
      Timer3.SetEnabled(true);
      return;
    }
    KolapBoxDlg1.ShowMsg(ProgramNotRemoved(HandoffFile));
    Close();
    return;
  }
  if (HandoffRmDir != "n") RemoveEmptiedFolders(services_.files, HandoffFile);
  KolapBoxDlg1.ShowMsg(kCompleted);
  Close();
}

// True once the program is gone: deleted now, or no longer there on a drive that can be reached.
// A program that cannot be seen because its drive cannot be reached (a network drive that went
// away) is not deleted.
bool TTVLSETUPForm::ProgramRemoved() {
  if (services_.files.FileExists(HandoffFile)) return services_.files.RemoveFile(HandoffFile);
  return services_.drives.HasMedium(RootOf(HandoffFile));
}

// The refusal of an uninstall while the program runs; without a mode (the window gave up at its
// creation) it closes silently.
void TTVLSETUPForm::TimerErOutTimer() {
  TimerErOut.SetEnabled(false);
  if (entry_.ModeCode > kModeNormal) KolapBoxDlg1.ShowMsg(kRefused);
  Close();
}

}  // namespace tavel
