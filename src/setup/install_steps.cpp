// The install behind 設定: folders, the two files, the registry, Program Manager's group and item,
// the uninstall entry and the version, in that order; any stop leaves the dialogue usable again.
#include <utility>
#include <vector>

#include "base/scoped_value.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "player/list_file.h"
#include "setup/copy_file_keep_date.h"
#include "setup/progman.h"
#include "setup/same_path.h"
#include "setup/setup_registry.h"
#include "setup/setup_window.h"
#include "setup/uninstall_command.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

void TTVLSETUPForm::Button3Click() {
  auto busy = App().ShowBusy();
  // "設定中" shows in its place until the install ends, however it ends (also by an error that
  // reaches the standard error display), so that it cannot be started twice.
  ScopedValue<bool> hidden([this](const bool& v) { Button3.SetVisible(v); }, true, false);
  App().ProcessMessages();
  Install();
}

// True when the install is complete and the window has closed.
bool TTVLSETUPForm::Install() {
  if (!CheckEntries()) return false;
  std::string folder = WithBackslash(services_.files.FullPath(Edit1.Caption()));
  std::vector<std::string> prefixes = PathPrefixes(folder);
  if (!MakeFolders(folder, prefixes)) return false;
  // The install folder as the deepest of the folders names it; "\" names none.
  const std::string deepest = prefixes.empty() ? "" : WithBackslash(prefixes.back());
  if (deepest.empty() || deepest == "\\") return StopInstall("[  ]\nデータが不正です");
  // By its long name, however it was typed: the registry and the items name it plainly.
  const std::string longName = services_.files.LongPath(deepest);
  const std::string target = longName.empty() ? deepest : WithBackslash(longName);
  const std::string exePath = target + ExeFileName;
  if (!CopyProgramFiles(target)) return false;
  // Nothing is recorded for a program that is not there.
  if (!services_.files.FileExists(exePath)) return StopCopy(ExeFileName);
  App().ProcessMessages();
  if (!WriteInstallKey(target)) return false;
  App().ProcessMessages();
  AddProgmanItems(exePath);
  if (!WriteUninstallEntry(exePath) || !WriteVersion()) return false;
  App().ProcessMessages();
  BringToFront();
  KolapBoxDlg1.ShowMsg("登録完了です。\n\n[ " + ComboBox1.Caption() +
                       " ]\nグループに登録しました☆☆\nお疲れ様☆☆");
  Close();
  return true;
}

bool TTVLSETUPForm::StopInstall(const std::string& message, bool beep) {
  Button3.SetVisible(true);
  if (beep) App().Beep();
  KolapBoxDlg1.ShowMsg(message);
  return false;
}

bool TTVLSETUPForm::CheckEntries() {
  if (ComboBox1.Caption().empty()) return StopInstall("グループ名を設定して下さい。", true);
  if (Edit1.Caption().empty()) return StopInstall("フォルダーを設定して下さい。", true);
  return true;
}

// Creates every missing folder of `prefixes` (the folders down to `folder`, root first), asking
// once, at the first missing one.
bool TTVLSETUPForm::MakeFolders(const std::string& folder,
                                const std::vector<std::string>& prefixes) {
  std::string question = WithoutBackslash(folder);
  for (const std::string& prefix : prefixes) {
    std::string path = WithoutBackslash(services_.files.FullPath(prefix));
    if (services_.files.FolderExists(path)) continue;
    if (!question.empty()) {
      if (YesNoBoxDlg1.Execute(question + "\nフォルダーを作成します") != kResultYes) return false;
      question.clear();
    }
    if (!services_.files.CreateFolder(path))
      return StopInstall("[ " + prefix + " ]\nフォルダーの作成に失敗しました・・・");
  }
  return true;
}

// The running program goes in as TaVEL32.EXE whatever it is called (a download may be
// TaVEL32(1).EXE), so that the folder holds the very program being installed; the help text is
// taken by its own name from beside it. A file that already is its own target, such as the
// program when the chosen folder is the one it runs from, is not copied.
bool TTVLSETUPForm::CopyProgramFiles(const std::string& target) {
  const std::string own = services_.process.OwnPath();
  const std::string source = ExecutableFolder(own);
  if (!SamePath(services_.files, own, target + ExeFileName) &&
      !CopyFileKeepDate(services_.files, own, target + ExeFileName))
    return StopCopy(ExeFileName);
  if (!SamePath(services_.files, source, target) &&
      !CopyFileKeepDate(services_.files, source + TextFileName, target + TextFileName))
    return StopCopy(TextFileName);
  return true;
}

bool TTVLSETUPForm::StopCopy(const std::string& name) {
  return StopInstall(name + "\nファイルのコピーに失敗しました・・・");
}

bool TTVLSETUPForm::WriteInstallKey(const std::string& target) {
  return WriteValues(RegistryRoot::Users, ProductKeyPath(),
                     {{"EXEPATH", WithoutBackslash(target)}, {"Group", ComboBox1.Caption()}});
}

// Program Manager's group and item, and the same item in the start-up group when asked; a macro
// that fails is not reported.
void TTVLSETUPForm::AddProgmanItems(const std::string& exePath) {
  auto addTo = [&](const std::string& group) {
    SendProgmanMacro(services_.dde, CreateGroupMacro(group));
    App().ProcessMessages();
    SendProgmanMacro(services_.dde, AddItemMacro(exePath, ItemTitle));
    App().ProcessMessages();
  };
  addTo(ComboBox1.Caption());
  if (!CheckBoxST.Checked()) return;
  auto key = services_.registry.Open(RegistryRoot::Users, kMapGroupsKeyPath, false);
  std::string startUp = key ? key->ReadString("StartUp").value_or("") : "";
  key.reset();
  if (startUp.empty()) {
    KolapBoxDlg1.ShowMsg("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    return;
  }
  addTo(startUp);
}

bool TTVLSETUPForm::WriteUninstallEntry(const std::string& exePath) {
  return WriteValues(
      RegistryRoot::LocalMachine, kUninstallKeyBase + ProductBase,
      {{"DisplayName", UninstallDisplayName}, {"UninstallString", UninstallCommandLine(exePath)}});
}

bool TTVLSETUPForm::WriteVersion() {
  return WriteValues(RegistryRoot::Users, kSettingsKeyPath,
                     {{"Version", std::to_string(SetupVersion)},
                      {"BackColor", CheckBoxBkColor.Checked() ? "1" : "0"}});
}

// Opens the key (creating it) and writes the values in order. A key or value that cannot be
// written stops the install at once with a message naming it: the dialogue is usable again and
// nothing after it is written, so the program is not marked installed.
bool TTVLSETUPForm::WriteValues(RegistryRoot root, const std::string& key,
                                const std::vector<std::pair<std::string, std::string>>& values) {
  const std::string rootName =
      root == RegistryRoot::Users ? "HKEY_USERS\\" : "HKEY_LOCAL_MACHINE\\";
  auto opened = services_.registry.Open(root, key, true);
  for (const auto& [name, value] : values) {
    if (!opened || !opened->WriteString(name, value)) {
      opened.reset();
      return StopInstall("[ " + rootName + key + " ]\n" + name +
                         "\nレジストリーへの書き込みに失敗しました・・・");
    }
  }
  return true;
}

}  // namespace tavel
