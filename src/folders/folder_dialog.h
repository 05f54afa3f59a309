// The folder browser component: the caller sets the start folder, the title and the window to
// centre over, runs it, and gets the chosen folder back.
#pragma once

#include <string>

#include "platform/desktop.h"

namespace tavel {

class Application;
struct Services;

// What Execute reports when not even the program's own folder can be shown.
extern const char* const kNoFolderToShowText;

class TDIROPENDLG {
 public:
  TDIROPENDLG(Application& app, Services& services);

  std::string Directory;          // folder to show first; empty: the program's own folder
  std::string Title;              // put before the caption and on the messages; empty: the
                                  // application's title
  WindowHandle SourceHandle = 0;  // window the browser is centred over; 0: the main form
  bool StandardColor = true;      // the lists in the system's window colour, else the window's

  // Shows the browser modally and returns the chosen folder in lower case without a trailing
  // backslash (a drive root keeps it); empty when the user cancelled, or when no folder at all
  // could be shown, which is reported in the program's own box.
  std::string Execute();

 private:
  Application& app_;
  Services& services_;
};

}  // namespace tavel
