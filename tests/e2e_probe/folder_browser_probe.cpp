// A small Windows program for the end-to-end tests: opens the folder browser in the folder given
// on the command line (the program's own folder when none is given) with the installer's title,
// writes the chosen folder to browser_result.txt beside itself (the browser moves the current
// folder) and exits with 0 when a folder was chosen, 1 when the browser returned nothing.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <string>

#include "folders/folder_dialog.h"
#include "platform/win32/win32_services.h"
#include "ui/application.h"
#include "ui/win32/win32_ui.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  tavel::Win32Ui ui(instance);
  tavel::Application app(ui);
  app.SetTitle("楽蔵32");
  tavel::Win32Services platform;
  tavel::TDIROPENDLG browser(app, platform.services);
  browser.Title = "登録先";
  browser.Directory = commandLine;
  const std::string chosen = browser.Execute();
  const std::string own = platform.process.OwnPath();
  platform.files.WriteFile(own.substr(0, own.rfind('\\') + 1) + "browser_result.txt", chosen);
  return chosen.empty() ? 1 : 0;
}
