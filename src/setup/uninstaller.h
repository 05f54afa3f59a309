// The uninstall's first step, in the installed program started with /uninstall: it removes the
// items, the registry entries and the text files and hands over to a copy of itself in the
// Windows folder, which deletes the program (UninstallerCopy).
#pragma once

#include <string>

#include "platform/services.h"
#include "setup/setup_user.h"

namespace tavel {

class Uninstaller {
 public:
  // `windowsDir` ends in a backslash; `copyName` is the copy's file name; `title` is the caption
  // the copy is to show.
  Uninstaller(Services& services, SetupUser& user, std::string windowsDir, std::string copyName,
              std::string title);

  // Asks, removes, and starts the copy; every outcome has been told when it returns.
  void Run();

 private:
  bool IsInstalledCopy(const std::string& own);
  void RemoveInstallation(const std::string& folder);
  void RemoveProgmanItem(const std::string& group);
  bool WriteHandoff(const std::string& own);
  void StartCopy(const std::string& own, const std::string& copy, bool kept);
  const char* StartFailure(const std::string& own, const std::string& copy, bool kept);

  Services& services_;
  SetupUser& user_;
  std::string windowsDir_;
  std::string copyName_;
  std::string title_;
};

}  // namespace tavel
