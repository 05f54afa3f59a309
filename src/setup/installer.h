// The install behind 設定: folders, the two files, the registry, Program Manager's group and item,
// the uninstall entry and the version, in that order. Each stop is told to the user and leaves
// nothing after it written.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"
#include "platform/services.h"
#include "setup/setup_user.h"

namespace tavel {

// What the install dialogue holds when 設定 is pressed.
struct InstallChoices {
  std::string folder;  // as typed
  std::string group;
  bool startUp = true;        // the item also in the start-up group
  bool standardColor = true;  // "BackColor" 1
};

// What an earlier install recorded, offered when the dialogue opens: its folder (or the default
// folder on the Windows drive, `windowsDir` with a trailing backslash) and its group.
struct PreviousInstall {
  std::string folder;
  std::string group;
};
PreviousInstall ReadPreviousInstall(Registry& registry, const std::string& windowsDir);

class Installer {
 public:
  Installer(Services& services, SetupUser& user) : services_(services), user_(user) {}

  // True when the install is complete; the user is told of every stop, not of the success.
  bool Install(const InstallChoices& choices);

 private:
  bool CheckEntries();
  bool MakeFolders(const std::string& folder, const std::vector<std::string>& prefixes);
  bool CopyProgramFiles(const std::string& target);
  bool WriteInstallKey(const std::string& target);
  void AddProgmanItems(const std::string& exePath);
  void AddProgmanItem(const std::string& group, const std::string& exePath);
  bool WriteUninstallEntry(const std::string& exePath);
  bool WriteVersion();
  bool WriteValues(RegistryRoot root, const std::string& key,
                   const std::vector<std::pair<std::string, std::string>>& values);
  bool Stop(const std::string& message, bool beep = false);

  Services& services_;
  SetupUser& user_;
  InstallChoices choices_;
};

}  // namespace tavel
