// The uninstall's first step: everything of the install but the running program, then the
// hand-over to the copy in the Windows folder.
#include "setup/uninstaller.h"

#include <cstdint>
#include <utility>

#include "platform/dde.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "product/layout.h"
#include "setup/copy_file_keep_date.h"
#include "setup/emptied_folders.h"
#include "setup/progman.h"
#include "setup/same_path.h"
#include "setup/setup_messages.h"
#include "setup/uninstall_handoff.h"
#include "text/path.h"

namespace tavel {

namespace msg = setup_messages;

namespace {

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

}  // namespace

Uninstaller::Uninstaller(Services& services, SetupUser& user, std::string windowsDir,
                         std::string copyName, std::string title)
    : services_(services),
      user_(user),
      windowsDir_(std::move(windowsDir)),
      copyName_(std::move(copyName)),
      title_(std::move(title)) {}

void Uninstaller::Run() {
  const std::string own = services_.process.OwnPath();
  if (!IsInstalledCopy(own)) return;
  if (!user_.Ask(msg::AskUninstall(UninstallDisplayName()))) {
    user_.Tell(msg::kUninstallCancelled);
    return;
  }
  RemoveInstallation(FolderOf(own));
  const std::string copy = windowsDir_ + copyName_;
  const bool kept = PlaceUninstallerCopy(services_.files, own, copy);
  user_.Pump();
  if (WriteHandoff(own)) StartCopy(own, copy, kept);
}

// A program started with /uninstall from another folder than the one the install recorded (a
// download of it, say) would remove the install's registry entries and then delete its own
// files, leaving the installed program behind with nothing to remove it. It refuses instead,
// before anything is changed, and names the installed program, whose own uninstall (the one the
// software list starts) removes it completely. Deleting the recorded folder's files from here is
// not attempted: this copy cannot tell what that folder holds now, and a refusal loses nothing.
// Without a recorded folder there is nothing to compare with, and the uninstall goes on.
bool Uninstaller::IsInstalledCopy(const std::string& own) {
  const std::string installed =
      services_.registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kExePathValue);
  if (installed.empty() || SamePath(services_.files, installed, FolderOf(own))) return true;
  user_.Tell(msg::NotTheInstalledCopy(JoinPath(installed, kExeFileName)));
  return false;
}

// Everything of the install but the running program: the software-list entry, the items, the
// text file, the history when the user agrees, and the registry keys. Failures are ignored.
void Uninstaller::RemoveInstallation(const std::string& folder) {
  Registry& registry = services_.registry;
  registry.DeleteKey(RegistryRoot::LocalMachine, kUninstallEntryKeyPath);
  RemoveProgmanItem(registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kGroupValue));
  std::string startUp =
      registry.ReadString(RegistryRoot::Users, kMapGroupsKeyPath, kStartUpGroupValue);
  user_.Pump();
  RemoveProgmanItem(startUp);
  services_.files.RemoveFile(folder + kHelpFileName);
  if (user_.Ask(msg::kAskHistory)) services_.files.RemoveFile(folder + kHistoryFileName);
  DeleteKeyTree(registry, RegistryRoot::Users, kSettingsKeyPath);
  RemoveEmptyMakerKey(registry, kMakerKeyPath);
}

// The show-group and delete-item macros for the product's item in `group`; errors are ignored.
void Uninstaller::RemoveProgmanItem(const std::string& group) {
  if (group.empty()) return;
  SendProgmanMacro(services_.dde, ShowGroupMacro(group));
  user_.Pump();
  SendProgmanMacro(services_.dde, DeleteItemMacro(kItemTitle));
  user_.Pump();
}

// The file to delete, the caption and the folder choice for the copy. A key that cannot be
// written in full is reported: the copy is then not started.
bool Uninstaller::WriteHandoff(const std::string& own) {
  if (UninstallHandoff(services_.registry).Write({own, title_, ""})) return true;
  user_.Tell(msg::kHandoffNotWritten);
  return false;
}

// Starts the copy from the Windows folder, so that no process keeps the install folder current.
// A copy that does not start is reported, and the hand-off taken back.
void Uninstaller::StartCopy(const std::string& own, const std::string& copy, bool kept) {
  const char* failure = StartFailure(own, copy, kept);
  if (!failure) return;
  user_.Tell(failure);
  UninstallHandoff(services_.registry).Remove();
}

// A copy kept from an earlier uninstall that does not start is stale (damaged, or a program of
// another kind under that name): it is replaced by the running program once and started again.
const char* Uninstaller::StartFailure(const std::string& own, const std::string& copy, bool kept) {
  if (services_.process.SetCurrentFolder(WithoutBackslash(FolderOf(copy))) != 0)
    return msg::kHandOverFailed;
  user_.Pump();
  const std::string command = UninstallHandoff::CopyCommandLine(copy);
  if (services_.process.Execute(command)) return nullptr;
  if (kept && CopyFileKeepDate(services_.files, own, copy) && services_.process.Execute(command))
    return nullptr;
  return msg::kStartFailed;
}

}  // namespace tavel
