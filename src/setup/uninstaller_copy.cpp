// The uninstall's second step, in the uninstaller copy.
#include "setup/uninstaller_copy.h"

#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "product/layout.h"
#include "setup/emptied_folders.h"
#include "setup/setup_messages.h"
#include "setup/uninstall_handoff.h"
#include "text/path.h"

namespace tavel {

namespace msg = setup_messages;

namespace {

// The copy's attempts, once a second, to delete a program that is still held: about a minute is
// far more than the first step needs to end; then something else holds the file (or forbids its
// deletion), and the copy says so rather than live on unseen.
constexpr int kDeleteAttempts = 60;

}  // namespace

// The hand-off is taken once: the key goes at once.
bool UninstallerCopy::Begin() {
  HandoffData handoff = UninstallHandoff(services_.registry).Take();
  file_ = handoff.file;
  rmDir_ = handoff.rmDir;
  user_.ShowTitle(handoff.title.empty() ? msg::kFallbackCaption : handoff.title);
  if (file_.empty() || services_.process.FirstArgument() != kDeleteFileArgument) {
    user_.ShowTitle(msg::kFallbackCaption);
    user_.Tell(msg::kBadParameter);
    return false;
  }
  // A read-only program could never be deleted; its attribute goes before the retries.
  if (services_.files.FileExists(file_) && !services_.files.RemoveFile(file_))
    services_.files.ClearReadOnly(file_);
  attempts_ = 0;
  return true;
}

// The first step holds the program until it has ended. A program that stays for about a minute
// is reported, and the copy ends.
bool UninstallerCopy::Retry() {
  if (!ProgramRemoved()) {
    if (++attempts_ < kDeleteAttempts) return true;
    user_.Tell(msg::ProgramNotRemoved(file_));
    return false;
  }
  if (rmDir_ != "n") RemoveEmptiedFolders();
  user_.Tell(msg::kUninstallCompleted);
  return false;
}

// True once the program is gone: deleted now, or no longer there on a drive that can be reached.
// A program that cannot be seen because its drive cannot be reached (a network drive that went
// away) is not deleted.
bool UninstallerCopy::ProgramRemoved() {
  if (services_.files.FileExists(file_)) return services_.files.RemoveFile(file_);
  return services_.drives.HasMedium(RootOf(file_));
}

// Removes the program's folder and the folders above it, deepest first, up to the first that
// cannot go because it still holds something.
void UninstallerCopy::RemoveEmptiedFolders() {
  for (const std::string& folder : EmptiedFolderChain(file_)) {
    if (!services_.files.RemoveFolder(folder)) return;
  }
}

}  // namespace tavel
