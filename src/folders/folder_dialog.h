// The folder browser component: the caller sets the start folder, the title and the window to
// centre over, runs it, and gets the chosen folder back.
#pragma once

#include <string>

#include "dialogs/dialog_component.h"

namespace tavel {

class Application;
struct Services;

// What Execute reports when not even the program's own folder can be shown.
extern const char* const kNoFolderToShowText;

class TDIROPENDLG : public DialogComponent {
 public:
  TDIROPENDLG(Application& app, Services& services);

  // Title (put before the caption and on the browser's messages) and SourceHandle (the window
  // the browser is centred over) come with every dialog component.
  std::string Directory;      // folder to show first; empty: the program's own folder
  bool StandardColor = true;  // the lists in the system's window colour, else the window's

  // Shows the browser modally and returns the chosen folder in lower case without a trailing
  // backslash (a drive root keeps it); empty when the user cancelled, or when no folder at all
  // could be shown, which is reported in the program's own box.
  std::string Execute();

 private:
  Services& services_;
};

}  // namespace tavel
