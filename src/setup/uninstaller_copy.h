// The uninstall's second step, in the copy in the Windows folder: it takes the hand-off, then
// deletes the installed program once a second until the first step has ended and let it go, and
// removes the program's emptied folders.
#pragma once

#include <string>

#include "platform/services.h"
#include "setup/setup_user.h"

namespace tavel {

class UninstallerCopy {
 public:
  UninstallerCopy(Services& services, SetupUser& user) : services_(services), user_(user) {}

  // Takes the hand-off data and tries the first deletion. True when the copy is to go on with
  // Retry each second; false when it has told why it ends.
  bool Begin();
  // One more attempt. True while the copy is to try again a second later; false when it has
  // told the outcome.
  bool Retry();

 private:
  bool ProgramRemoved();
  void RemoveEmptiedFolders();

  Services& services_;
  SetupUser& user_;
  std::string file_;   // the program to delete
  std::string rmDir_;  // "n" keeps its folders
  int attempts_ = 0;   // how often the program was found still there
};

}  // namespace tavel
