// The install behind 設定; any stop leaves the dialogue usable again.
#include "setup/installer.h"

#include "platform/file_system.h"
#include "platform/process.h"
#include "product/identity.h"
#include "setup/copy_file_keep_date.h"
#include "setup/progman.h"
#include "setup/same_path.h"
#include "setup/setup_messages.h"
#include "setup/uninstall_handoff.h"
#include "text/path.h"

namespace tavel {

namespace msg = setup_messages;

PreviousInstall ReadPreviousInstall(Registry& registry, const std::string& windowsDir) {
  PreviousInstall previous{windowsDir.substr(0, 3) + "KoLAPP32\\TaVIN32", ""};
  std::string stored = registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kExePathValue);
  if (!stored.empty()) previous.folder = stored;
  previous.group = registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kGroupValue);
  return previous;
}

bool Installer::Install(const InstallChoices& choices) {
  choices_ = choices;
  if (!CheckEntries()) return false;
  std::string folder = WithBackslash(services_.files.FullPath(choices_.folder));
  std::vector<std::string> prefixes = PathPrefixes(folder);
  if (!MakeFolders(folder, prefixes)) return false;
  // The install folder as the deepest of the folders names it; "\" names none.
  const std::string deepest = prefixes.empty() ? "" : WithBackslash(prefixes.back());
  if (deepest.empty() || deepest == "\\") return Stop(msg::kBadFolder);
  // By its long name, however it was typed: the registry and the items name it plainly.
  const std::string longName = services_.files.LongPath(deepest);
  const std::string target = longName.empty() ? deepest : WithBackslash(longName);
  const std::string exePath = target + kExeFileName;
  if (!CopyProgramFiles(target)) return false;
  // Nothing is recorded for a program that is not there.
  if (!services_.files.FileExists(exePath)) return Stop(msg::CopyFailed(kExeFileName));
  user_.Pump();
  if (!WriteInstallKey(target)) return false;
  user_.Pump();
  AddProgmanItems(exePath);
  if (!WriteUninstallEntry(exePath) || !WriteVersion()) return false;
  user_.Pump();
  return true;
}

bool Installer::Stop(const std::string& message, bool beep) {
  user_.Stopped();
  if (beep) user_.Beep();
  user_.Tell(message);
  return false;
}

bool Installer::CheckEntries() {
  if (choices_.group.empty()) return Stop(msg::kNoGroup, true);
  if (choices_.folder.empty()) return Stop(msg::kNoFolder, true);
  return true;
}

// Creates every missing folder of `prefixes` (the folders down to `folder`, root first), asking
// once, at the first missing one.
bool Installer::MakeFolders(const std::string& folder, const std::vector<std::string>& prefixes) {
  std::string question = WithoutBackslash(folder);
  for (const std::string& prefix : prefixes) {
    std::string path = WithoutBackslash(services_.files.FullPath(prefix));
    if (services_.files.FolderExists(path)) continue;
    if (!question.empty()) {
      if (!user_.Ask(msg::AskCreateFolder(question))) return false;
      question.clear();
    }
    if (!services_.files.CreateFolder(path)) return Stop(msg::FolderNotCreated(prefix));
  }
  return true;
}

// The running program goes in as TaVEL32.EXE whatever it is called (a download may be
// TaVEL32(1).EXE), so that the folder holds the very program being installed; the help text is
// taken by its own name from beside it. A file that already is its own target, such as the
// program when the chosen folder is the one it runs from, is not copied.
bool Installer::CopyProgramFiles(const std::string& target) {
  const std::string own = services_.process.OwnPath();
  const std::string source = FolderOf(own);
  const std::string exe = target + kExeFileName;
  if (!SamePath(services_.files, own, exe) && !CopyFileKeepDate(services_.files, own, exe))
    return Stop(msg::CopyFailed(kExeFileName));
  if (!SamePath(services_.files, source, target) &&
      !CopyFileKeepDate(services_.files, source + kHelpFileName, target + kHelpFileName))
    return Stop(msg::CopyFailed(kHelpFileName));
  return true;
}

bool Installer::WriteInstallKey(const std::string& target) {
  return WriteValues(RegistryRoot::Users, kSettingsKeyPath,
                     {{kExePathValue, WithoutBackslash(target)}, {kGroupValue, choices_.group}});
}

// Program Manager's group and item, and the same item in the start-up group when asked; a macro
// that fails is not reported.
void Installer::AddProgmanItems(const std::string& exePath) {
  AddProgmanItem(choices_.group, exePath);
  if (!choices_.startUp) return;
  const std::string startUp =
      services_.registry.ReadString(RegistryRoot::Users, kMapGroupsKeyPath, kStartUpGroupValue);
  if (startUp.empty()) {
    user_.Tell(msg::kNoStartUpGroup);
    return;
  }
  AddProgmanItem(startUp, exePath);
}

void Installer::AddProgmanItem(const std::string& group, const std::string& exePath) {
  SendProgmanMacro(services_.dde, CreateGroupMacro(group));
  user_.Pump();
  SendProgmanMacro(services_.dde, AddItemMacro(exePath, kItemTitle));
  user_.Pump();
}

bool Installer::WriteUninstallEntry(const std::string& exePath) {
  return WriteValues(RegistryRoot::LocalMachine, kUninstallEntryKeyPath,
                     {{kDisplayNameValue, UninstallDisplayName()},
                      {kUninstallStringValue, UninstallHandoff::UninstallCommandLine(exePath)}});
}

bool Installer::WriteVersion() {
  return WriteValues(RegistryRoot::Users, kSettingsKeyPath,
                     {{kVersionValue, std::to_string(kThisVersion)},
                      {kBackColorValue, choices_.standardColor ? "1" : "0"}});
}

// Opens the key (creating it) and writes the values in order. A key or value that cannot be
// written stops the install at once with a message naming it: nothing after it is written, so
// the program is not marked installed.
bool Installer::WriteValues(RegistryRoot root, const std::string& key,
                            const std::vector<std::pair<std::string, std::string>>& values) {
  const std::string rootName =
      root == RegistryRoot::Users ? "HKEY_USERS\\" : "HKEY_LOCAL_MACHINE\\";
  auto opened = services_.registry.Open(root, key, true);
  for (const auto& [name, value] : values) {
    if (!opened || !opened->WriteString(name, value)) {
      opened.reset();
      return Stop(msg::RegistryWriteFailed(rootName + key, name));
    }
  }
  return true;
}

}  // namespace tavel
